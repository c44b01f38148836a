// The main window: its controls, the refresh from the results, the blink, the reset,
// the help menu and the hand-over to the ticket window.
#include "AppState.h"
#include "Forms.h"
#include "Pictures.h"
#include "ProgressRating.h"
#include "UiTestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHoverEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

template <class T>
T *control(const char *name)
{
    T *c = Form2->findChild<T *>(QLatin1String(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QListWidget *ticketList()
{
    return control<QListWidget>("ListView1");
}

QString resultsFile()
{
    return QDir::current().absoluteFilePath(QStringLiteral("pl.dat"));
}

// Writes pl.dat and loads it, as if the program had been started with it.
void startWith(const std::array<std::int32_t, TicketCount> &statuses,
               const std::array<std::uint8_t, 8> &reserved = {})
{
    ResultsRecord r;
    r.reserved = reserved;
    r.statuses = statuses;
    const auto bytes = encodeRecord(r);
    writeBytes(resultsFile(), QByteArray(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
    Results.loadOrCreate();
}

std::array<std::int32_t, TicketCount> allTickets(std::int32_t status)
{
    std::array<std::int32_t, TicketCount> s;
    s.fill(status);
    return s;
}

// Shows the main window again, as the end of a run does.
void showAgain()
{
    Form2->hide();
    Form2->show();
    QCoreApplication::processEvents();
}

QImage dial()
{
    return pixelsOf(control<QLabel>("Image1")->pixmap());
}

QImage frame(int n)
{
    return pixelsOf(QPixmap::fromImage(Form3->frame(n)));
}

int iconIndexOf(int row)
{
    const QImage shown = iconPixels(ticketList()->item(row)->icon());
    for (int s = NotTaken; s <= TrainingPassed; ++s) {
        if (shown == iconPixels(Pictures::statusIcon(s)))
            return s;
    }
    return -1;
}

class MainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Form1 && Form2 && Form3 && Form4);
        if (Form1->isVisible())
            Form1->close();
        startWith(allTickets(NotTaken));
        showAgain();
        ASSERT_TRUE(Form2->isVisible());
    }
};

TEST_F(MainWindow, WindowAndControlsAsDesigned)
{
    EXPECT_EQ(Form2->windowTitle(), QStringLiteral("Дорвиан"));
    EXPECT_EQ(Form2->size(), QSize(722, 448));
    EXPECT_EQ(Form2->minimumSize(), Form2->maximumSize());
    const Qt::WindowFlags flags = Form2->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Form2->palette().color(QPalette::Window), QColor(Qt::black));

    const struct {
        const char *name;
        QRect frame;
    } placed[] = {
        {"Image2", {0, 0, 588, 209}},     {"Image1", {588, 0, 133, 209}},
        {"Label6", {40, 96, 529, 41}},    {"Bevel4", {0, 208, 721, 9}},
        {"ListView1", {8, 232, 377, 177}}, {"Bevel1", {392, 224, 313, 57}},
        {"BitBtn3", {400, 240, 121, 25}},  {"Label4", {528, 232, 177, 41}},
        {"Bevel2", {392, 288, 313, 57}},  {"BitBtn2", {400, 304, 121, 25}},
        {"Label3", {528, 296, 177, 41}},  {"Bevel3", {392, 352, 313, 57}},
        {"BitBtn1", {400, 368, 121, 25}},  {"Label2", {528, 360, 177, 41}},
        {"SpeedButton1", {8, 416, 81, 22}},
    };
    for (const auto &p : placed) {
        QWidget *w = control<QWidget>(p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), p.frame) << p.name;
    }

    EXPECT_EQ(control<QPushButton>("BitBtn1")->text(), QStringLiteral("Обучение"));
    EXPECT_EQ(control<QPushButton>("BitBtn2")->text(), QStringLiteral("Тренировка"));
    EXPECT_EQ(control<QPushButton>("BitBtn3")->text(), QStringLiteral("Экзамен"));
    EXPECT_EQ(control<QToolButton>("SpeedButton1")->text(), QStringLiteral("Помощь"));
    for (const char *b : {"BitBtn1", "BitBtn2", "BitBtn3"})
        EXPECT_FALSE(control<QPushButton>(b)->icon().isNull()) << b;
    EXPECT_FALSE(control<QToolButton>("SpeedButton1")->icon().isNull());
    EXPECT_FALSE(control<QLabel>("Image2")->pixmap().isNull());

    struct LabelLook {
        const char *name;
        QColor colour;
        bool wrapped;
    };
    const LabelLook looks[] = {{"Label1", QColor(0, 255, 0), false},   {"Label2", QColor(0, 255, 0), true},
                               {"Label3", QColor(255, 255, 0), true}, {"Label4", QColor(255, 0, 0), true},
                               {"Label5", QColor(255, 0, 0), false},   {"Label6", QColor(255, 0, 0), true}};
    for (const auto &l : looks) {
        QLabel *label = control<QLabel>(l.name);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), l.colour) << l.name;
        EXPECT_EQ(label->wordWrap(), l.wrapped) << l.name;
    }

    QLabel *label1 = control<QLabel>("Label1");
    EXPECT_EQ(label1->text(), QStringLiteral("Каталог билетов:"));
    EXPECT_EQ(label1->pos(), QPoint(8, 216));
    EXPECT_EQ(label1->font().pixelSize(), 13);
    EXPECT_TRUE(label1->font().bold());

    QLabel *label6 = control<QLabel>("Label6");
    EXPECT_EQ(label6->text(), QStringLiteral("Поздравляем! Вы разогнались!!! Теперь права у Вас в кармане!!! "
                                             "Отличный результат! Превосходно! Супер!  Удачи на экзаменах!!!"));
    EXPECT_EQ(label6->font().pixelSize(), 16);
    EXPECT_TRUE(label6->font().bold());
    EXPECT_EQ(QFontInfo(label6->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_FALSE(label6->autoFillBackground());
    EXPECT_TRUE(label6->isHidden());

    EXPECT_EQ(control<QLabel>("Label4")->text(),
              QStringLiteral("Случайным образом выбирается билет. Отвечать можно один раз. Результат покажет Ваши знания."));
    EXPECT_EQ(control<QLabel>("Label3")->text(),
              QStringLiteral("Возможность проверить свои знания по определенному Вами билету. Результаты учитываются."));
    EXPECT_EQ(control<QLabel>("Label2")->text(),
              QStringLiteral("В случае неверного ответа будет показан комментарий к вопросу. Результаты не влияют на оценку."));

    // The notice: one line, whole, inside the 429 pixels from left 168.
    QLabel *label5 = control<QLabel>("Label5");
    EXPECT_EQ(label5->pos(), QPoint(168, 416));
    EXPECT_TRUE(label5->text().contains(QStringLiteral("Дорвиан")));
    EXPECT_TRUE(label5->text().contains(QStringLiteral("v.2006.8")));
    EXPECT_EQ(label5->font().pixelSize(), 19);
    EXPECT_TRUE(label5->font().bold());
    EXPECT_EQ(QFontInfo(label5->font()).family(), QStringLiteral("Liberation Serif"));
    EXPECT_GE(label5->width(), QFontMetrics(label5->font()).horizontalAdvance(label5->text()));
    EXPECT_LE(label5->x() + label5->width(), 168 + 429);

    // The default font is asked for by its Windows name and found under another.
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(QApplication::font().pointSize(), 8);
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("Liberation Sans"));

    // Hints are off: nothing carries a tool tip.
    for (QWidget *w : Form2->findChildren<QWidget *>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << qPrintable(w->objectName());

    QTimer *timer = Form2->findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);

    QMenu *menu = control<QMenu>("PopupMenu1");
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction *a : menu->actions()) {
        if (!a->isSeparator()) {
            items << a->objectName() + QLatin1Char('=') + a->text();
            EXPECT_FALSE(a->icon().isNull()) << qPrintable(a->text());
        }
    }
    EXPECT_EQ(items, (QStringList{QStringLiteral("N1=Справка"), QStringLiteral("N3=Обнулить результаты")}));
}

