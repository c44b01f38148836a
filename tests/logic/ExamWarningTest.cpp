// The three-errors warning of an exam.
#include "RunHarness.h"

namespace {

const QString ThreeErrors = QStringLiteral("ТРИ ОШИБКИ!!!\n\rВы уже провалили экзамен, будете продолжать? ");

using ExamWarning = RunHarness;

TEST_F(ExamWarning, OkGoesOnAndTheWarningNeverComesAgain)
{
    display.okCancelAnswers = {true};
    start(RunMode::Exam, 8);
    answerWrong();
    answerWrong();
    EXPECT_TRUE(display.asked.isEmpty());
    answerWrong();
    ASSERT_EQ(display.asked, QStringList{ThreeErrors});
    EXPECT_TRUE(run.warned);
    EXPECT_TRUE(display.windowOpen);
    EXPECT_TRUE(display.clockOn);
    // The warning comes after the advance to the next question.
    EXPECT_EQ(display.selected, 3);
    EXPECT_TRUE(inOrder(display.log.lastIndexOf(QStringLiteral("select 3")),
              display.log.indexOf(QStringLiteral("ask ") + ThreeErrors)));

    for (int i = 0; i < 5; ++i)
        answerWrong();
    for (int i = 0; i < 11; ++i)
        answerRight();
    EXPECT_EQ(display.asked.size(), 1);
    EXPECT_TRUE(display.windowOpen);
    answerRight(); // the 20th answer
    EXPECT_FALSE(display.windowOpen);
    EXPECT_EQ(display.asked.size(), 1);
    EXPECT_EQ(storedStatus(8), Failed);
    EXPECT_EQ(display.unexpectedBoxes, 0);
}

TEST_F(ExamWarning, CancelEndsTheExamAsFailed)
{
    display.okCancelAnswers = {false};
    start(RunMode::Exam, 8);
    answerRight();
    answerWrong();
    answerWrong();
    answerWrong();
    EXPECT_EQ(display.asked.size(), 1);
    EXPECT_FALSE(display.windowOpen);
    EXPECT_FALSE(run.running());
    EXPECT_FALSE(display.clockOn);
    EXPECT_FALSE(display.clockVisible);
    EXPECT_EQ(storedStatus(8), Failed);
    EXPECT_EQ(display.mainWindowShown, 1);
    EXPECT_EQ(display.stopPresses, 1);
    EXPECT_TRUE(display.results.empty());
}

TEST_F(ExamWarning, NoneWhenTheThirdWrongAnswerIsTheTwentieth)
{
    start(RunMode::Exam, 15);
    for (int i = 0; i < 17; ++i)
        answerRight();
    answerWrong();
    answerWrong();
    answerWrong(); // the 20th answer ends the exam before any warning
    EXPECT_TRUE(display.asked.isEmpty());
    EXPECT_EQ(display.unexpectedBoxes, 0);
    EXPECT_EQ(display.stopPresses, 1);
    EXPECT_EQ(display.countInLog(QStringLiteral("closed")), 1);
    EXPECT_EQ(display.mainWindowShown, 1);
    EXPECT_EQ(storedStatus(15), Failed);
}

class ExamWarningTimeOut : public RunHarness, public ::testing::WithParamInterface<bool> {};

TEST_P(ExamWarningTimeOut, TheWarningsAnswerIsIgnored)
{
    start(RunMode::Exam, 21);
    for (int i = 0; i < 599; ++i)
        ASSERT_TRUE(display.timerEvent());
    EXPECT_EQ(display.clockText, QStringLiteral("0:00:01"));
    answerWrong();
    answerWrong();
    display.okCancelAnswers = {GetParam()};
    display.whileNextBoxOpen = [this] { EXPECT_TRUE(display.timerEvent()); };
    answerWrong();

    EXPECT_EQ(display.asked, QStringList{ThreeErrors});
    EXPECT_EQ(display.notices, QStringList{QStringLiteral("E:Время закончилось! ")});
    // The time-out finished the run; the warning's answer changes nothing.
    EXPECT_EQ(display.stopPresses, 1);
    EXPECT_EQ(display.countInLog(QStringLiteral("closed")), 1);
    EXPECT_EQ(display.mainWindowShown, 1);
    EXPECT_FALSE(display.windowOpen);
    EXPECT_FALSE(run.running());
    EXPECT_EQ(storedStatus(21), Failed);
    EXPECT_FALSE(display.timerEvent());
    EXPECT_EQ(display.unexpectedBoxes, 0);
}

INSTANTIATE_TEST_SUITE_P(OkOrCancel, ExamWarningTimeOut, ::testing::Bool(),
                         [](const auto &info) { return std::string(info.param ? "Ok" : "Cancel"); });

} // namespace
