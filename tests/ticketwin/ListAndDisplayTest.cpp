// Moving through the question list shows each question as the bank has it.
#include "WindowHarness.h"

#include "Unit1.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using ListAndDisplay = WindowHarness;

namespace {

// The first ticket holding questions both with and without a picture, or 0.
int ticketWithMixedPictures()
{
    for (int t = 1; t <= TicketCount; ++t) {
        bool with = false;
        bool without = false;
        for (int q = 1; q <= QuestionsPerTicket; ++q)
            (readFacts(t, q).picture ? with : without) = true;
        if (with && without)
            return t;
    }
    return 0;
}

} // namespace

class DisplayCheck {
public:
    explicit DisplayCheck(TForm1 *w) : w_(w) {}

    // The window shows question q of ticket t, in a non-exam run, with its buttons enabled
    // exactly when enabled is true.
    void expectShown(int t, int q, bool enabled) const
    {
        SCOPED_TRACE(testing::Message() << "ticket " << t << " question " << q);
        const QuestionFacts f = readFacts(t, q);
        EXPECT_EQ(w_->Label1->text(), QStringLiteral("Билет №%1 Вопрос №%2").arg(t).arg(q));
        EXPECT_GE(w_->Label1->width(), w_->Label1->sizeHint().width());
        EXPECT_EQ(w_->Label2->text(), f.text);
        QString answers;
        for (int i = 0; i < f.answers.size(); ++i)
            answers += QStringLiteral("%1. %2\n").arg(i + 1).arg(f.answers.at(i));
        EXPECT_EQ(w_->Label3->text(), answers);
        EXPECT_TRUE(w_->Label4->isHidden());
        EXPECT_EQ(!w_->Image1->isHidden(), f.picture);
        if (f.picture) {
            EXPECT_EQ(w_->Label2->geometry(), QRect(368, 24, 209, 137));
            EXPECT_FALSE(w_->Image1->pixmap().isNull());
        } else {
            EXPECT_EQ(w_->Label2->geometry(), QRect(8, 24, 401, 137));
        }
        const int n = f.answers.size();
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(w_->answerButton(k)->isHidden(), k > n) << "button " << k;
            EXPECT_EQ(w_->answerButton(k)->isEnabled(), enabled) << "button " << k;
        }
    }

private:
    TForm1 *w_;
};

TEST_F(ListAndDisplay, ArrowKeysDisplayEachQuestionWithButtonsFollowingItsMark)
{
    int t = ticketWithMixedPictures();
    if (t == 0)
        t = 1; // the placement is then checked for one kind only
    const DisplayCheck check(win());

    startRun(RunMode::Training, t);
    check.expectShown(t, 1, true);
    answerRightByKey();
    answerWrongByKey();
    check.expectShown(t, 3, true);

    keyOnList(Qt::Key_Up);
    check.expectShown(t, 2, false);
    EXPECT_EQ(markOf(1), Wrong);
    keyOnList(Qt::Key_Up);
    check.expectShown(t, 1, false);
    EXPECT_EQ(markOf(0), Correct);

    for (int q = 2; q <= 20; ++q) {
        keyOnList(Qt::Key_Down);
        ASSERT_EQ(currentQuestion(), q);
        check.expectShown(t, q, q > 2);
    }
}

TEST_F(ListAndDisplay, ClickingARowDisplaysIt)
{
    startRun(RunMode::Learning, 14);
    QListWidget *list = win()->ListView1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(6)).center());
    EXPECT_EQ(selectedRow(), 6);
    DisplayCheck(win()).expectShown(14, 7, true);
    // Clicking the selected row again changes nothing.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(6)).center());
    EXPECT_EQ(selectedRow(), 6);
    EXPECT_EQ(header(), QStringLiteral("Билет №14 Вопрос №7"));
}

TEST_F(ListAndDisplay, EveryRowAndControlFitsItsPlace)
{
    startRun(RunMode::Exam, 1);
    QListWidget *list = win()->ListView1;
    // All twenty rows in one column, without scrolling.
    for (int row = 0; row < 20; ++row) {
        const QRect r = list->visualItemRect(list->item(row));
        EXPECT_TRUE(list->viewport()->rect().contains(r)) << "row " << row;
        EXPECT_EQ(r.left(), list->visualItemRect(list->item(0)).left()) << "row " << row;
    }
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    EXPECT_FALSE(win()->ScrollBox1->verticalScrollBar()->isVisible());
    EXPECT_FALSE(win()->ScrollBox1->horizontalScrollBar()->isVisible());
    // The notice line ends before the help button; the clock before the notice.
    EXPECT_LT(win()->Label5->geometry().right(), win()->SpeedButton1->geometry().left());
    EXPECT_LT(win()->Label6->geometry().right(), win()->Label5->geometry().left());
    // The answer buttons sit below the comment, inside the panel.
    const QWidget *panel = win()->BitBtn1->parentWidget();
    EXPECT_TRUE(panel->rect().contains(win()->BitBtn5->geometry()));
    EXPECT_GT(win()->BitBtn1->y(), win()->Label4->geometry().bottom());
    EXPECT_TRUE(win()->rect().contains(win()->BitBtn7->geometry()));
}
