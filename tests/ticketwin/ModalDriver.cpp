#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

ModalDriver::ModalDriver()
{
    poll();
}

void ModalDriver::poll()
{
    // Scheduled before acting, so the polls go on inside any loop the action opens.
    QTimer::singleShot(5, this, [this] { poll(); });

    // A window met before counts as new once it has been closed (the result dialog is
    // one object shown again and again).
    claimed_.removeIf([](const QPointer<QWidget> &c) { return !c || !c->isVisible(); });

    QWidget *w = QApplication::activeModalWidget();
    if (!w || !w->isVisible())
        return;
    for (const QPointer<QWidget> &c : claimed_) {
        if (c == w)
            return;
    }
    claimed_.append(w);

    Seen s;
    s.caption = w->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
        s.kind = QStringLiteral("box");
        s.text = box->text();
        s.icon = box->icon();
    } else {
        s.kind = QString::fromLatin1(w->metaObject()->className());
        QStringList texts;
        for (QLabel *label : w->findChildren<QLabel *>())
            texts << label->text();
        s.text = texts.join(QLatin1Char('|'));
    }
    seen.append(s);

    if (queue_.empty()) {
        unexpected << s.caption + QStringLiteral(": ") + s.text;
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
        else
            w->close();
        return;
    }
    Action action = std::move(queue_.front());
    queue_.pop_front();
    action(w);
}

namespace {

ModalDriver::Action clickStandard(QMessageBox::StandardButton which)
{
    return [which](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box || !box->button(which)) {
            // Not the box the test was waiting for: leave it, the test's checks will say so.
            if (auto *dialog = qobject_cast<QDialog *>(w))
                dialog->reject();
            return;
        }
        box->button(which)->click();
    };
}

} // namespace

ModalDriver::Action ModalDriver::clickOk()
{
    return clickStandard(QMessageBox::Ok);
}

ModalDriver::Action ModalDriver::clickCancel()
{
    return clickStandard(QMessageBox::Cancel);
}

ModalDriver::Action ModalDriver::closeDialog()
{
    return [](QWidget *w) {
        const auto buttons = w->findChildren<QAbstractButton *>();
        if (buttons.size() == 1) {
            buttons.first()->click();
        } else if (auto *dialog = qobject_cast<QDialog *>(w)) {
            dialog->reject();
        }
    };
}
