// The start-up sequence, one program run per test (ctest starts each in its own process).
#include "AppState.h"
#include "Forms.h"
#include "Pictures.h"
#include "UiTestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    return names;
}

// Once the main window is up: lets check() look at the running program, then closes it.
void whileRunning(std::function<void()> check)
{
    auto *poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, check] {
        if (!Form2 || !Form2->isVisible() || QApplication::activeModalWidget())
            return;
        poll->deleteLater();
        check();
        Form2->close();
    });
    poll->start(5);
}

int statusIconOf(int row)
{
    auto *list = Form2->findChild<QListWidget *>(QStringLiteral("ListView1"));
    const QImage shown = iconPixels(list->item(row)->icon());
    for (int s = NotTaken; s <= TrainingPassed; ++s) {
        if (shown == iconPixels(Pictures::statusIcon(s)))
            return s;
    }
    return -1;
}

TEST(Startup, WithoutTheBankOnlyTheWarningComesAndNothingIsWritten)
{
    WorkDir dir(false);
    BoxLog log{{QMessageBox::Ok}, {}};
    whenApplicationStarts([&log] { answerBoxes(log); });

    EXPECT_EQ(runProgram(), 0);

    ASSERT_EQ(log.seen.size(), 1);
    EXPECT_EQ(log.seen[0].text, QStringLiteral("Нет файла с данными! Программа повреждена! "));
    EXPECT_EQ(log.seen[0].title, QStringLiteral("Внимание!"));
    EXPECT_EQ(log.seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(log.seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(log.seen[0].ownerName, QStringLiteral("Form2"));
    EXPECT_TRUE(log.seen[0].visibleWindows.isEmpty()) << qPrintable(log.seen[0].visibleWindows.join(','));
    EXPECT_FALSE(QFile::exists(dir.path(QStringLiteral("pl.dat"))));
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(Form2, nullptr);
}

TEST(Startup, ABankThatCannotBeOpenedStopsTheProgramBeforeAnyWindow)
{
    WorkDir dir(false);
    ASSERT_TRUE(QDir(dir.path(QString())).mkdir(QStringLiteral("data.dat")));
    BoxLog log{{QMessageBox::Ok}, {}};
    whenApplicationStarts([&log] { answerBoxes(log); });

    EXPECT_NE(runProgram(), 0);

    ASSERT_EQ(log.seen.size(), 1);
    EXPECT_EQ(log.seen[0].objectName, QStringLiteral("ErrorBox"));
    EXPECT_EQ(log.seen[0].title, QStringLiteral("Дорвиан"));
    EXPECT_EQ(log.seen[0].text, QStringLiteral("File access denied."));
    EXPECT_EQ(log.seen[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(log.seen[0].visibleWindows.isEmpty()) << qPrintable(log.seen[0].visibleWindows.join(','));
    EXPECT_FALSE(QFile::exists(dir.path(QStringLiteral("pl.dat"))));
    EXPECT_FALSE(BankFile.isOpen());
}

TEST(Startup, FirstStartCreatesZeroResultsAndShowsTheMainWindowCentred)
{
    WorkDir dir;
    QByteArray atShow;
    QStringList shown;
    QPoint centreOffset;
    bool bankOpen = false;
    bool allWindowsExist = false;
    whenApplicationStarts([&] {
        whileRunning([&] {
            atShow = readBytes(dir.path(QStringLiteral("pl.dat")));
            shown = visibleWindows();
            bankOpen = BankFile.isOpen();
            allWindowsExist = Form1 && Form2 && Form3 && Form4;
            const QRect area = Form2->screen()->availableGeometry();
            // Placed before the window system adds its frame: centred up to the frame.
            const QPoint off = Form2->frameGeometry().center() - area.center();
            const QSize frame = Form2->frameGeometry().size() - Form2->size();
            centreOffset = QPoint(std::max(0, std::abs(off.x()) - frame.width()),
                                  std::max(0, std::abs(off.y()) - frame.height()));
        });
    });

    EXPECT_EQ(runProgram(), 0);

    EXPECT_EQ(atShow, QByteArray(168, '\0'));
    EXPECT_EQ(shown, QStringList{QStringLiteral("Form2")});
    EXPECT_TRUE(allWindowsExist);
    EXPECT_TRUE(bankOpen);
    EXPECT_LE(centreOffset.manhattanLength(), 1);
    // Shut down: the bank is closed and the windows are gone.
    EXPECT_FALSE(BankFile.isOpen());
    EXPECT_EQ(Form2, nullptr);
}

TEST(Startup, AShortResultsFileIsReportedAndWhatWasReadIsKept)
{
    WorkDir dir;
    // Reserved bytes, then tickets 1 and 2: exam passed, training passed.
    const QByteArray shortFile = QByteArray::fromHex("0102030405060708" "01000000" "03000000");
    writeBytes(dir.path(QStringLiteral("pl.dat")), shortFile);
    BoxLog log{{QMessageBox::Ok}, {}};
    std::array<int, 3> icons{};
    std::array<std::int32_t, 3> statuses{};
    whenApplicationStarts([&] {
        answerBoxes(log);
        whileRunning([&] {
            for (int t = 1; t <= 3; ++t) {
                statuses[t - 1] = Results.status(t);
                icons[t - 1] = statusIconOf(t - 1);
            }
        });
    });

    EXPECT_EQ(runProgram(), 0);

    ASSERT_EQ(log.seen.size(), 1);
    EXPECT_EQ(log.seen[0].title, QStringLiteral("Дорвиан"));
    EXPECT_EQ(log.seen[0].text, QStringLiteral("Read beyond end of file."));
    EXPECT_TRUE(log.seen[0].visibleWindows.isEmpty());
    EXPECT_EQ(statuses, (std::array<std::int32_t, 3>{ExamPassed, TrainingPassed, NotTaken}));
    EXPECT_EQ(icons, (std::array<int, 3>{ExamPassed, TrainingPassed, NotTaken}));
    EXPECT_EQ(readBytes(dir.path(QStringLiteral("pl.dat"))), shortFile);
}

TEST(Startup, ExistingResultsAreShownAndLeftUntouched)
{
    WorkDir dir;
    QByteArray file(168, '\0');
    file[0] = 'x';
    file[8 + 4 * 9] = Failed;  // ticket 10
    file[8 + 4 * 39] = ExamPassed; // ticket 40
    writeBytes(dir.path(QStringLiteral("pl.dat")), file);
    int icon10 = -1;
    int icon40 = -1;
    whenApplicationStarts([&] {
        whileRunning([&] {
            icon10 = statusIconOf(9);
            icon40 = statusIconOf(39);
        });
    });

    EXPECT_EQ(runProgram(), 0);

    EXPECT_EQ(icon10, Failed);
    EXPECT_EQ(icon40, ExamPassed);
    EXPECT_EQ(readBytes(dir.path(QStringLiteral("pl.dat"))), file);
}

} // namespace
