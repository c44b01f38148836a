// The entry block: brings the program up in its fixed order and runs it.
#pragma once

#include <QApplication>

// The application object. Any exception that escapes an event handler ends here:
// it is shown in the error box and the event loop goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

protected:
    // Ctrl+C in a message box copies its caption, text and buttons, as the
    // system's own boxes do: a learner can paste an error into a report.
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The whole program; returns its exit code.
int Project1(int &argc, char **argv);
