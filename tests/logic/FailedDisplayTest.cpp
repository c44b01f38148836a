// Damaged question blocks: the display stops where the fault is, the run goes on.
#include "RunHarness.h"

#include "Errors.h"

#include <jpeglib.h>
#include <jerror.h>

namespace {

QByteArray block(const QString &text)
{
    return FixtureBank::cp1251(text);
}

class FailedDisplay : public RunHarness {
protected:
    void customizeBank(FixtureBank &bank) override
    {
        bank.setRaw(5, 2, block(QStringLiteral("x2\r\nНе тот номер\r\nДа\r\nНет\r\n*\r\nПояснение\r\n")));
        bank.setRaw(5, 3, block(QStringLiteral("2\r\nВопрос без конца\r\nПервый\r\nВторой\r\nТретий\r\n")));
        bank.setRaw(5, 4, block(QStringLiteral("1\r\nВопрос без пояснения\r\nДа\r\nНет\r\n*")));
        bank.setRaw(5, 5, block(QStringLiteral("1\r\nВопрос с битой картинкой\r\nДа\r\nНет\r\n*\r\nПояснение\r\n")),
                    QByteArray("this is no picture"));
        bank.setRaw(5, 6, block(QStringLiteral("3")));
        bank.setRaw(5, 7, block(QStringLiteral("  +2\r\nЧетыре ответа\r\nА\r\nБ\r\nВ\r\nГ\r\n*\r\nСм. п. 8.1\r\nлишняя строка\r\n")));
        bank.setRaw(5, 8, block(QStringLiteral("6\r\nШесть ответов\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n*\r\nМного\r\n")));
        bank.setRaw(6, 1, block(QStringLiteral("1 \r\nПробел после номера\r\nДа\r\nНет\r\n*\r\nПояснение\r\n")));
    }

