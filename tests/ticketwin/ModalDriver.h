// Answers the program's modal boxes from inside their own event loops: each new modal
// window that shows up takes the next queued action. Boxes nobody expected are
// recorded and rejected, so a test never hangs on one.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>

class ModalDriver : public QObject {
public:
    using Action = std::function<void(QWidget *)>;

    struct Seen {
        QString kind;    // "box" for a message box, otherwise the class name
        QString caption;
        QString text;    // a box's text, or every label of a dialog joined by '|'
        int icon = 0;    // QMessageBox::Icon of a box
    };

    ModalDriver();

    void expect(Action action) { queue_.push_back(std::move(action)); }
    bool allUsed() const { return queue_.empty(); }

    // Actions for the usual answers.
    static Action clickOk();
    static Action clickCancel();
    static Action closeDialog(); // presses the dialog's only button (the result dialog's OK)

    QList<Seen> seen;       // every modal window met, in order
    QStringList unexpected; // those with no action queued

private:
    void poll();

    std::deque<Action> queue_;
    QList<QPointer<QWidget>> claimed_;
};
