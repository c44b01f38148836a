// Shared set-up of the run tests: a generated bank and pl.dat in a temporary folder,
// a TicketRun attached to the recording display.
#pragma once

#include "FakeDisplay.h"
#include "FixtureBank.h"
#include "QuestionBank.h"
#include "ResultsStore.h"
#include "TicketRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Two log positions, both present, the first before the second.
inline ::testing::AssertionResult inOrder(int first, int second)
{
    if (first < 0 || second < 0)
        return ::testing::AssertionFailure() << "entry missing from the log (" << first << ", " << second << ")";
    if (first < second)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "entry " << first << " is not before entry " << second;
}

class RunHarness : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        customizeBank(fixture);
        fixture.compile();
        fixture.writeData(dataPath());
        bank.open(dataPath().toStdString(), fixture.compiled().index);
        results.setFileName(resultsPath().toStdString());
        results.loadOrCreate();
        run.attach(&display, &bank, &results);
    }

    // Damaged questions go in here.
    virtual void customizeBank(FixtureBank &) {}

    QString dataPath() const { return dir.filePath(QStringLiteral("data.dat")); }
    QString resultsPath() const { return dir.filePath(QStringLiteral("pl.dat")); }

    void start(RunMode mode, int ticket)
    {
        run.mode = mode;
        run.ticket = ticket;
        display.show();
    }

    int currentQuestion() const { return display.selected + 1; }
    int rightHere() const { return fixture.right(run.ticket, currentQuestion()); }
    int wrongHere() const { return fixture.wrong(run.ticket, currentQuestion()); }

    // Answers the selected question through its button, which must be offered.
    void answerRight()
    {
        const int k = rightHere();
        ASSERT_TRUE(display.pressAnswerButton(k)) << "button " << k << " not offered";
    }
    void answerWrong()
    {
        const int k = wrongHere();
        ASSERT_TRUE(display.pressAnswerButton(k)) << "button " << k << " not offered";
    }

    // The status bytes as they lie in the file.
    std::int32_t storedStatus(int ticket) const
    {
        QFile file(resultsPath());
        if (!file.open(QIODevice::ReadOnly))
            return -100;
        const QByteArray bytes = file.readAll();
        const auto record = decodeRecord(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size()));
        return record.statuses[ticket - 1];
    }

    QTemporaryDir dir;
    FixtureBank fixture;
    QuestionBank bank;
    ResultsStore results;
    TicketRun run;
    FakeDisplay display{run};
};
