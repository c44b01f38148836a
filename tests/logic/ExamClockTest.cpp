// The exam's countdown: labels, time-out, elapsed time in the result.
#include "RunHarness.h"

#include "ExamClock.h"

namespace {

TEST(ExamClockFormat, HoursWithoutLeadingZeroThenTwoDigitMinutesAndSeconds)
{
    EXPECT_EQ(ExamClock::format(600), QStringLiteral("0:10:00"));
    EXPECT_EQ(ExamClock::format(599), QStringLiteral("0:09:59"));
    EXPECT_EQ(ExamClock::format(207), QStringLiteral("0:03:27"));
    EXPECT_EQ(ExamClock::format(9), QStringLiteral("0:00:09"));
    EXPECT_EQ(ExamClock::format(0), QStringLiteral("0:00:00"));
    EXPECT_EQ(ExamClock::format(3600), QStringLiteral("1:00:00"));
    EXPECT_EQ(ExamClock::format(36061), QStringLiteral("10:01:01"));
}

using ExamCountdown = RunHarness;

TEST_F(ExamCountdown, StartsAtTenMinutesAndShowsEachTick)
{
    start(RunMode::Exam, 3);
    EXPECT_TRUE(display.clockOn);
    EXPECT_TRUE(display.clockVisible);
    EXPECT_EQ(display.clockText, QStringLiteral("0:10:00"));
    // The clock starts after question 1 is displayed.
    EXPECT_TRUE(inOrder(display.log.indexOf(QStringLiteral("header Вопрос №1")),
              display.log.indexOf(QStringLiteral("clock started"))));
    ASSERT_TRUE(display.timerEvent());
    EXPECT_EQ(display.clockText, QStringLiteral("0:09:59"));
    EXPECT_EQ(run.clock.remaining(), 599);
    EXPECT_EQ(run.clock.elapsedText(), QStringLiteral("0:00:01"));
}

TEST_F(ExamCountdown, UntouchedExamTimesOutOnTheSixHundredthTick)
{
    start(RunMode::Exam, 3);
    for (int i = 1; i < 600; ++i)
        ASSERT_TRUE(display.timerEvent()) << i;
    EXPECT_TRUE(display.windowOpen);
    EXPECT_TRUE(display.notices.isEmpty());
    display.clearLog();
    ASSERT_TRUE(display.timerEvent());

    EXPECT_EQ(display.notices, QStringList{QStringLiteral("E:Время закончилось! ")});
    EXPECT_FALSE(display.windowOpen);
    EXPECT_EQ(storedStatus(3), Failed);
    EXPECT_TRUE(display.results.empty());
    EXPECT_FALSE(display.clockVisible);
    EXPECT_EQ(display.clockText, QStringLiteral("0:00:00"));
    EXPECT_FALSE(display.timerEvent());
    // Label, then the timer off, then the notice, then STOP.
    const QStringList expectedStart{QStringLiteral("clock 0:00:00"), QStringLiteral("clock stopped"),
                                    QStringLiteral("notice E:Время закончилось! "), QStringLiteral("stop")};
    EXPECT_EQ(display.log.mid(0, 4), expectedStart);
    EXPECT_EQ(display.countInLog(QStringLiteral("clock stopped")), 1);
    EXPECT_EQ(display.mainWindowShown, 1);
}

TEST_F(ExamCountdown, ElapsedTimeInTheResult)
{
    start(RunMode::Exam, 10);
    for (int i = 0; i < 207; ++i)
        ASSERT_TRUE(display.timerEvent());
    for (int i = 0; i < 19; ++i)
        answerRight();
    answerWrong();
    ASSERT_EQ(display.results.size(), 1u);
    EXPECT_EQ(display.results[0].line2, QStringLiteral("Правильных ответов: 19"));
    EXPECT_EQ(display.results[0].line3, QStringLiteral("Время ответа: 0:03:27"));
    EXPECT_EQ(storedStatus(10), ExamPassed);
    EXPECT_FALSE(display.clockOn);
    EXPECT_FALSE(display.clockVisible);
}

TEST_F(ExamCountdown, TimeOutWithEighteenRightPasses)
{
    start(RunMode::Exam, 39);
    for (int i = 0; i < 18; ++i)
        answerRight();
    for (int i = 0; i < 600; ++i)
        ASSERT_TRUE(display.timerEvent());
    ASSERT_EQ(display.results.size(), 1u);
    EXPECT_EQ(display.results[0].line1, QStringLiteral("Вы отвечали на билет: 39"));
    EXPECT_EQ(display.results[0].line2, QStringLiteral("Правильных ответов: 18"));
    EXPECT_EQ(display.results[0].line3, QStringLiteral("Время ответа: 0:10:00"));
    EXPECT_EQ(storedStatus(39), ExamPassed);
    // The time-out notice comes first, then the result.
    EXPECT_TRUE(inOrder(display.log.indexOf(QStringLiteral("notice E:Время закончилось! ")),
              display.firstInLog(QStringLiteral("result "))));
}

TEST_F(ExamCountdown, NoClockOutsideExams)
{
    start(RunMode::Training, 3);
    EXPECT_FALSE(display.clockOn);
    EXPECT_FALSE(display.clockVisible);
    EXPECT_FALSE(display.timerEvent());
    for (int i = 0; i < 20; ++i)
        answerRight();
    EXPECT_EQ(display.countInLog(QStringLiteral("clock started")), 0);
    EXPECT_EQ(display.countInLog(QStringLiteral("clock label on")), 0);
    ASSERT_EQ(display.results.size(), 1u);
    EXPECT_EQ(display.results[0].line3, QStringLiteral("Время не учитывалось."));

    // A training after an exam: the exam's label went away with its finish.
    start(RunMode::Exam, 4);
    display.close();
    start(RunMode::Training, 4);
    EXPECT_FALSE(display.clockVisible);
    EXPECT_FALSE(display.clockOn);
}

TEST_F(ExamCountdown, NoTickAfterTheExamFinished)
{
    start(RunMode::Exam, 3);
    display.timerEvent();
    display.close();
    const int remaining = run.clock.remaining();
    run.tick(); // a stray event after the finish
    EXPECT_EQ(run.clock.remaining(), remaining);
    EXPECT_TRUE(display.notices.isEmpty());
    EXPECT_EQ(display.mainWindowShown, 1);
}

} // namespace
