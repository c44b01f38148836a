// A save that fails at the end of a run keeps the ticket window open.
#include "RunHarness.h"

namespace {

using FailedSave = RunHarness;

TEST_F(FailedSave, KeepsTheWindowOpenAndTheNextCloseFinishesAgain)
{
    start(RunMode::Training, 16);
    ASSERT_TRUE(QFile::remove(resultsPath()));
    for (int i = 0; i < 20; ++i)
        answerRight();

    EXPECT_EQ(display.reportedErrors, QStringList{QStringLiteral("File not found")});
    EXPECT_EQ(display.results.size(), 1u);
    EXPECT_EQ(results.status(16), TrainingPassed); // set before the save
    EXPECT_TRUE(display.windowOpen);
    EXPECT_FALSE(display.mainWindowVisible);
    EXPECT_EQ(display.mainWindowShown, 0);
    EXPECT_TRUE(run.running());
    EXPECT_FALSE(QFile::exists(resultsPath())); // a save never creates the file

    // Still failing: everything again from the top, the dialog included.
    display.close();
    EXPECT_EQ(display.reportedErrors.size(), 2);
    EXPECT_EQ(display.results.size(), 2u);
    EXPECT_TRUE(display.windowOpen);

    // The file is back: this close completes.
    QFile file(resultsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(QByteArray(ResultsRecordSize, '\0')), ResultsRecordSize);
    file.close();
    display.close();
    EXPECT_EQ(display.reportedErrors.size(), 2);
    EXPECT_EQ(display.results.size(), 3u);
    ASSERT_EQ(display.results[2].line2, QStringLiteral("Правильных ответов: 20"));
    EXPECT_FALSE(display.windowOpen);
    EXPECT_EQ(display.mainWindowShown, 1);
    EXPECT_FALSE(run.running());
    EXPECT_EQ(storedStatus(16), TrainingPassed);
}

TEST_F(FailedSave, ExamClockStaysStoppedAndItsLabelShown)
{
    start(RunMode::Exam, 17);
    for (int i = 0; i < 30; ++i)
        display.timerEvent();
    ASSERT_TRUE(QFile::remove(resultsPath()));
    display.close();
    EXPECT_EQ(display.reportedErrors, QStringList{QStringLiteral("File not found")});
    EXPECT_FALSE(display.clockOn);
    EXPECT_TRUE(display.clockVisible);
    EXPECT_EQ(display.clockText, QStringLiteral("0:09:30"));
    EXPECT_EQ(results.status(17), Failed);
    EXPECT_TRUE(display.windowOpen);
    EXPECT_FALSE(display.timerEvent());
    // The run's rules still hold in the open window.
    answerRight();
    EXPECT_EQ(run.correctCount, 1);
}

} // namespace
