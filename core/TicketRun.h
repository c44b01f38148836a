// The rules of one run through a ticket. Driven by the ticket window's events,
// acting on the windows only through RunDisplay.
#pragma once

#include "ExamClock.h"
#include "Types.h"

#include <QString>

class QuestionBank;
class ResultsStore;
class RunDisplay;

// Line 0 of a question block as a number: leading blanks, an optional sign and decimal
// digits, nothing else, within the int range. Anything else throws ConvertError.
int parseStrictInt(const QString &text);

class TicketRun {
public:
    // Written by the main window before each run.
    int ticket = 1;          // 1..40
    RunMode mode = RunMode::Learning;
    // Written by the rules.
    int question = 0;        // the question last displayed, 1..20
    int rightAnswer = 0;
    QString comment;
    int wrongCount = 0;
    int correctCount = 0;
    bool warned = false;
    ExamClock clock;         // the remaining time

    void attach(RunDisplay *display, QuestionBank *bank, ResultsStore *results);

    // The ticket window was shown.
    void beginRun();
    // The question list reported a selection change for row (either direction).
    void displayQuestion(int row);
    // Answer button k (1..5) or its digit key.
    void answer(int k);
    // The ticket window is closing. Throws when the save fails; the close is then abandoned.
    void finish();
    // One exam timer event.
    void tick();

    // Between beginRun and a finish that completed.
    bool running() const { return running_; }

private:
    RunDisplay *display_ = nullptr;
    QuestionBank *bank_ = nullptr;
    ResultsStore *results_ = nullptr;
    bool running_ = false;
};
