// Learning: comments on wrong answers, the prompt after twenty right ones.
#include "RunHarness.h"

namespace {

const QString AllAnswered =
    QStringLiteral("Вы ответили на все вопросы билета,\n\rбудете продолжать обучаться по этому билету? ");

using Learning = RunHarness;

TEST_F(Learning, WrongAnswerShowsTheCommentAndStays)
{
    start(RunMode::Learning, 14);
    answerRight(); // now on question 2
    display.clearLog();
    answerWrong();
    EXPECT_EQ(display.commentText,
              QStringLiteral("Комментарий к вопросу №") + fixture.question(14, 2).comment);
    EXPECT_TRUE(display.commentVisible);
    EXPECT_EQ(display.selected, 1);
    EXPECT_EQ(display.marks[1], Wrong);
    EXPECT_EQ(run.wrongCount, 1);
    EXPECT_EQ(run.correctCount, 1);
    // Nothing moves: no selection, no focus change, no display.
    EXPECT_EQ(display.countInLog(QStringLiteral("select")), 0);
    EXPECT_EQ(display.countInLog(QStringLiteral("focus mark")), 0);
    EXPECT_EQ(display.countInLog(QStringLiteral("list focused")), 0);
    EXPECT_EQ(display.countInLog(QStringLiteral("header")), 0);
    // The buttons stay enabled and the same question can be answered again.
    EXPECT_TRUE(display.buttonsEnabled);
    answerWrong();
    EXPECT_EQ(run.wrongCount, 2);
    answerRight();
    EXPECT_EQ(display.marks[1], Correct);
    EXPECT_EQ(display.selected, 2);
    EXPECT_FALSE(display.commentVisible);
    EXPECT_EQ(display.header, QStringLiteral("Билет №14 Вопрос №3"));
}

TEST_F(Learning, AnsweredQuestionsKeepTheirButtonsEnabled)
{
    start(RunMode::Learning, 14);
    answerRight();
    answerWrong();
    display.clickRow(0);
    EXPECT_EQ(display.marks[0], Correct);
    EXPECT_TRUE(display.buttonsEnabled);
    EXPECT_EQ(display.countInLog(QStringLiteral("buttons disabled")), 0);
    answerWrong();
    EXPECT_EQ(display.marks[0], Wrong); // the mark follows every answer
}

TEST_F(Learning, PromptOnceAtTwentyRightAndOkGoesOn)
{
    display.okCancelAnswers = {true};
    start(RunMode::Learning, 30);
    answerWrong();
    for (int i = 0; i < 19; ++i)
        answerRight();
    EXPECT_TRUE(display.asked.isEmpty());
    answerWrong();
    answerRight(); // the 20th right answer
    EXPECT_EQ(display.asked, QStringList{AllAnswered});
    EXPECT_TRUE(display.windowOpen);
    EXPECT_TRUE(run.running());
    for (int i = 0; i < 5; ++i)
        answerRight();
    EXPECT_EQ(run.correctCount, 25);
    EXPECT_EQ(display.asked.size(), 1);
    EXPECT_EQ(display.mainWindowShown, 0);
    EXPECT_EQ(display.unexpectedBoxes, 0);
}

TEST_F(Learning, CancelAtThePromptEndsTheRunUnrecorded)
{
    display.okCancelAnswers = {false};
    start(RunMode::Learning, 30);
    for (int i = 0; i < 20; ++i)
        answerRight();
    EXPECT_EQ(display.asked, QStringList{AllAnswered});
    EXPECT_FALSE(display.windowOpen);
    EXPECT_EQ(display.mainWindowShown, 1);
    EXPECT_EQ(storedStatus(30), NotTaken);
    EXPECT_TRUE(display.results.empty());
}

TEST_F(Learning, TwentyRightAnswersToQuestionOneAlsoPrompt)
{
    display.okCancelAnswers = {true};
    start(RunMode::Learning, 1);
    for (int i = 0; i < 20; ++i) {
        display.clickRow(0);
        ASSERT_EQ(currentQuestion(), 1);
        answerRight();
        EXPECT_EQ(display.asked.size(), i == 19 ? 1 : 0) << "after answer " << i + 1;
    }
    EXPECT_EQ(display.asked, QStringList{AllAnswered});
    EXPECT_EQ(run.correctCount, 20);
}

TEST_F(Learning, NoClock)
{
    start(RunMode::Learning, 3);
    EXPECT_FALSE(display.clockOn);
    EXPECT_FALSE(display.clockVisible);
    EXPECT_EQ(display.countInLog(QStringLiteral("clock started")), 0);
    EXPECT_FALSE(display.timerEvent());
    display.close();
    EXPECT_FALSE(display.clockVisible);
}

} // namespace
