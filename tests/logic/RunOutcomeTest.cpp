// How a training or exam ends and what is stored and shown for it.
#include "RunHarness.h"

namespace {

using RunOutcome = RunHarness;

TEST_F(RunOutcome, TrainingAllRightPassesAtTheTwentiethAnswer)
{
    const auto before = encodeRecord(results.record());
    start(RunMode::Training, 7);
    for (int i = 0; i < 19; ++i)
        answerRight();
    EXPECT_TRUE(display.results.empty());
    EXPECT_TRUE(display.windowOpen);
    answerRight();

    ASSERT_EQ(display.results.size(), 1u);
    EXPECT_EQ(display.results[0].line1, QStringLiteral("Вы отвечали на билет: 7"));
    EXPECT_EQ(display.results[0].line2, QStringLiteral("Правильных ответов: 20"));
    EXPECT_EQ(display.results[0].line3, QStringLiteral("Время не учитывалось."));
    EXPECT_EQ(results.status(7), TrainingPassed);
    EXPECT_EQ(storedStatus(7), TrainingPassed);
    // Only ticket 7's four bytes changed in the file.
    auto expected = before;
    expected[8 + 4 * 6] = 3;
    QFile file(resultsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), ResultsRecordSize);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(expected.data()), ResultsRecordSize), bytes);

    // One finish: one STOP, one close, one return to the main window.
    EXPECT_EQ(display.stopPresses, 1);
    EXPECT_EQ(display.countInLog(QStringLiteral("closed")), 1);
    EXPECT_EQ(display.mainWindowShown, 1);
    EXPECT_FALSE(display.windowOpen);
    EXPECT_FALSE(run.running());
    EXPECT_TRUE(display.asked.isEmpty());
    // The result dialog comes before the return to the main window.
    EXPECT_TRUE(inOrder(display.firstInLog(QStringLiteral("result ")),
              display.log.indexOf(QStringLiteral("main window shown"))));
}

TEST_F(RunOutcome, TrainingWithOneWrongAnswerFailsSilently)
{
    results.setStatus(3, TrainingPassed); // a later failure replaces an earlier pass
    start(RunMode::Training, 3);
    answerWrong();
    for (int i = 0; i < 19; ++i)
        answerRight();
    EXPECT_TRUE(display.results.empty());
    EXPECT_EQ(storedStatus(3), Failed);
    EXPECT_EQ(display.mainWindowShown, 1);
    EXPECT_EQ(run.correctCount, 19);
    EXPECT_EQ(run.wrongCount, 1);
}

TEST_F(RunOutcome, ExamWithTwoWrongPassesAndWithThreeWrongFails)
{
    start(RunMode::Exam, 11);
    answerWrong();
    answerWrong();
    for (int i = 0; i < 18; ++i)
        answerRight();
    ASSERT_EQ(display.results.size(), 1u);
    EXPECT_EQ(display.results[0].line1, QStringLiteral("Вы отвечали на билет: 11"));
    EXPECT_EQ(display.results[0].line2, QStringLiteral("Правильных ответов: 18"));
    EXPECT_EQ(display.results[0].line3, QStringLiteral("Время ответа: 0:00:00"));
    EXPECT_EQ(storedStatus(11), ExamPassed);
    EXPECT_EQ(display.mainWindowShown, 1);

    display.okCancelAnswers = {true};
    start(RunMode::Exam, 12);
    for (int i = 0; i < 16; ++i)
        answerRight();
    answerWrong();
    answerWrong();
    answerWrong(); // 19th answer: the warning, OK
    EXPECT_TRUE(display.windowOpen);
    answerRight(); // 20th: 17 right, 3 wrong
    EXPECT_EQ(display.results.size(), 1u); // no second dialog
    EXPECT_EQ(storedStatus(12), Failed);
    EXPECT_EQ(storedStatus(11), ExamPassed);
    EXPECT_EQ(display.mainWindowShown, 2);
    EXPECT_EQ(display.unexpectedBoxes, 0);
}

TEST_F(RunOutcome, ExamWithSeventeenRightAndThreeUnansweredFails)
{
    start(RunMode::Exam, 2);
    for (int i = 0; i < 17; ++i)
        answerRight();
    display.close();
    EXPECT_EQ(storedStatus(2), Failed);
    EXPECT_TRUE(display.results.empty());
}

TEST_F(RunOutcome, StopBeforeAnyAnswer)
{
    start(RunMode::Training, 5);
    display.close();
    EXPECT_EQ(storedStatus(5), Failed);
    EXPECT_EQ(display.mainWindowShown, 1);

    start(RunMode::Exam, 6);
    display.close();
    EXPECT_EQ(storedStatus(6), Failed);
    EXPECT_TRUE(display.results.empty());
    EXPECT_FALSE(display.clockOn);
    EXPECT_FALSE(display.clockVisible);
}

TEST_F(RunOutcome, ExamStoppedEarlyWithEighteenRightPasses)
{
    start(RunMode::Exam, 40);
    for (int i = 0; i < 18; ++i)
        answerRight();
    display.close();
    EXPECT_EQ(storedStatus(40), ExamPassed);
    ASSERT_EQ(display.results.size(), 1u);
    EXPECT_EQ(display.results[0].line2, QStringLiteral("Правильных ответов: 18"));
}

TEST_F(RunOutcome, LearningChangesNoStatusButStillSaves)
{
    // Set in memory only: the learning run's save must write it out unchanged.
    results.setStatus(9, ExamPassed);
    results.setStatus(1, 7);
    start(RunMode::Learning, 9);
    for (int i = 0; i < 5; ++i)
        answerRight();
    answerWrong();
    display.close();
    EXPECT_EQ(results.status(9), ExamPassed);
    EXPECT_EQ(storedStatus(9), ExamPassed);
    EXPECT_EQ(storedStatus(1), 7);
    EXPECT_TRUE(display.results.empty());
    EXPECT_EQ(display.mainWindowShown, 1);
    EXPECT_FALSE(run.running());
}

TEST_F(RunOutcome, BeginRunResetsCountsMarksAndWarning)
{
    display.okCancelAnswers = {true};
    start(RunMode::Exam, 4);
    answerWrong();
    answerWrong();
    answerWrong();
    EXPECT_TRUE(run.warned);
    display.close();

    start(RunMode::Exam, 4);
    EXPECT_TRUE(run.running());
    EXPECT_EQ(run.correctCount, 0);
    EXPECT_EQ(run.wrongCount, 0);
    EXPECT_FALSE(run.warned);
    for (int row = 0; row < 20; ++row)
        EXPECT_EQ(display.marks[row], Unanswered) << row;
    EXPECT_TRUE(display.buttonsEnabled);
    EXPECT_EQ(display.selected, 0);
    EXPECT_EQ(display.focusMark, 0);
    EXPECT_TRUE(display.listFocused);
    // The warning belongs to each run: it comes again.
    display.okCancelAnswers = {true};
    answerWrong();
    answerWrong();
    answerWrong();
    EXPECT_EQ(display.asked.size(), 2);
}

} // namespace
