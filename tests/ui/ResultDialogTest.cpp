// The result dialog: its look, its lines, and that only OK or Enter closes it.
#include "Controls.h"
#include "Forms.h"
#include "Pictures.h"
#include "UiTestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

template <class T>
T *control(const char *name)
{
    T *c = Form4->findChild<T *>(QLatin1String(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

void press(QWidget *to, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(to, &down);
    QApplication::sendEvent(to, &up);
}

TEST(ResultDialog, LooksAsDesigned)
{
    EXPECT_EQ(Form4->windowTitle(), QStringLiteral("Информация"));
    EXPECT_EQ(Form4->size(), QSize(335, 189));
    EXPECT_EQ(Form4->minimumSize(), Form4->maximumSize());
    const Qt::WindowFlags flags = Form4->windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                          | Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint));
    EXPECT_FALSE(Form4->isVisible());

    QLabel *heading = control<QLabel>("Label1");
    EXPECT_EQ(heading->text(), QStringLiteral("Поздравляем! Вы сдали экзамен!"));
    EXPECT_EQ(heading->geometry(), QRect(16, 8, 297, 20));
    EXPECT_TRUE(heading->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(heading->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(heading->font().bold());
    EXPECT_TRUE(heading->font().underline());
    EXPECT_EQ(heading->font().pixelSize(), 16);

    QLabel *car = control<QLabel>("Image1");
    EXPECT_EQ(car->geometry(), QRect(16, 40, 105, 104));
    EXPECT_TRUE(car->hasScaledContents());
    EXPECT_EQ(pixelsOf(car->pixmap()), pixelsOf(Pictures::car()));
    EXPECT_EQ(control<Bevel>("Bevel1")->geometry(), QRect(16, 40, 105, 105));

    const int tops[] = {56, 80, 104};
    const char *names[] = {"Label2", "Label3", "Label4"};
    for (int i = 0; i < 3; ++i) {
        QLabel *line = control<QLabel>(names[i]);
        EXPECT_EQ(line->geometry(), QRect(128, tops[i], 201, 16)) << names[i];
        EXPECT_FALSE(line->wordWrap());
        EXPECT_TRUE(line->font().bold());
        EXPECT_EQ(line->font().pixelSize(), 13);
    }
    QPushButton *ok = control<QPushButton>("BitBtn1");
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->geometry(), QRect(128, 152, 75, 25));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(ok->icon().isNull());
}

TEST(ResultDialog, ShowsTheLinesAndOnlyOkOrEnterClosesIt)
{
    struct Seen {
        QStringList lines;
        QPoint pos;
        bool stayedAfterEsc = false;
        bool stayedAfterClose = false;
        bool modal = false;
    } seen;
    int step = 0;
    whenModal([&](QWidget *modal) {
        if (modal != Form4)
            return false;
        switch (step++) {
        case 0:
            seen.lines = QStringList{control<QLabel>("Label2")->text(), control<QLabel>("Label3")->text(),
                                     control<QLabel>("Label4")->text()};
            seen.pos = Form4->pos();
            seen.modal = Form4->isModal();
            press(Form4, Qt::Key_Escape);
            return false;
        case 1:
            seen.stayedAfterEsc = Form4->isVisible();
            Form4->close();
            return false;
        case 2:
            seen.stayedAfterClose = Form4->isVisible();
            press(Form4, Qt::Key_Return);
            return true;
        }
        return true;
    });
    Form4->showResult(QStringLiteral("Вы отвечали на билет: 12"), QStringLiteral("Правильных ответов: 19"),
                      QStringLiteral("Время ответа: 0:07:41"));

    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(Form4->result(), QDialog::Accepted);
    EXPECT_EQ(seen.lines, (QStringList{QStringLiteral("Вы отвечали на билет: 12"), QStringLiteral("Правильных ответов: 19"),
                                       QStringLiteral("Время ответа: 0:07:41")}));
    EXPECT_EQ(seen.pos, QPoint(230, 190));
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.stayedAfterEsc) << "Esc closed the dialog";
    EXPECT_TRUE(seen.stayedAfterClose) << "a close request closed the dialog";
    // The lines stay between showings.
    EXPECT_EQ(control<QLabel>("Label4")->text(), QStringLiteral("Время ответа: 0:07:41"));
}

TEST(ResultDialog, ComesUpAboveTheTicketWindow)
{
    ASSERT_TRUE(Form2->isVisible());
    Form2->findChild<QListWidget *>(QStringLiteral("ListView1"))->setCurrentRow(0);
    Form2->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click(); // a learning run
    ASSERT_TRUE(Form1->isVisible());
    Form1->activateWindow();
    QCoreApplication::processEvents();

    QWindow *transientParent = nullptr;
    bool onTop = false;
    whenModal([&](QWidget *modal) {
        if (modal != Form4)
            return false;
        transientParent = Form4->windowHandle() ? Form4->windowHandle()->transientParent() : nullptr;
        onTop = Form4->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        control<QPushButton>("BitBtn1")->click();
        return true;
    });
    Form4->showResult(QStringLiteral("Вы отвечали на билет: 1"), QStringLiteral("Правильных ответов: 20"),
                      QStringLiteral("Время не учитывалось."));

    EXPECT_EQ(transientParent, Form1->windowHandle());
    EXPECT_EQ(onTop, Form1->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Form1->close();
    EXPECT_TRUE(waitFor([] { return Form2->isVisible(); }));
}

} // namespace
