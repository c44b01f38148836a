#include "ErrorBox.h"

#include "Forms.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

QString applicationTitle()
{
    return QGuiApplication::applicationDisplayName();
}

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

namespace {

// The box belongs to whatever the learner is looking at, so it comes up above it,
// also above the ticket window, which stays on top of other windows.
QWidget *boxOwner()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    if (QWidget *w = QApplication::activeWindow())
        return w;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->isMinimized() && (w->windowFlags() & Qt::WindowStaysOnTopHint))
            return w;
    }
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->isWindow() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
            return w;
    }
    return nullptr;
}

} // namespace

void showErrorBox(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), errorBoxText(message), QMessageBox::Ok,
                    boxOwner());
    box.setObjectName(QLatin1String(ErrorBoxName));
    box.exec();
}

void showErrorBox(const std::exception &error)
{
    showErrorBox(QString::fromUtf8(error.what()));
}
