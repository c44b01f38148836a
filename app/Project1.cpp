#include "Project1.h"

#include "ErrorBox.h"
#include "Fonts.h"
#include "Forms.h"
#include "Pictures.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMessageBox>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    installEventFilter(this);
}

bool TApplication::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy))
        return QApplication::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *box = widget ? qobject_cast<QMessageBox *>(widget->window()) : nullptr;
    if (!box)
        return QApplication::eventFilter(watched, event);
    const QString rule = QStringLiteral("---------------------------\n");
    QString text = rule + box->windowTitle() + u'\n' + rule + box->text() + u'\n' + rule;
    for (QAbstractButton *button : box->buttons())
        text += button->text().remove(u'&') + QStringLiteral("   ");
    text += u'\n' + rule;
    QGuiApplication::clipboard()->setText(text);
    return true;
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        showErrorBox(e);
    } catch (...) {
        showErrorBox(QStringLiteral("Unknown error"));
    }
    return false;
}

namespace {

void destroyForms()
{
    // Reverse order of creation; the main window goes last and closes the bank.
    delete Form4;
    Form4 = nullptr;
    delete Form3;
    Form3 = nullptr;
    delete Form1;
    Form1 = nullptr;
    delete Form2;
    Form2 = nullptr;
}

} // namespace

int Project1(int &argc, char **argv)
{
    // The arguments go to the toolkit only; the program reads none of its own.
    TApplication application(argc, argv);
    // The title also captions the error box. (Not the display name: that one would be
    // appended to every other window's caption.)
    QApplication::setApplicationName(QStringLiteral("Дорвиан"));
    // The toolkit's own words (the boxes' "Отмена", say) in Russian, like the rest.
    QTranslator toolkitWords;
    if (toolkitWords.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitWords);
    guarded([] { QApplication::setWindowIcon(Pictures::programIcon()); });
    setUpFonts();
    // Only the main window's close ends the program; hiding it for a run does not.
    QApplication::setQuitOnLastWindowClosed(false);

    int exitCode = 0;
    const bool ran = guarded([&] {
        Form2 = new TForm2;
        if (Form2->startupAborted()) {
            exitCode = Form2->startupExitCode();
            return;
        }
        Form1 = new TForm1;
        Form3 = new TForm3;
        Form4 = new TForm4;
        Form2->show();
        exitCode = QApplication::exec();
    });
    destroyForms();
    return ran ? exitCode : 1;
}
