// How a run ends from the ticket window, and what it leaves behind.
#include "WindowHarness.h"

#include "AppState.h"
#include "Forms.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using RunEnd = WindowHarness;

TEST_F(RunEnd, TrainingAllRightByKeysStoresPassAndShowsResult)
{
    startRun(RunMode::Training, 3);
    boxes->expect(ModalDriver::closeDialog());
    for (int q = 1; q <= 20; ++q) {
        ASSERT_TRUE(runWindowOpen()) << "closed before question " << q;
        ASSERT_EQ(selectedRow(), q - 1);
        ASSERT_EQ(header(), QStringLiteral("Билет №3 Вопрос №%1").arg(q));
        answerRightByKey();
    }

    EXPECT_FALSE(runWindowOpen());
    EXPECT_TRUE(mainWindowShown());
    EXPECT_EQ(Form2->pos(), Form1->pos());
    EXPECT_EQ(storedStatus(3), TrainingPassed);
    EXPECT_EQ(Results.status(3), TrainingPassed);
    for (int row = 0; row < 20; ++row)
        EXPECT_EQ(markOf(row), Correct) << "row " << row;

    ASSERT_EQ(boxes->seen.size(), 1);
    EXPECT_NE(boxes->seen[0].kind, QStringLiteral("box"));
    EXPECT_TRUE(boxes->seen[0].text.contains(QStringLiteral("Вы отвечали на билет: 3")));
    EXPECT_TRUE(boxes->seen[0].text.contains(QStringLiteral("Правильных ответов: 20")));
    EXPECT_TRUE(boxes->seen[0].text.contains(QStringLiteral("Время не учитывалось.")));
    EXPECT_TRUE(boxes->allUsed());
}

