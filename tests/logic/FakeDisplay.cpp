#include "FakeDisplay.h"

#include "Errors.h"
#include "TicketRun.h"

#include <exception>

namespace {

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

void checkRow(int row)
{
    if (row < 0 || row >= 20)
        throw ListIndexError(row);
}

} // namespace

FakeDisplay::FakeDisplay(TicketRun &run) : run_(run) {}

void FakeDisplay::show()
{
    log << QStringLiteral("show");
    windowOpen = true;
    mainWindowVisible = false;
    try {
        run_.beginRun();
    } catch (const std::exception &e) {
        reportedErrors << QString::fromUtf8(e.what());
        log << QStringLiteral("error: ") + QString::fromUtf8(e.what());
    }
}

void FakeDisplay::close()
{
    log << QStringLiteral("close");
    runClose();
}

bool FakeDisplay::pressAnswerButton(int k)
{
    if (k < 1 || k > 5 || !buttonVisible[k - 1] || !buttonsEnabled)
        return false;
    run_.answer(k);
    return true;
}

void FakeDisplay::clickRow(int row)
{
    log << QStringLiteral("click %1").arg(row);
    selectRow(row);
    if (row >= 0)
        setFocusMark(row);
}

bool FakeDisplay::timerEvent()
{
    if (!clockOn)
        return false;
    run_.tick();
    return true;
}

int FakeDisplay::countInLog(const QString &entryPrefix) const
{
    int n = 0;
    for (const QString &entry : log)
        if (entry.startsWith(entryPrefix))
            ++n;
    return n;
}

int FakeDisplay::firstInLog(const QString &entryPrefix) const
{
    for (int i = 0; i < log.size(); ++i)
        if (log[i].startsWith(entryPrefix))
            return i;
    return -1;
}

void FakeDisplay::setHeader(const QString &text)
{
    log << QStringLiteral("header ") + text;
    header = text;
}

void FakeDisplay::showPicture(const QImage &image)
{
    log << QStringLiteral("picture %1x%2").arg(image.width()).arg(image.height());
    picture = image;
    pictureVisible = true;
}

void FakeDisplay::hidePicture()
{
    log << QStringLiteral("picture hidden");
    pictureVisible = false;
}

void FakeDisplay::placeQuestionText(int left, int width)
{
    log << QStringLiteral("place %1 %2").arg(left).arg(width);
    questionLeft = left;
    questionWidth = width;
}

void FakeDisplay::setQuestionText(const QString &text)
{
    log << QStringLiteral("question ") + text;
    questionText = text;
}

void FakeDisplay::setAnswersText(const QString &text)
{
    log << QStringLiteral("answers ") + text;
    answersText = text;
}

void FakeDisplay::setCommentText(const QString &text)
{
    log << QStringLiteral("comment ") + text;
    commentText = text;
}

void FakeDisplay::setCommentVisible(bool visible)
{
    log << QStringLiteral("comment ") + onOff(visible);
    commentVisible = visible;
}

void FakeDisplay::setAnswerButtonVisible(int k, bool visible)
{
    log << QStringLiteral("button %1 ").arg(k) + (visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
    if (k < 1 || k > 5)
        throw ListIndexError(k);
    buttonVisible[k - 1] = visible;
}

void FakeDisplay::setAnswerButtonsEnabled(bool enabled)
{
    log << QStringLiteral("buttons ") + (enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    buttonsEnabled = enabled;
}

AnswerMark FakeDisplay::mark(int row) const
{
    checkRow(row);
    return marks[row];
}

void FakeDisplay::setMark(int row, AnswerMark m)
{
    log << QStringLiteral("mark %1 %2").arg(row).arg(int(m));
    checkRow(row);
    marks[row] = m;
}

int FakeDisplay::selectedRow() const
{
    return selected;
}

void FakeDisplay::selectRow(int row)
{
    log << QStringLiteral("select %1").arg(row);
    if (row == selected)
        return; // the list reports nothing when the selection stays
    const int losing = selected;
    selected = row;
    if (losing >= 0)
        reportSelection(losing);
    if (row >= 0)
        reportSelection(row);
}

void FakeDisplay::reportSelection(int row)
{
    log << QStringLiteral("report %1").arg(row);
    // The list's handler is its own event: a failed display is shown by the
    // top-level error box and the caller goes on.
    try {
        run_.displayQuestion(row);
    } catch (const std::exception &e) {
        reportedErrors << QString::fromUtf8(e.what());
        log << QStringLiteral("error: ") + QString::fromUtf8(e.what());
    }
}

void FakeDisplay::setFocusMark(int row)
{
    log << QStringLiteral("focus mark %1").arg(row);
    focusMark = row;
}

void FakeDisplay::focusList()
{
    log << QStringLiteral("list focused");
    listFocused = true;
}

bool FakeDisplay::askOkCancel(const QString &text)
{
    log << QStringLiteral("ask ") + text;
    asked << text;
    if (whileNextBoxOpen) {
        auto whileOpen = std::move(whileNextBoxOpen);
        whileNextBoxOpen = nullptr;
        whileOpen();
    }
    bool ok = true;
    if (okCancelAnswers.empty()) {
        ++unexpectedBoxes;
    } else {
        ok = okCancelAnswers.front();
        okCancelAnswers.pop_front();
    }
    log << (ok ? QStringLiteral("answered OK") : QStringLiteral("answered Cancel"));
    return ok;
}

void FakeDisplay::showNotice(const QString &text, NoticeIcon icon)
{
    const QString kind = icon == NoticeIcon::Error ? QStringLiteral("E:")
                         : icon == NoticeIcon::Warning ? QStringLiteral("W:")
                                                       : QStringLiteral("I:");
    log << QStringLiteral("notice ") + kind + text;
    notices << kind + text;
}

void FakeDisplay::pressStop()
{
    log << QStringLiteral("stop");
    ++stopPresses;
    runClose();
}

void FakeDisplay::runClose()
{
    // Like the window: the close runs Finish; a failing Finish is reported and the
    // window stays open.
    try {
        run_.finish();
        windowOpen = false;
        log << QStringLiteral("closed");
    } catch (const std::exception &e) {
        reportedErrors << QString::fromUtf8(e.what());
        log << QStringLiteral("close abandoned: ") + QString::fromUtf8(e.what());
    }
}

void FakeDisplay::startClock()
{
    log << QStringLiteral("clock started");
    clockOn = true;
}

void FakeDisplay::stopClock()
{
    log << QStringLiteral("clock stopped");
    clockOn = false;
}

bool FakeDisplay::clockRunning() const
{
    return clockOn;
}

void FakeDisplay::setClockText(const QString &text)
{
    log << QStringLiteral("clock ") + text;
    clockText = text;
}

void FakeDisplay::setClockVisible(bool visible)
{
    log << QStringLiteral("clock label ") + onOff(visible);
    clockVisible = visible;
}

void FakeDisplay::showResult(const QString &line1, const QString &line2, const QString &line3)
{
    log << QStringLiteral("result ") + line1 + QLatin1Char('|') + line2 + QLatin1Char('|') + line3;
    results.push_back({line1, line2, line3});
}

void FakeDisplay::showMainWindowHere()
{
    log << QStringLiteral("main window shown");
    ++mainWindowShown;
    mainWindowVisible = true;
}
