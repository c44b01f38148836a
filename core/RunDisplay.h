// What the run rules need from the ticket window. The window implements it; tests fake it.
#pragma once

#include "Types.h"

#include <QImage>
#include <QString>

class RunDisplay {
public:
    enum class NoticeIcon { Warning, Error, Information };

    virtual ~RunDisplay() = default;

    // Label1: the header.
    virtual void setHeader(const QString &text) = 0;
    // Image1.
    virtual void showPicture(const QImage &picture) = 0;
    virtual void hidePicture() = 0;
    // Label2: the question text and its place.
    virtual void placeQuestionText(int left, int width) = 0;
    virtual void setQuestionText(const QString &text) = 0;
    // Label3: the numbered answers.
    virtual void setAnswersText(const QString &text) = 0;
    // Label4: the comment.
    virtual void setCommentText(const QString &text) = 0;
    virtual void setCommentVisible(bool visible) = 0;
    // BitBtn1..BitBtn5; k is 1..5.
    virtual void setAnswerButtonVisible(int k, bool visible) = 0;
    virtual void setAnswerButtonsEnabled(bool enabled) = 0;
    // ListView1; rows 0..19, -1 for no selection.
    virtual AnswerMark mark(int row) const = 0;
    virtual void setMark(int row, AnswerMark mark) = 0;
    virtual int selectedRow() const = 0;
    // Selecting a row makes the list report the change (losing row first, then the
    // gaining row; nothing when the selection does not change). Each report runs
    // TicketRun::displayQuestion and shows its failure on its own: selectRow itself
    // never throws for a failed display.
    virtual void selectRow(int row) = 0;
    virtual void setFocusMark(int row) = 0;
    virtual void focusList() = 0;
    // Modal boxes owned by the ticket window, caption "Внимание!".
    virtual bool askOkCancel(const QString &text) = 0; // true for OK only
    virtual void showNotice(const QString &text, NoticeIcon icon) = 0;
    // BitBtn7 pressed from the program: closes the window, whose close runs TicketRun::finish.
    virtual void pressStop() = 0;
    // Timer1 and Label6.
    virtual void startClock() = 0;
    virtual void stopClock() = 0;
    virtual bool clockRunning() const = 0;
    virtual void setClockText(const QString &text) = 0;
    virtual void setClockVisible(bool visible) = 0;
    // TForm4, modal; returns when the learner has closed it.
    virtual void showResult(const QString &line1, const QString &line2, const QString &line3) = 0;
    // TForm2: moved to the ticket window's left and top, and shown.
    virtual void showMainWindowHere() = 0;
};
