// A ticket window stand-in that records every display operation in order and
// behaves like the window where the run rules depend on it: the question list
// reports selection changes, STOP closes the window through TicketRun::finish,
// message boxes answer from a script.
#pragma once

#include "RunDisplay.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <deque>
#include <functional>
#include <vector>

class TicketRun;

class FakeDisplay : public RunDisplay {
public:
    struct Result {
        QString line1, line2, line3;
    };

    explicit FakeDisplay(TicketRun &run);

    // Window-side events.
    void show();            // FormShow: begins the run; a failure is reported on its own
    void close();           // close box or Esc: the same path as STOP
    bool pressAnswerButton(int k); // only when button k is visible and enabled, like a digit key
    void clickRow(int row); // a click in the list
    bool timerEvent();      // Timer1 fires only while enabled; true when it did

    // Scripted message boxes: answers are taken in order; an empty script answers OK
    // and counts as an unexpected box. whileOpen runs once while the next box is open.
    std::deque<bool> okCancelAnswers;
    std::function<void()> whileNextBoxOpen;
    int unexpectedBoxes = 0;

    // Everything that happened, one entry per operation.
    QStringList log;
    QStringList reportedErrors;  // errors the top-level error box would show
    QStringList asked;           // askOkCancel texts
    QStringList notices;         // showNotice texts ("E:" for error, "W:" for warning)
    std::vector<Result> results; // showResult calls
    int mainWindowShown = 0;
    int stopPresses = 0;

    // The state the window's controls hold.
    QString header, questionText, answersText, commentText, clockText;
    int questionLeft = -1, questionWidth = -1;
    bool pictureVisible = false;
    QImage picture;
    bool commentVisible = false;
    std::array<bool, 5> buttonVisible{true, true, true, true, true};
    bool buttonsEnabled = true;
    std::array<AnswerMark, 20> marks{};
    int selected = -1;
    int focusMark = -1;
    bool listFocused = false;
    bool clockOn = false;
    bool clockVisible = false;
    bool windowOpen = false;
    bool mainWindowVisible = true;

    int countInLog(const QString &entryPrefix) const;
    int firstInLog(const QString &entryPrefix) const; // -1 when none
    void clearLog() { log.clear(); }

    // RunDisplay
    void setHeader(const QString &text) override;
    void showPicture(const QImage &picture) override;
    void hidePicture() override;
    void placeQuestionText(int left, int width) override;
    void setQuestionText(const QString &text) override;
    void setAnswersText(const QString &text) override;
    void setCommentText(const QString &text) override;
    void setCommentVisible(bool visible) override;
    void setAnswerButtonVisible(int k, bool visible) override;
    void setAnswerButtonsEnabled(bool enabled) override;
    AnswerMark mark(int row) const override;
    void setMark(int row, AnswerMark mark) override;
    int selectedRow() const override;
    void selectRow(int row) override;
    void setFocusMark(int row) override;
    void focusList() override;
    bool askOkCancel(const QString &text) override;
    void showNotice(const QString &text, NoticeIcon icon) override;
    void pressStop() override;
    void startClock() override;
    void stopClock() override;
    bool clockRunning() const override;
    void setClockText(const QString &text) override;
    void setClockVisible(bool visible) override;
    void showResult(const QString &line1, const QString &line2, const QString &line3) override;
    void showMainWindowHere() override;

private:
    void reportSelection(int row);
    void runClose();

    TicketRun &run_;
};
