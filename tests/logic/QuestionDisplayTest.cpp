// What a question display puts on the window, and how answers move through the list.
#include "RunHarness.h"

namespace {

QString expectedAnswers(const SourceQuestion &q)
{
    QString text;
    for (int i = 0; i < q.answers.size(); ++i)
        text += QString::number(i + 1) + QStringLiteral(". ") + q.answers[i] + QStringLiteral("\n\r");
    return text;
}

using QuestionDisplay = RunHarness;

TEST_F(QuestionDisplay, ShowsEveryPartOfTheQuestion)
{
    start(RunMode::Training, 7);
    // Walk the whole ticket through the list: every question, with and without picture.
    for (int row = 0; row < 20; ++row) {
        SCOPED_TRACE(row);
        display.clickRow(row);
        const SourceQuestion &q = fixture.question(7, row + 1);
        EXPECT_EQ(run.question, row + 1);
        EXPECT_EQ(display.header, QStringLiteral("Билет №7 Вопрос №%1").arg(row + 1));
        EXPECT_EQ(display.questionText, q.text);
        EXPECT_EQ(display.answersText, expectedAnswers(q));
        EXPECT_EQ(run.rightAnswer, q.right);
        EXPECT_EQ(run.comment, q.comment);
        if (q.picture.isEmpty()) {
            EXPECT_FALSE(display.pictureVisible);
            EXPECT_EQ(display.questionLeft, 8);
            EXPECT_EQ(display.questionWidth, 401);
        } else {
            EXPECT_TRUE(display.pictureVisible);
            EXPECT_EQ(display.picture.size(), QSize(8 + row + 1, 4 + 7 % 5));
            EXPECT_EQ(display.questionLeft, 368);
            EXPECT_EQ(display.questionWidth, 209);
        }
        const int count = static_cast<int>(q.answers.size());
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(display.buttonVisible[k - 1], k <= count) << "button " << k;
        EXPECT_TRUE(display.buttonsEnabled);
        EXPECT_FALSE(display.commentVisible);
    }
}

TEST_F(QuestionDisplay, ExamHeaderHasNoTicketNumber)
{
    start(RunMode::Exam, 7);
    EXPECT_EQ(display.header, QStringLiteral("Вопрос №1"));
    answerRight();
    display.clickRow(11);
    EXPECT_EQ(display.header, QStringLiteral("Вопрос №12"));
    for (const QString &entry : display.log)
        EXPECT_FALSE(entry.startsWith(QStringLiteral("header Билет"))) << entry.toStdString();
}

TEST_F(QuestionDisplay, TrainingHeaderNamesTicketAndQuestion)
{
    start(RunMode::Training, 7);
    display.clickRow(11);
    EXPECT_EQ(display.header, QStringLiteral("Билет №7 Вопрос №12"));
    start(RunMode::Learning, 40);
    EXPECT_EQ(display.header, QStringLiteral("Билет №40 Вопрос №1"));
}

TEST_F(QuestionDisplay, AnsweredQuestionsShowDisabledButtons)
{
    for (const RunMode mode : {RunMode::Training, RunMode::Exam}) {
        SCOPED_TRACE(static_cast<int>(mode));
        start(mode, 20);
        answerRight();
        answerWrong();
        EXPECT_TRUE(display.buttonsEnabled); // question 3 is unanswered
        for (const int row : {0, 1}) {
            display.clickRow(row);
            EXPECT_FALSE(display.buttonsEnabled);
            for (int k = 1; k <= 5; ++k)
                EXPECT_FALSE(display.pressAnswerButton(k));
        }
        EXPECT_EQ(run.correctCount, 1);
        EXPECT_EQ(run.wrongCount, 1);
        display.clickRow(5);
        EXPECT_TRUE(display.buttonsEnabled);
        display.close();
    }
}

TEST_F(QuestionDisplay, AdvanceMovesSelectionAndFocusAndWrapsAfterTwenty)
{
    start(RunMode::Training, 18);
    display.clickRow(18);
    answerRight();
    EXPECT_EQ(display.selected, 19);
    EXPECT_EQ(display.focusMark, 19);
    display.listFocused = false;
    answerWrong(); // question 20
    EXPECT_EQ(display.marks[19], Wrong);
    EXPECT_EQ(display.selected, 0);
    EXPECT_EQ(display.focusMark, 0);
    EXPECT_TRUE(display.listFocused);
    EXPECT_EQ(display.header, QStringLiteral("Билет №18 Вопрос №1"));
    EXPECT_EQ(display.questionText, fixture.question(18, 1).text);
    // The losing row reports before the gaining one, so question 1 is shown last.
    const int lost = display.log.lastIndexOf(QStringLiteral("report 19"));
    const int gained = display.log.lastIndexOf(QStringLiteral("report 0"));
    EXPECT_TRUE(inOrder(lost, gained));
    EXPECT_TRUE(inOrder(display.log.lastIndexOf(QStringLiteral("mark 19 1")), lost));
}

TEST_F(QuestionDisplay, AnswerWithoutSelectedRowDoesNothing)
{
    for (const RunMode mode : {RunMode::Learning, RunMode::Training, RunMode::Exam}) {
        SCOPED_TRACE(static_cast<int>(mode));
        start(mode, 25);
        answerRight();
        display.clickRow(-1);
        ASSERT_EQ(display.selected, -1);
        const auto marks = display.marks;
        display.clearLog();
        for (int k = 1; k <= 5; ++k)
            run.answer(k);
        EXPECT_TRUE(display.log.isEmpty()) << display.log.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(display.marks, marks);
        EXPECT_EQ(run.correctCount, 1);
        EXPECT_EQ(run.wrongCount, 0);
        EXPECT_TRUE(display.windowOpen);
        display.close();
    }
}

TEST_F(QuestionDisplay, NewRunWithRowZeroAlreadySelectedShowsItsFirstQuestion)
{
    start(RunMode::Training, 2);
    for (int i = 0; i < 20; ++i)
        answerRight();
    ASSERT_FALSE(display.windowOpen);
    ASSERT_EQ(display.selected, 0); // the last answer wrapped to question 1

    display.clearLog();
    start(RunMode::Exam, 33);
    EXPECT_EQ(display.countInLog(QStringLiteral("report")), 0);
    EXPECT_EQ(display.header, QStringLiteral("Вопрос №1"));
    EXPECT_EQ(display.questionText, fixture.question(33, 1).text);
    EXPECT_EQ(run.rightAnswer, fixture.right(33, 1));
    EXPECT_EQ(display.answersText, expectedAnswers(fixture.question(33, 1)));
    EXPECT_TRUE(display.buttonsEnabled);
    // Marks are cleared before question 1 is displayed.
    EXPECT_TRUE(inOrder(display.log.lastIndexOf(QStringLiteral("mark 19 0")),
              display.log.indexOf(QStringLiteral("header Вопрос №1"))));
    answerRight();
    EXPECT_EQ(run.correctCount, 1);
}

TEST_F(QuestionDisplay, LearningLeavesTheButtonsEnabledState)
{
    start(RunMode::Learning, 10);
    display.clearLog();
    display.clickRow(4);
    EXPECT_EQ(display.countInLog(QStringLiteral("buttons ")), 0);
}

} // namespace
