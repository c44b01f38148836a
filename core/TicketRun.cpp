#include "TicketRun.h"

#include "Errors.h"
#include "QuestionBank.h"
#include "ResultsStore.h"
#include "RunDisplay.h"

#include <QStringList>
#include <limits>

namespace {

const QString CommentPrefix = QStringLiteral("Комментарий к вопросу №");
const QString AllAnsweredPrompt =
    QStringLiteral("Вы ответили на все вопросы билета,\n\rбудете продолжать обучаться по этому билету? ");
const QString ThreeErrorsPrompt =
    QStringLiteral("ТРИ ОШИБКИ!!!\n\rВы уже провалили экзамен, будете продолжать? ");
const QString TimeOutNotice = QStringLiteral("Время закончилось! ");

constexpr int LastRow = QuestionsPerTicket - 1;
constexpr int MaxAnswerButtons = 5;

const QString &lineAt(const QStringList &lines, int index)
{
    if (index < 0 || index >= lines.size())
        throw ListIndexError(index);
    return lines.at(index);
}

} // namespace

int parseStrictInt(const QString &text)
{
    // Leading blanks, an optional sign, then decimal digits up to the end; nothing else.
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        throw ConvertError(text.toStdString());
    // Accumulate the magnitude with room for the one extra unit of the most negative value.
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw ConvertError(text.toStdString());
        value = value * 10 + (c.unicode() - u'0');
        if (value > limit)
            throw ConvertError(text.toStdString());
    }
    return static_cast<int>(negative ? -value : value);
}

void TicketRun::attach(RunDisplay *display, QuestionBank *bank, ResultsStore *results)
{
    display_ = display;
    bank_ = bank;
    results_ = results;
}

void TicketRun::beginRun()
{
    running_ = true;
    display_->setAnswerButtonsEnabled(true);
    wrongCount = 0;
    correctCount = 0;
    warned = false;
    for (int row = 0; row < QuestionsPerTicket; ++row)
        display_->setMark(row, Unanswered);
    // When row 0 is already selected this reports nothing; the direct display below covers it.
    display_->selectRow(0);
    display_->setFocusMark(0);
    display_->focusList();
    // Not shielded: a failure here leaves the run without its clock.
    displayQuestion(0);
    if (mode == RunMode::Exam)
        clock.start(*display_);
}

void TicketRun::displayQuestion(int row)
{
    question = row + 1;
    if (mode == RunMode::Exam)
        display_->setHeader(QStringLiteral("Вопрос №%1").arg(question));
    else
        display_->setHeader(QStringLiteral("Билет №%1 Вопрос №%2").arg(ticket).arg(question));

    // From here on a failure leaves whatever has been set so far.
    const QStringList lines = bank_->readText(ticket, question);
    if (bank_->hasPicture(ticket, question)) {
        const QImage picture = bank_->readPicture(ticket, question);
        display_->showPicture(picture);
        display_->placeQuestionText(368, 209);
    } else {
        display_->hidePicture();
        display_->placeQuestionText(8, 401);
    }
    rightAnswer = parseStrictInt(lineAt(lines, 0));
    display_->setQuestionText(lineAt(lines, 1));

    // The label grows answer by answer, so a block without "*" shows what came before.
    QString answers;
    display_->setAnswersText(answers);
    int i = 2;
    while (lineAt(lines, i) != QLatin1String("*")) {
        answers += QString::number(i - 1) + QStringLiteral(". ") + lines.at(i) + QStringLiteral("\n\r");
        display_->setAnswersText(answers);
        ++i;
    }
    comment = lineAt(lines, i + 1);

    const int count = i - 2;
    if (count >= 2 && count <= MaxAnswerButtons) {
        for (int k = 1; k <= MaxAnswerButtons; ++k)
            display_->setAnswerButtonVisible(k, k <= count);
    }
    if (mode != RunMode::Learning)
        display_->setAnswerButtonsEnabled(display_->mark(row) == Unanswered);
    display_->setCommentVisible(false);
}

void TicketRun::answer(int k)
{
    // The list can lose its selection to a click on its empty part; without a row
    // there is nothing to judge or mark.
    const int row = display_->selectedRow();
    if (row < 0 || row > LastRow)
        return;

    if (k == rightAnswer) {
        display_->setMark(row, Correct);
        ++correctCount;
    } else {
        display_->setMark(row, Wrong);
        ++wrongCount;
        if (mode == RunMode::Learning) {
            display_->setCommentText(CommentPrefix + comment);
            display_->setCommentVisible(true);
            return;
        }
    }

    const int next = row == LastRow ? 0 : row + 1;
    display_->selectRow(next);
    display_->setFocusMark(next);
    display_->focusList();

    // The prompts below belong to a running ticket: once the run has been finished
    // (by the 20th answer, or by a time-out while a box was open) they are neither
    // shown nor acted on, so the ticket is never finished and saved twice.
    if (mode == RunMode::Learning && correctCount == QuestionsPerTicket && running_) {
        const bool goOn = display_->askOkCancel(AllAnsweredPrompt);
        if (!goOn && running_)
            display_->pressStop();
    }

    if (mode != RunMode::Learning && correctCount + wrongCount == QuestionsPerTicket)
        display_->pressStop();

    if (!warned && mode == RunMode::Exam && wrongCount == 3) {
        if (running_) {
            const bool goOn = display_->askOkCancel(ThreeErrorsPrompt);
            if (!goOn && running_)
                display_->pressStop();
        }
        warned = true;
    }
}

void TicketRun::finish()
{
    clock.stop(*display_);

    const QString ticketLine = QStringLiteral("Вы отвечали на билет: ") + QString::number(ticket);
    const QString countLine = QStringLiteral("Правильных ответов: ") + QString::number(correctCount);
    switch (mode) {
    case RunMode::Training:
        if (correctCount == QuestionsPerTicket) {
            results_->setStatus(ticket, TrainingPassed);
            display_->showResult(ticketLine, countLine, QStringLiteral("Время не учитывалось."));
        } else {
            results_->setStatus(ticket, Failed);
        }
        break;
    case RunMode::Exam:
        if (correctCount < 18) {
            results_->setStatus(ticket, Failed);
        } else {
            results_->setStatus(ticket, ExamPassed);
            display_->showResult(ticketLine, countLine,
                                 QStringLiteral("Время ответа: ") + clock.elapsedText());
        }
        break;
    case RunMode::Learning:
        break;
    }

    // A failed save throws out of here: the close is abandoned and the run stays open,
    // so the next close runs all of this again.
    results_->save();
    display_->setClockVisible(false);
    display_->showMainWindowHere();
    running_ = false;
}

void TicketRun::tick()
{
    if (!running_)
        return;
    if (clock.tick(*display_)) {
        display_->showNotice(TimeOutNotice, RunDisplay::NoticeIcon::Error);
        display_->pressStop();
    }
}