    // Everything the display shows, to compare before and after a failure.
    QStringList shown() const
    {
        return {display.questionText, display.answersText, display.commentText,
                QString::number(display.questionLeft), QString::number(display.questionWidth),
                QString::number(display.pictureVisible), QString::number(display.commentVisible),
                QString::number(display.buttonsEnabled),
                QString::number(display.buttonVisible[2]) + QString::number(display.buttonVisible[3])
                    + QString::number(display.buttonVisible[4])};
    }
};

TEST_F(FailedDisplay, BadLineZeroLeavesThePreviousTextsUnderTheNewHeader)
{
    start(RunMode::Training, 5);
    ASSERT_TRUE(display.reportedErrors.isEmpty());
    const QString q1Text = display.questionText;
    const QString q1Answers = display.answersText;
    answerRight();
    EXPECT_EQ(display.reportedErrors, QStringList{QStringLiteral("'x2' is not a valid integer value")});
    EXPECT_EQ(display.header, QStringLiteral("Билет №5 Вопрос №2"));
    EXPECT_EQ(display.questionText, q1Text);
    EXPECT_EQ(display.answersText, q1Answers);
    EXPECT_EQ(run.rightAnswer, fixture.right(5, 1));
    // The answer went on with its own steps after the failed display.
    EXPECT_EQ(display.selected, 1);
    EXPECT_EQ(display.focusMark, 1);
    EXPECT_TRUE(display.listFocused);
    EXPECT_EQ(display.marks[0], Correct);
    for (int row = 1; row < 20; ++row)
        EXPECT_EQ(display.marks[row], Unanswered);
    EXPECT_EQ(run.correctCount, 1);
    EXPECT_EQ(run.wrongCount, 0);
    EXPECT_TRUE(display.windowOpen);
}

TEST_F(FailedDisplay, MissingStarLeavesTheAnswersCollectedSoFar)
{
    start(RunMode::Training, 5);
    display.clickRow(6); // four answers
    const QString comment = run.comment;
    display.clickRow(2);
    EXPECT_EQ(display.reportedErrors, QStringList{QStringLiteral("List index out of bounds (5)")});
    EXPECT_EQ(display.questionText, QStringLiteral("Вопрос без конца"));
    EXPECT_EQ(display.answersText, QStringLiteral("1. Первый\n\r2. Второй\n\r3. Третий\n\r"));
    EXPECT_EQ(run.rightAnswer, 2);
    EXPECT_EQ(run.comment, comment);
    // Button visibility stays as question 7 set it.
    EXPECT_TRUE(display.buttonVisible[3]);
    EXPECT_FALSE(display.buttonVisible[4]);
}

TEST_F(FailedDisplay, MissingCommentLine)
{
    start(RunMode::Training, 5);
    display.clickRow(6);
    display.clickRow(3);
    EXPECT_EQ(display.reportedErrors, QStringList{QStringLiteral("List index out of bounds (5)")});
    EXPECT_EQ(display.questionText, QStringLiteral("Вопрос без пояснения"));
    EXPECT_EQ(display.answersText, QStringLiteral("1. Да\n\r2. Нет\n\r"));
    EXPECT_TRUE(display.buttonVisible[2]);
    EXPECT_TRUE(display.buttonVisible[3]);
}

TEST_F(FailedDisplay, MissingQuestionLine)
{
    start(RunMode::Training, 5);
    const QStringList before = shown();
    display.clickRow(5);
    EXPECT_EQ(display.reportedErrors, QStringList{QStringLiteral("List index out of bounds (1)")});
    EXPECT_EQ(run.rightAnswer, 3);
    // Only the picture's place changed before the fault (question 6 has none).
    EXPECT_EQ(display.questionText, before[0]);
    EXPECT_EQ(display.answersText, before[1]);
}

TEST_F(FailedDisplay, BadPictureStopsBeforeAnyText)
{
    start(RunMode::Training, 5);
    display.clickRow(10); // question 11: a picture
    ASSERT_TRUE(display.pictureVisible);
    const QStringList before = shown();
    const QSize pictureSize = display.picture.size();
    display.clickRow(4);
    EXPECT_EQ(display.reportedErrors, QStringList{QString::fromUtf8(JpegError(JERR_NO_SOI).what())});
    EXPECT_EQ(display.header, QStringLiteral("Билет №5 Вопрос №5"));
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(display.picture.size(), pictureSize);
}

TEST_F(FailedDisplay, FailedDisplaysTouchNeitherCountsNorMarks)
{
    start(RunMode::Exam, 5);
    answerRight(); // question 1; question 2 then fails to display
    display.clickRow(8);
    answerWrong(); // question 9
    for (const int row : {1, 2, 3, 4, 5, 1, 4})
        display.clickRow(row);
    // Every report of rows 1 to 5 fails, for the losing row and the gaining row alike.
    EXPECT_EQ(display.reportedErrors.size(), 15);
    EXPECT_EQ(run.correctCount, 1);
    EXPECT_EQ(run.wrongCount, 1);
    for (int row = 0; row < 20; ++row)
        EXPECT_EQ(display.marks[row], row == 0 ? Correct : row == 8 ? Wrong : Unanswered) << row;
    EXPECT_TRUE(display.clockOn);
    EXPECT_TRUE(display.windowOpen);
}

TEST_F(FailedDisplay, SignedLineZeroWithLeadingBlanksCounts)
{
    start(RunMode::Training, 5);
    display.clickRow(6);
    EXPECT_TRUE(display.reportedErrors.isEmpty());
    EXPECT_EQ(run.rightAnswer, 2);
    EXPECT_EQ(run.comment, QStringLiteral("См. п. 8.1"));
    EXPECT_EQ(display.answersText, QStringLiteral("1. А\n\r2. Б\n\r3. В\n\r4. Г\n\r"));
    ASSERT_TRUE(display.pressAnswerButton(2));
    EXPECT_EQ(display.marks[6], Correct);
}

TEST_F(FailedDisplay, SixAnswersLeaveTheButtonsAsTheyWere)
{
    start(RunMode::Training, 5);
    display.clickRow(6); // four answers: buttons 1-4
    display.clickRow(7);
    EXPECT_TRUE(display.reportedErrors.isEmpty());
    EXPECT_EQ(run.rightAnswer, 6);
    EXPECT_EQ(display.answersText.count(QStringLiteral("\n\r")), 6);
    EXPECT_TRUE(display.buttonVisible[3]);
    EXPECT_FALSE(display.buttonVisible[4]);
    EXPECT_FALSE(display.commentVisible);
}

TEST_F(FailedDisplay, FailureAtTheStartOfAnExamLeavesItWithoutClock)
{
    start(RunMode::Exam, 6);
    // Once from the list's report of row 0, once from the direct display.
    EXPECT_EQ(display.reportedErrors,
              QStringList({QStringLiteral("'1 ' is not a valid integer value"),
                           QStringLiteral("'1 ' is not a valid integer value")}));
    EXPECT_EQ(display.header, QStringLiteral("Вопрос №1"));
    EXPECT_FALSE(display.clockOn);
    EXPECT_FALSE(display.clockVisible);
    EXPECT_FALSE(display.timerEvent());
    EXPECT_TRUE(run.running());
    display.clickRow(1);
    answerRight();
    EXPECT_EQ(run.correctCount, 1);
    display.close();
    EXPECT_EQ(storedStatus(6), Failed);
    EXPECT_EQ(display.mainWindowShown, 1);
}

} // namespace
