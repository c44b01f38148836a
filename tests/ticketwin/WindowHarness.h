// The four windows of the program, made once per test program in a scratch folder with
// a copy of the built bank; each test starts runs the way the main window does.
#pragma once

#include "ModalDriver.h"

#include "Types.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

class TForm1;

// What the bank says about one question, read the way the program reads it.
struct QuestionFacts {
    int right = 0;
    QString text;
    QStringList answers;
    QString comment;
    bool picture = false;

    int wrong() const { return right == 1 ? 2 : 1; }
};

QuestionFacts readFacts(int ticket, int question);

// Set up by main(): the scratch folder holding data.dat and pl.dat.
QString scratchFolder();

class WindowHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TForm1 *win() const;
    // Sets the run up and hands over to the ticket window as the main window's buttons do.
    void startRun(RunMode mode, int ticket);
    static int runsStarted(); // in this test program so far
    // One event of the exam timer.
    void tick();

    // Keys typed on the question list; clicks on the answer buttons.
    void typeOnList(char key);
    void keyOnList(int qtKey);
    void clickAnswer(int k);
    void answerRightByKey();
    void answerWrongByKey();

    int selectedRow() const;
    int currentQuestion() const { return selectedRow() + 1; }
    AnswerMark markOf(int row) const;
    QString header() const;
    bool runWindowOpen() const;
    bool mainWindowShown() const;

    std::int32_t storedStatus(int ticket) const; // as it lies in pl.dat; -100 when unreadable
    QString resultsPath() const;

    std::unique_ptr<ModalDriver> boxes;
    int ticket = 0;
};
