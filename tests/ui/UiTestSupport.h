// Helpers for driving the windows in-process on the offscreen platform.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class QWidget;

// Runs f as soon as the application object exists (before any window is created).
void whenApplicationStarts(std::function<void()> f);

// Runs the program as the executable does, with a made-up command line.
int runProgram();

// A fresh current directory for one program run, with a copy of the built bank
// unless told otherwise; the previous directory comes back at the end.
class WorkDir {
public:
    explicit WorkDir(bool withBank = true);
    ~WorkDir();
    QString path(const QString &name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// One message box as it came up.
struct SeenBox {
    QString objectName;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString ownerName;            // object name of the owning window, empty for none
    QStringList visibleWindows;   // other top-level windows visible meanwhile
};

// Answers the next modal message boxes in order with the given buttons and notes what
// each one said. The log must outlive the answering (it ends after the last answer).
struct BoxLog {
    QList<QMessageBox::StandardButton> answers;
    QList<SeenBox> seen;
};
void answerBoxes(BoxLog &log);

// Calls act on each poll while a modal widget is up, until it returns true.
void whenModal(std::function<bool(QWidget *modal)> act);

// Processes events until cond holds or ms pass; returns cond().
bool waitFor(const std::function<bool()> &cond, int ms = 3000);

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// The picture as ARGB32 pixels, for comparisons.
QImage pixelsOf(const QImage &image);
QImage pixelsOf(const QPixmap &pixmap);
QImage iconPixels(const QIcon &icon);
