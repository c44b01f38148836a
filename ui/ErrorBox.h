// The application's error box: every error that leaves an event handler ends up here.
#pragma once

#include <QString>
#include <exception>
#include <utility>

// The box's object name, for finding it among the top-level widgets.
inline constexpr char ErrorBoxName[] = "ErrorBox";

// The application title: the caption of the error box.
QString applicationTitle();

// The message as shown: a full stop is appended when the last character's code is above '.'.
QString errorBoxText(const QString &message);
// Shows the box (error icon, OK, caption the application title); the event loop goes on.
void showErrorBox(const QString &message);
void showErrorBox(const std::exception &error);

// Runs one event handler in our own frames, so no exception reaches Qt.
template <class F>
bool guarded(F &&handler)
{
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const std::exception &e) {
        showErrorBox(e);
    } catch (...) {
        showErrorBox(QStringLiteral("Unknown error"));
    }
    return false;
}
