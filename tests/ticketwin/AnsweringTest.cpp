// Answering by digit keys and buttons: what is offered, what is ignored, where the
// selection goes.
#include "WindowHarness.h"

#include "AppState.h"
#include "Unit1.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using Answering = WindowHarness;

namespace {

// The first question of the bank with fewer than five answers, or {0, 0}.
std::pair<int, int> questionWithFewAnswers()
{
    for (int t = 1; t <= TicketCount; ++t) {
        for (int q = 1; q <= QuestionsPerTicket; ++q) {
            const int n = readFacts(t, q).answers.size();
            if (n >= 2 && n < 5)
                return {t, q};
        }
    }
    return {0, 0};
}

} // namespace

TEST_F(Answering, LearningWrongAnswerShowsTheCommentAndStays)
{
    startRun(RunMode::Learning, 5);
    const QuestionFacts f = readFacts(5, 1);
    EXPECT_TRUE(win()->Label4->isHidden());

    answerWrongByKey();
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(markOf(0), Wrong);
    EXPECT_FALSE(win()->Label4->isHidden());
    EXPECT_EQ(win()->Label4->text(), QStringLiteral("Комментарий к вопросу №") + f.comment);
    EXPECT_TRUE(runWindowOpen());

    // A click on a wrong button leaves the focus on that button: a digit typed there
    // answers nothing until the list has the focus again.
    clickAnswer(f.wrong());
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(win()->focusWidget(), win()->answerButton(f.wrong()));
    QTest::keyClick(win()->answerButton(f.wrong()), static_cast<char>('0' + f.right));
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(markOf(0), Wrong);

    win()->ListView1->setFocus();
    answerRightByKey();
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(markOf(0), Correct);
    EXPECT_TRUE(win()->Label4->isHidden());
    EXPECT_EQ(header(), QStringLiteral("Билет №5 Вопрос №2"));
    // Learning never disables the buttons.
    EXPECT_TRUE(win()->BitBtn1->isEnabled());
}

TEST_F(Answering, DigitsForHiddenOrDisabledButtonsDoNothing)
{
    const auto [t, q] = questionWithFewAnswers();
    if (t == 0)
        GTEST_SKIP() << "every question of this bank has five answers";
    const QuestionFacts f = readFacts(t, q);
    const int n = f.answers.size();

    startRun(RunMode::Training, t);
    for (int r = 1; r < q; ++r)
        keyOnList(Qt::Key_Down);
    ASSERT_EQ(currentQuestion(), q);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(win()->answerButton(k)->isHidden(), k > n) << "button " << k;

    // Hidden buttons' digits, and digits without a button, are ignored.
    for (char key : {'0', '6', '9'})
        typeOnList(key);
    for (int k = n + 1; k <= 5; ++k)
        typeOnList(static_cast<char>('0' + k));
    EXPECT_EQ(currentQuestion(), q);
    EXPECT_EQ(markOf(q - 1), Unanswered);
    EXPECT_EQ(CurrentRun.correctCount + CurrentRun.wrongCount, 0);

    answerRightByKey();
    EXPECT_EQ(currentQuestion(), q == 20 ? 1 : q + 1);
    EXPECT_EQ(markOf(q - 1), Correct);

    // Back on the answered question every button is disabled, and so is every digit.
    if (q == 20)
        keyOnList(Qt::Key_End);
    else
        keyOnList(Qt::Key_Up);
    ASSERT_EQ(currentQuestion(), q);
    for (int k = 1; k <= 5; ++k)
        EXPECT_FALSE(win()->answerButton(k)->isEnabled()) << "button " << k;
    for (int k = 1; k <= n; ++k)
        typeOnList(static_cast<char>('0' + k));
    EXPECT_EQ(currentQuestion(), q);
    EXPECT_EQ(markOf(q - 1), Correct);
    EXPECT_EQ(CurrentRun.correctCount, 1);
    EXPECT_EQ(CurrentRun.wrongCount, 0);
}

TEST_F(Answering, AfterQuestionTwentyTheSelectionWrapsToQuestionOne)
{
    startRun(RunMode::Learning, 40);
    keyOnList(Qt::Key_End);
    ASSERT_EQ(currentQuestion(), 20);
    ASSERT_EQ(header(), QStringLiteral("Билет №40 Вопрос №20"));

    answerRightByKey();
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(win()->ListView1->currentRow(), 0);
    EXPECT_EQ(win()->focusWidget(), win()->ListView1);
    EXPECT_EQ(header(), QStringLiteral("Билет №40 Вопрос №1"));
    EXPECT_EQ(markOf(19), Correct);
    EXPECT_EQ(markOf(0), Unanswered);

    // The arrows go on from the new focus mark.
    keyOnList(Qt::Key_Down);
    EXPECT_EQ(header(), QStringLiteral("Билет №40 Вопрос №2"));
}

TEST_F(Answering, WithNoQuestionSelectedAnAnswerDoesNothing)
{
    startRun(RunMode::Training, 8);
    // A click on the empty part of the list clears the selection.
    QListWidget *list = win()->ListView1;
    const QRect last = list->visualItemRect(list->item(19));
    const QPoint empty(last.center().x(), list->viewport()->height() - 1);
    ASSERT_FALSE(list->indexAt(empty).isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, empty);
    ASSERT_EQ(selectedRow(), -1);

    clickAnswer(1);
    typeOnList('2');
    EXPECT_TRUE(runWindowOpen());
    EXPECT_EQ(CurrentRun.correctCount + CurrentRun.wrongCount, 0);
    for (int row = 0; row < 20; ++row)
        EXPECT_EQ(markOf(row), Unanswered);
}