TEST_F(MainWindow, TabGoesListThenLearningTrainingExam)
{
    QStringList order;
    QWidget *w = ticketList();
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(Form2) && w->isEnabled() && w->window() == Form2)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != ticketList());
    EXPECT_EQ(order, (QStringList{QStringLiteral("ListView1"), QStringLiteral("BitBtn1"), QStringLiteral("BitBtn2"),
                                  QStringLiteral("BitBtn3")}));
}

TEST_F(MainWindow, TicketListHoldsFortyRowsInFourColumnsWithoutScrolling)
{
    QListWidget *list = ticketList();
    ASSERT_EQ(list->count(), TicketCount);
    const QRect inside = list->viewport()->rect();
    for (int r = 0; r < TicketCount; ++r) {
        QListWidgetItem *item = list->item(r);
        EXPECT_EQ(item->text(), QStringLiteral("Билет №%1").arg(r + 1, 2, 10, QLatin1Char('0')));
        EXPECT_FALSE(item->flags() & Qt::ItemIsEditable);
        const QRect at = list->visualItemRect(item);
        EXPECT_TRUE(inside.contains(at)) << "row " << r << " lies outside the list";
        // Top to bottom, then the next column.
        if (r % 10 != 0) {
            const QRect above = list->visualItemRect(list->item(r - 1));
            EXPECT_EQ(at.x(), above.x()) << r;
            EXPECT_GT(at.y(), above.y()) << r;
        } else if (r > 0) {
            const QRect left = list->visualItemRect(list->item(r - 10));
            EXPECT_GT(at.x(), left.x()) << r;
            EXPECT_EQ(at.y(), left.y()) << r;
        }
    }
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(255, 255, 206));
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    // The selection stays visible when the list is not focused.
    EXPECT_EQ(list->palette().color(QPalette::Inactive, QPalette::Highlight),
              list->palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(MainWindow, RowUnderTheMouseGetsTheHandAndAnUnderlineButIsNotSelected)
{
    QListWidget *list = ticketList();
    QWidget *viewport = list->viewport();
    const QImage before = list->grab().toImage();
    const QPoint overRow5 = list->visualItemRect(list->item(5)).center();
    const QPoint beside(viewport->width() - 2, viewport->height() / 2); // right of the last column

    QHoverEvent enter(QEvent::HoverMove, overRow5, viewport->mapToGlobal(overRow5), QPoint(-1, -1));
    QApplication::sendEvent(viewport, &enter);
    QCoreApplication::processEvents();
    EXPECT_EQ(viewport->cursor().shape(), Qt::PointingHandCursor);
    const QImage hovered = list->grab().toImage();
    EXPECT_NE(hovered, before);
    // Only row 5 changed: its caption is underlined.
    const QRect row5 = list->visualItemRect(list->item(5));
    QImage outside = hovered;
    QImage outsideBefore = before;
    for (int y = row5.top(); y <= row5.bottom(); ++y)
        for (int x = row5.left(); x <= row5.right(); ++x) {
            outside.setPixel(x + list->frameWidth(), y + list->frameWidth(), 0);
            outsideBefore.setPixel(x + list->frameWidth(), y + list->frameWidth(), 0);
        }
    EXPECT_EQ(outside, outsideBefore);
    EXPECT_EQ(list->currentRow(), 0);
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->row(list->selectedItems().first()), 0);

    QHoverEvent away(QEvent::HoverMove, beside, viewport->mapToGlobal(beside), overRow5);
    QApplication::sendEvent(viewport, &away);
    QCoreApplication::processEvents();
    EXPECT_NE(viewport->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(list->grab().toImage(), before);
}

TEST_F(MainWindow, RefreshShowsEachTicketsResultAndTheRatingDial)
{
    auto statuses = allTickets(NotTaken);
    for (int t = 0; t < 23; ++t)
        statuses[t] = ExamPassed;
    statuses[23] = Failed;
    statuses[24] = TrainingPassed;
    statuses[25] = 99; // from a foreign file
    statuses[26] = -1;
    startWith(statuses);
    ticketList()->setCurrentRow(17);

    showAgain();

    for (int r = 0; r < TicketCount; ++r) {
        const std::int32_t s = statuses[r];
        const bool known = s >= NotTaken && s <= TrainingPassed;
        EXPECT_EQ(iconIndexOf(r), known ? s : NotTaken) << "row " << r;
    }
    EXPECT_EQ(ticketList()->item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Билет №01, экзамен сдан"));
    EXPECT_EQ(ticketList()->item(23)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Билет №24, не сдан"));
    EXPECT_EQ(ticketList()->item(24)->data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Билет №25, тренировка пройдена"));
    EXPECT_EQ(ticketList()->item(25)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Билет №26, не решался"));
    EXPECT_EQ(ticketList()->item(39)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Билет №40, не решался"));

    const int n = ProgressRating::compute(Results.record()).frame;
    ASSERT_GT(n, 0);
    EXPECT_NE(frame(n), frame(0));
    EXPECT_EQ(dial(), frame(n));

    // The selection and the focus go back to ticket 1.
    EXPECT_EQ(ticketList()->currentRow(), 0);
    ASSERT_EQ(ticketList()->selectedItems().size(), 1);
    EXPECT_EQ(ticketList()->row(ticketList()->selectedItems().first()), 0);
    EXPECT_EQ(Form2->focusWidget(), ticketList());
}

TEST_F(MainWindow, CongratulationBlinksOnlyAtTheFullRating)
{
    QTimer *timer = Form2->findChild<QTimer *>(QStringLiteral("Timer1"));
    QLabel *label6 = control<QLabel>("Label6");
    ASSERT_TRUE(timer && label6);
    EXPECT_FALSE(timer->isActive());

    startWith(allTickets(ExamPassed));
    showAgain();
    EXPECT_EQ(dial(), frame(20));
    EXPECT_TRUE(timer->isActive());
    std::set<bool> seen;
    int ticks = 0;
    const auto c = QObject::connect(timer, &QTimer::timeout, [&] {
        ++ticks;
        seen.insert(label6->isVisible());
    });
    EXPECT_TRUE(waitFor([&] { return ticks >= 6; }));
    QObject::disconnect(c);
    EXPECT_EQ(seen, (std::set<bool>{false, true})) << "the congratulation does not blink";

    // Caught while shown, a lower rating hides it and stops the blink.
    ASSERT_TRUE(waitFor([&] { return label6->isVisible(); }));
    auto statuses = allTickets(ExamPassed);
    statuses[39] = Failed;
    startWith(statuses);
    showAgain();
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(label6->isVisible());
    EXPECT_EQ(dial(), frame(ProgressRating::compute(Results.record()).frame));
}

TEST_F(MainWindow, ResetAfterOkClearsTheResultsButKeepsTheReservedBytes)
{
    const std::array<std::uint8_t, 8> reserved{1, 2, 3, 4, 0xfe, 0x80, 7, 8};
    startWith(allTickets(ExamPassed), reserved);
    showAgain();
    const QByteArray before = readBytes(resultsFile());
    ASSERT_EQ(before.size(), 168);

    BoxLog log{{QMessageBox::Ok}, {}};
    answerBoxes(log);
    control<QAction>("N3")->trigger();

    ASSERT_EQ(log.seen.size(), 1);
    EXPECT_EQ(log.seen[0].title, QStringLiteral("Внимание!"));
    EXPECT_EQ(log.seen[0].text, QStringLiteral("Вы действительно хотите обнулить результаты?"));
    EXPECT_EQ(log.seen[0].icon, QMessageBox::Question);
    EXPECT_EQ(log.seen[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(log.seen[0].ownerName, QStringLiteral("Form2"));

    const QByteArray after = readBytes(resultsFile());
    ASSERT_EQ(after.size(), 168);
    EXPECT_EQ(after.left(8), before.left(8));
    EXPECT_EQ(after.mid(8), QByteArray(160, '\0'));
    for (int t = 1; t <= TicketCount; ++t)
        EXPECT_EQ(Results.status(t), NotTaken);
    for (int r = 0; r < TicketCount; ++r)
        EXPECT_EQ(iconIndexOf(r), NotTaken) << r;
    EXPECT_EQ(dial(), frame(0));
    EXPECT_FALSE(Form2->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    EXPECT_FALSE(control<QLabel>("Label6")->isVisible());
}

TEST_F(MainWindow, ResetCancelledChangesNothing)
{
    auto statuses = allTickets(TrainingPassed);
    statuses[3] = ExamPassed;
    statuses[4] = Failed;
    startWith(statuses, {9, 9, 9, 9, 9, 9, 9, 9});
    showAgain();
    const QByteArray before = readBytes(resultsFile());
    const QImage dialBefore = dial();

    BoxLog log{{QMessageBox::Cancel}, {}};
    answerBoxes(log);
    control<QAction>("N3")->trigger();

    ASSERT_EQ(log.seen.size(), 1);
    EXPECT_EQ(readBytes(resultsFile()), before);
    EXPECT_EQ(Results.record().statuses, statuses);
    for (int r = 0; r < TicketCount; ++r)
        EXPECT_EQ(iconIndexOf(r), statuses[r]) << r;
    EXPECT_EQ(dial(), dialBefore);
}

TEST_F(MainWindow, ResetWhoseSaveFailsIsReportedAndLeavesThePictureAlone)
{
    startWith(allTickets(ExamPassed));
    showAgain();
    ASSERT_TRUE(QFile::remove(resultsFile()));

    BoxLog log{{QMessageBox::Ok, QMessageBox::Ok}, {}};
    answerBoxes(log);
    control<QAction>("N3")->trigger();

    ASSERT_EQ(log.seen.size(), 2);
    EXPECT_EQ(log.seen[1].objectName, QStringLiteral("ErrorBox"));
    EXPECT_EQ(log.seen[1].title, QStringLiteral("Дорвиан"));
    EXPECT_EQ(log.seen[1].text, QStringLiteral("File not found."));
    EXPECT_EQ(log.seen[1].icon, QMessageBox::Critical);
    EXPECT_EQ(log.seen[1].buttons, QMessageBox::Ok);
    EXPECT_FALSE(QFile::exists(resultsFile())) << "a save never creates the file";
    // Zero in memory, but the refresh did not run.
    EXPECT_EQ(Results.record().statuses, allTickets(NotTaken));
    EXPECT_EQ(iconIndexOf(0), ExamPassed);
    EXPECT_EQ(dial(), frame(20));
    EXPECT_TRUE(Form2->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(Form2->isVisible());
}

TEST_F(MainWindow, LearningOrTrainingWithoutASelectedTicketAsksForOne)
{
    CurrentRun.ticket = 13;
    CurrentRun.mode = RunMode::Exam;
    for (const char *name : {"BitBtn1", "BitBtn2"}) {
        ticketList()->clearSelection();
        BoxLog log{{QMessageBox::Ok}, {}};
        answerBoxes(log);
        control<QPushButton>(name)->click();
        ASSERT_EQ(log.seen.size(), 1) << name;
        EXPECT_EQ(log.seen[0].title, QStringLiteral("Внимание!"));
        EXPECT_EQ(log.seen[0].icon, QMessageBox::Warning);
        EXPECT_EQ(log.seen[0].text, QStringLiteral("Выберите билет в каталоге."));
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_FALSE(Form1->isVisible());
        EXPECT_EQ(CurrentRun.ticket, 13);
        EXPECT_EQ(CurrentRun.mode, RunMode::Exam);
    }
}

TEST_F(MainWindow, RunsHandOverToTheTicketWindowAndComeBackRefreshed)
{
    Form2->move(40, 30);
    QCoreApplication::processEvents();
    const QPoint home = Form2->pos();

    // Learning on the selected ticket.
    ticketList()->setCurrentRow(6);
    control<QPushButton>("BitBtn1")->click();
    EXPECT_EQ(CurrentRun.ticket, 7);
    EXPECT_EQ(CurrentRun.mode, RunMode::Learning);
    ASSERT_TRUE(Form1->isVisible());
    EXPECT_FALSE(Form2->isVisible());
    // The ticket window takes the main window's place (on its very first showing it
    // centres itself over it instead: a few pixels off).
    EXPECT_LE((Form1->pos() - home).manhattanLength(), 8);

    // Back where the ticket window was moved to, refreshed.
    Form1->move(70, 50);
    QCoreApplication::processEvents();
    const QPoint moved = Form1->pos();
    Form1->close();
    ASSERT_TRUE(waitFor([] { return Form2->isVisible() && !Form1->isVisible(); }));
    EXPECT_EQ(Form2->pos(), moved);
    EXPECT_EQ(ticketList()->currentRow(), 0);

    // Training on ticket 4, stopped at once: failed, and the list shows it.
    ticketList()->setCurrentRow(3);
    control<QPushButton>("BitBtn2")->click();
    EXPECT_EQ(CurrentRun.ticket, 4);
    EXPECT_EQ(CurrentRun.mode, RunMode::Training);
    ASSERT_TRUE(Form1->isVisible());
    EXPECT_EQ(Form1->pos(), Form2->pos());
    Form1->close();
    ASSERT_TRUE(waitFor([] { return Form2->isVisible(); }));
    EXPECT_EQ(iconIndexOf(3), Failed);
    EXPECT_EQ(ticketList()->currentRow(), 0);

    // Exams draw their ticket whatever is selected.
    std::set<int> drawn;
    for (int i = 0; i < 10; ++i) {
        ticketList()->setCurrentRow(4);
        control<QPushButton>("BitBtn3")->click();
        EXPECT_EQ(CurrentRun.mode, RunMode::Exam);
        EXPECT_GE(CurrentRun.ticket, 1);
        EXPECT_LE(CurrentRun.ticket, TicketCount);
        drawn.insert(CurrentRun.ticket);
        ASSERT_TRUE(Form1->isVisible());
        Form1->close();
        ASSERT_TRUE(waitFor([] { return Form2->isVisible(); }));
    }
    EXPECT_TRUE(drawn.size() > 1 || *drawn.begin() != 5);
    for (int t : drawn)
        EXPECT_EQ(iconIndexOf(t - 1), Failed) << "ticket " << t;
}

TEST(ExamDraw, EveryTicketComesUpAboutEquallyOften)
{
    std::array<int, TicketCount + 2> counts{};
    const int draws = 8000;
    for (int i = 0; i < draws; ++i) {
        const int t = drawExamTicket();
        ASSERT_GE(t, 1);
        ASSERT_LE(t, TicketCount);
        ++counts[t];
    }
    // 200 expected per ticket, standard deviation about 14.
    for (int t = 1; t <= TicketCount; ++t) {
        EXPECT_GT(counts[t], 120) << "ticket " << t;
        EXPECT_LT(counts[t], 280) << "ticket " << t;
    }
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

TEST_F(MainWindow, HelpButtonAndMenu)
{
    QToolButton *help = control<QToolButton>("SpeedButton1");
    QMenu *menu = control<QMenu>("PopupMenu1");
    EXPECT_EQ(help->focusPolicy(), Qt::NoFocus);

    help->click();
    EXPECT_TRUE(waitFor([&] { return menu->isVisible(); }));
    menu->hide();

    // A right-click opens the same menu where it happened.
    const QPoint at(5, 6);
    QContextMenuEvent right(QContextMenuEvent::Mouse, at, help->mapToGlobal(at));
    QApplication::sendEvent(help, &right);
    ASSERT_TRUE(waitFor([&] { return menu->isVisible(); }));
    EXPECT_EQ(menu->pos(), help->mapToGlobal(at));
    menu->hide();

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    control<QAction>("N1")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("help.htm"))));
}

} // namespace

#include "MainWindowTest.moc"