TEST_F(RunEnd, TrainingWithOneWrongByMouseStoresFailedWithoutDialog)
{
    startRun(RunMode::Training, 12);
    for (int q = 1; q <= 20; ++q) {
        const QuestionFacts f = readFacts(12, q);
        clickAnswer(q == 11 ? f.wrong() : f.right);
    }
    EXPECT_FALSE(runWindowOpen());
    EXPECT_EQ(storedStatus(12), Failed);
    EXPECT_TRUE(boxes->seen.isEmpty());
    EXPECT_EQ(markOf(10), Wrong);
    EXPECT_EQ(win()->ListView1->item(10)->data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Вопрос №11, неверно"));
    EXPECT_EQ(win()->ListView1->item(9)->data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Вопрос №10, верно"));
}

TEST_F(RunEnd, EscEndsTheRunLikeStop)
{
    startRun(RunMode::Training, 20);
    answerRightByKey();
    answerRightByKey();
    keyOnList(Qt::Key_Escape);
    EXPECT_FALSE(runWindowOpen());
    EXPECT_TRUE(mainWindowShown());
    EXPECT_EQ(storedStatus(20), Failed);

    // Learning changes nothing on disk, however it ends.
    Results.setStatus(20, ExamPassed);
    Results.save();
    startRun(RunMode::Learning, 20);
    answerRightByKey();
    QTest::mouseClick(win()->BitBtn7, Qt::LeftButton);
    EXPECT_FALSE(runWindowOpen());
    EXPECT_EQ(storedStatus(20), ExamPassed);
    EXPECT_TRUE(boxes->seen.isEmpty());
}

TEST_F(RunEnd, CloseBoxEndsTheExam)
{
    startRun(RunMode::Exam, 31);
    answerRightByKey();
    ASSERT_TRUE(win()->Timer1->isActive());
    win()->windowHandle()->close(); // what the title bar's close box does
    EXPECT_FALSE(runWindowOpen());
    EXPECT_TRUE(mainWindowShown());
    EXPECT_EQ(storedStatus(31), Failed);
    EXPECT_FALSE(win()->Timer1->isActive());
    EXPECT_TRUE(win()->Label6->isHidden());
}

TEST_F(RunEnd, ExamClockShowsOnlyInExamsAndCountsDownPerTick)
{
    startRun(RunMode::Training, 2);
    EXPECT_TRUE(win()->Label6->isHidden());
    EXPECT_FALSE(win()->Timer1->isActive());
    keyOnList(Qt::Key_Escape);
    ASSERT_FALSE(runWindowOpen());

    startRun(RunMode::Exam, 2);
    EXPECT_FALSE(win()->Label6->isHidden());
    EXPECT_EQ(win()->Label6->text(), QStringLiteral("0:10:00"));
    EXPECT_TRUE(win()->Timer1->isActive());
    EXPECT_EQ(win()->Timer1->interval(), 1000);
    EXPECT_EQ(header(), QStringLiteral("Вопрос №1"));
    // The whole text stays inside the label.
    EXPECT_GE(win()->Label6->width(), win()->Label6->sizeHint().width());

    tick();
    EXPECT_EQ(win()->Label6->text(), QStringLiteral("0:09:59"));
    tick();
    EXPECT_EQ(win()->Label6->text(), QStringLiteral("0:09:58"));

    keyOnList(Qt::Key_Escape);
    EXPECT_FALSE(runWindowOpen());
    EXPECT_TRUE(win()->Label6->isHidden());
    EXPECT_FALSE(win()->Timer1->isActive());
}

TEST_F(RunEnd, FailedSaveKeepsTheWindowOpenAndTheNextCloseRetries)
{
    startRun(RunMode::Training, 9);
    for (int q = 1; q <= 19; ++q)
        answerRightByKey();
    ASSERT_TRUE(QFile::remove(resultsPath()));

    // The last answer finishes: the pass is shown, the save fails, the window stays.
    boxes->expect(ModalDriver::closeDialog());
    boxes->expect(ModalDriver::clickOk());
    answerRightByKey();
    ASSERT_EQ(boxes->seen.size(), 2);
    EXPECT_NE(boxes->seen[0].kind, QStringLiteral("box"));
    EXPECT_EQ(boxes->seen[1].kind, QStringLiteral("box"));
    EXPECT_EQ(boxes->seen[1].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes->seen[1].text, QStringLiteral("File not found."));
    EXPECT_TRUE(runWindowOpen());
    EXPECT_FALSE(mainWindowShown());

    // The file is back: the close box runs the finish again, pass dialog included.
    QFile file(resultsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(ResultsRecordSize, '\0'));
    file.close();
    boxes->expect(ModalDriver::closeDialog());
    win()->windowHandle()->close();
    EXPECT_FALSE(runWindowOpen());
    EXPECT_TRUE(mainWindowShown());
    EXPECT_EQ(storedStatus(9), TrainingPassed);
    ASSERT_EQ(boxes->seen.size(), 3);
    EXPECT_NE(boxes->seen[2].kind, QStringLiteral("box"));
    EXPECT_TRUE(boxes->unexpected.isEmpty()) << boxes->unexpected.join(QLatin1Char('\n')).toStdString();
}

TEST_F(RunEnd, TimeOutOverTheThreeErrorsWarningClosesTheWarning)
{
    startRun(RunMode::Exam, 17);
    answerWrongByKey();
    answerWrongByKey();

    // While the warning is open the clock runs out; its notice is answered, the run
    // finishes, and the warning goes with the window.
    bool stillOpenAfterTimeOut = true;
    boxes->expect([&](QWidget *warning) {
        QPointer<QWidget> guard(warning);
        for (int i = 0; i < 600 && win()->Timer1->isActive(); ++i)
            tick();
        QTest::qWait(20);
        stillOpenAfterTimeOut = guard && guard->isVisible();
        if (stillOpenAfterTimeOut)
            ModalDriver::clickCancel()(guard); // so that a failure does not hang
    });
    boxes->expect(ModalDriver::clickOk());
    answerWrongByKey();

    ASSERT_EQ(boxes->seen.size(), 2);
    EXPECT_EQ(boxes->seen[0].text, QStringLiteral("ТРИ ОШИБКИ!!!\nВы уже провалили экзамен, будете продолжать? "));
    EXPECT_EQ(boxes->seen[0].caption, QStringLiteral("Внимание!"));
    EXPECT_EQ(boxes->seen[0].icon, QMessageBox::Question);
    EXPECT_EQ(boxes->seen[1].text, QStringLiteral("Время закончилось! "));
    EXPECT_EQ(boxes->seen[1].icon, QMessageBox::Critical);
    EXPECT_FALSE(stillOpenAfterTimeOut);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(runWindowOpen());
    EXPECT_TRUE(mainWindowShown());
    EXPECT_EQ(win()->Label6->text(), QStringLiteral("0:00:00"));
    EXPECT_EQ(storedStatus(17), Failed);
    EXPECT_TRUE(boxes->unexpected.isEmpty()) << boxes->unexpected.join(QLatin1Char('\n')).toStdString();
}

TEST_F(RunEnd, PlacedAtTheMainWindowAndCentredOverItOnlyTheFirstTime)
{
    const bool firstShowing = runsStarted() == 0;
    Form2->move(150, 100);
    startRun(RunMode::Learning, 1);
    const QPoint first = Form1->pos();
    // The windows are nearly the same size, so centring shifts by a few pixels only.
    const QRect main = Form2->frameGeometry();
    const QRect own = Form1->frameGeometry();
    const QPoint centred(main.left() + (main.width() - own.width()) / 2,
                         main.top() + (main.height() - own.height()) / 2);
    // Only the first showing of the program centres; a later one lands on the main window.
    if (firstShowing)
        EXPECT_EQ(first, centred);
    else
        EXPECT_EQ(first, QPoint(150, 100));

    Form1->move(60, 70); // the learner moves the ticket window
    keyOnList(Qt::Key_Escape);
    EXPECT_EQ(Form2->pos(), QPoint(60, 70));

    Form2->move(200, 120);
    startRun(RunMode::Learning, 1);
    EXPECT_EQ(Form1->pos(), QPoint(200, 120));
    keyOnList(Qt::Key_Escape);
}
