#include "UiTestSupport.h"

#include "Project1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <stdexcept>

namespace {

std::function<void()> &startHook()
{
    static std::function<void()> hook;
    return hook;
}

void callStartHook()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qWarning("QT_QPA_PLATFORM is not set; the tests expect offscreen");
    if (auto f = std::exchange(startHook(), nullptr))
        f();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(callStartHook)

void whenApplicationStarts(std::function<void()> f)
{
    startHook() = std::move(f);
}

int runProgram()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static char name[] = "dorvian";
    static char *argv[] = {name, nullptr};
    int argc = 1;
    return Project1(argc, argv);
}

WorkDir::WorkDir(bool withBank) : previous_(QDir::currentPath())
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary directory");
    if (withBank && !QFile::copy(QStringLiteral(DORVIAN_SAMPLE_BANK), path(QStringLiteral("data.dat"))))
        throw std::runtime_error("cannot copy the bank from " DORVIAN_SAMPLE_BANK);
    QDir::setCurrent(dir_.path());
}

WorkDir::~WorkDir()
{
    QDir::setCurrent(previous_);
}

QString WorkDir::path(const QString &name) const
{
    return dir_.filePath(name);
}

void answerBoxes(BoxLog &log)
{
    auto *timer = new QTimer(QCoreApplication::instance());
    auto last = std::make_shared<QPointer<QMessageBox>>();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, last, &log] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == *last || !box->isVisible())
            return;
        if (log.seen.size() >= log.answers.size()) {
            timer->deleteLater();
            return;
        }
        *last = box;
        SeenBox seen;
        seen.objectName = box->objectName();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (QWidget *owner = box->parentWidget())
            seen.ownerName = owner->window()->objectName();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w != box && w->isVisible())
                seen.visibleWindows << w->objectName();
        }
        const auto answer = log.answers.at(log.seen.size());
        log.seen << seen;
        if (QAbstractButton *b = box->button(answer))
            b->click();
        if (log.seen.size() >= log.answers.size())
            timer->deleteLater();
    });
    timer->start(5);
}

void whenModal(std::function<bool(QWidget *)> act)
{
    auto *timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && act(modal))
            timer->deleteLater();
    });
    timer->start(5);
}

bool waitFor(const std::function<bool()> &cond, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!cond() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return cond();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

QImage pixelsOf(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage pixelsOf(const QPixmap &pixmap)
{
    return pixelsOf(pixmap.toImage());
}

QImage iconPixels(const QIcon &icon)
{
    return pixelsOf(icon.pixmap(QSize(16, 16)));
}
