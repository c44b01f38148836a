#include "WindowHarness.h"

#include "AppState.h"
#include "Forms.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

QuestionFacts readFacts(int ticket, int question)
{
    QuestionFacts f;
    const QStringList lines = BankFile.readText(ticket, question);
    f.right = lines.value(0).trimmed().toInt();
    f.text = lines.value(1);
    int i = 2;
    while (i < lines.size() && lines.at(i) != QLatin1String("*"))
        f.answers << lines.at(i++);
    f.comment = lines.value(i + 1);
    f.picture = BankFile.hasPicture(ticket, question);
    return f;
}

void WindowHarness::SetUp()
{
    ASSERT_NE(Form1, nullptr);
    ASSERT_NE(Form2, nullptr);
    boxes = std::make_unique<ModalDriver>();
    // Every test starts from a clean record on disk.
    QFile file(resultsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(ResultsRecordSize, '\0'));
    file.close();
    Results.loadOrCreate();
    if (!Form2->isVisible())
        Form2->show();
}

void WindowHarness::TearDown()
{
    // A test that failed half-way leaves the run open: end it quietly.
    if (Form1->isVisible()) {
        for (int i = 0; i < 4; ++i)
            boxes->expect(ModalDriver::closeDialog());
        QFile file(resultsPath());
        if (!file.exists() && file.open(QIODevice::WriteOnly)) {
            file.write(QByteArray(ResultsRecordSize, '\0'));
            file.close();
        }
        Form1->close();
        if (Form1->isVisible())
            Form1->hide();
    }
    boxes.reset();
}

TForm1 *WindowHarness::win() const
{
    return Form1;
}

namespace {
int startedRuns = 0;
}

int WindowHarness::runsStarted()
{
    return startedRuns;
}

void WindowHarness::tick()
{
    ASSERT_TRUE(QMetaObject::invokeMethod(Form1->Timer1, "timeout", Qt::DirectConnection));
}

void WindowHarness::startRun(RunMode mode, int t)
{
    ++startedRuns;
    ticket = t;
    CurrentRun.ticket = t;
    CurrentRun.mode = mode;
    Form1->move(Form2->pos());
    Form1->show();
    Form2->hide();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
}

void WindowHarness::typeOnList(char key)
{
    QTest::keyClick(Form1->ListView1, key);
}

void WindowHarness::keyOnList(int qtKey)
{
    QTest::keyClick(Form1->ListView1, static_cast<Qt::Key>(qtKey));
}

void WindowHarness::clickAnswer(int k)
{
    QPushButton *b = Form1->answerButton(k);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

void WindowHarness::answerRightByKey()
{
    const int right = readFacts(ticket, currentQuestion()).right;
    ASSERT_TRUE(right >= 1 && right <= 5);
    typeOnList(static_cast<char>('0' + right));
}

void WindowHarness::answerWrongByKey()
{
    typeOnList(static_cast<char>('0' + readFacts(ticket, currentQuestion()).wrong()));
}

int WindowHarness::selectedRow() const
{
    const auto items = Form1->ListView1->selectedItems();
    return items.size() == 1 ? Form1->ListView1->row(items.first()) : -1;
}

AnswerMark WindowHarness::markOf(int row) const
{
    return static_cast<AnswerMark>(Form1->ListView1->item(row)->data(TForm1::MarkRole).toInt());
}

QString WindowHarness::header() const
{
    return Form1->Label1->text();
}

bool WindowHarness::runWindowOpen() const
{
    return Form1->isVisible();
}

bool WindowHarness::mainWindowShown() const
{
    return Form2->isVisible();
}

QString WindowHarness::resultsPath() const
{
    return QDir(scratchFolder()).filePath(QStringLiteral("pl.dat"));
}

std::int32_t WindowHarness::storedStatus(int t) const
{
    QFile file(resultsPath());
    if (!file.open(QIODevice::ReadOnly))
        return -100;
    const QByteArray bytes = file.readAll();
    const auto record = decodeRecord(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size()));
    return record.statuses[t - 1];
}
