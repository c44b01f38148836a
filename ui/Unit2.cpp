#include "Unit2.h"

#include "AppState.h"
#include "Controls.h"
#include "ErrorBox.h"
#include "Errors.h"
#include "Fonts.h"
#include "Forms.h"
#include "Pictures.h"
#include "ProgressRating.h"
#include "Unit1.h"
#include "Unit3.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <chrono>
#include <random>

namespace {

const QString Caution = QStringLiteral("Внимание!");

std::mt19937_64 &ticketDraw()
{
    static std::mt19937_64 generator;
    return generator;
}

QLabel *textLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

// A word-wrapped label with a fixed frame: what does not fit is cut off.
QLabel *framedLabel(QWidget *parent, const char *name, const QString &text, const QColor &colour,
                    const QRect &frame)
{
    QLabel *label = textLabel(parent, name, text, colour);
    label->setWordWrap(true);
    label->setGeometry(frame);
    return label;
}

const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor Lime(0, 255, 0);
const QColor PaleYellow(255, 255, 206);

} // namespace

void seedTicketDraw()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    ticketDraw().seed(static_cast<std::uint64_t>(now));
}

int drawExamTicket()
{
    std::uniform_int_distribution<int> ticket(1, TicketCount);
    return ticket(ticketDraw());
}

QString ticketStatusWords(std::int32_t status)
{
    switch (status) {
    case ExamPassed: return QStringLiteral("экзамен сдан");
    case Failed: return QStringLiteral("не сдан");
    case TrainingPassed: return QStringLiteral("тренировка пройдена");
    default: return QStringLiteral("не решался");
    }
}

TForm2::TForm2(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    createControls();
    FormCreate();
}

TForm2::~TForm2()
{
    FormDestroy();
}

void TForm2::createControls()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Дорвиан"));
    setFixedSize(722, 448);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAccessibleName(QStringLiteral("Дорвиан"));
    guarded([this] {
        const QImage banner = Pictures::banner();
        Image2->setPixmap(QPixmap::fromImage(banner));
        Image2->setGeometry(0, 0, banner.width(), banner.height());
    });
    if (Image2->pixmap().isNull())
        Image2->setGeometry(0, 0, 588, 209);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(588, 0, 133, 209);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setAccessibleName(QStringLiteral("Разрешённая скорость"));
    // Its hint; hints are off in this window, so the text only serves screen readers.
    Image1->setAccessibleDescription(
        QStringLiteral("Скорость, которая Вам разрешена при управлении автомобилем"));
    guarded([this] { Image1->setPixmap(QPixmap::fromImage(Pictures::speedometerFrame(0))); });

    Label6 = framedLabel(this, "Label6",
                         QStringLiteral("Поздравляем! Вы разогнались!!! Теперь права у Вас в кармане!!! "
                                        "Отличный результат! Превосходно! Супер!  Удачи на экзаменах!!!"),
                         Red, QRect(40, 96, 529, 41));
    Label6->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    Label6->hide();

    auto *bevel4 = new Bevel(Bevel::Shape::TopLine, this);
    bevel4->setObjectName(QStringLiteral("Bevel4"));
    bevel4->setGeometry(0, 208, 721, 9);

    QLabel *label1 = textLabel(this, "Label1", QStringLiteral("Каталог билетов:"), Lime);
    label1->setFont(pixelFont(QString(), 13, true));
    label1->move(8, 216);
    label1->adjustSize();

    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Каталог билетов"));
    ListView1->setGeometry(8, 232, 377, 177);
    ListView1->setViewMode(QListView::ListMode);
    ListView1->setFlow(QListView::TopToBottom);
    ListView1->setWrapping(true);
    ListView1->setResizeMode(QListView::Adjust);
    ListView1->setMovement(QListView::Static);
    ListView1->setUniformItemSizes(true);
    ListView1->setIconSize(QSize(16, 16));
    // Four columns of ten rows fill the list: it never scrolls, and a scroll bar
    // kept in reserve would cost a row.
    ListView1->setGridSize(QSize(92, 17));
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setFrameStyle(QFrame::Box | QFrame::Plain);
    ListView1->setLineWidth(2);
    {
        QPalette lp = ListView1->palette();
        lp.setColor(QPalette::Base, PaleYellow);
        lp.setColor(QPalette::Window, PaleYellow);
        lp.setColor(QPalette::WindowText, PaleYellow); // the flat border
        lp.setColor(QPalette::Text, Qt::black);
        ListView1->setPalette(lp);
    }
    keepSelectionVisible(ListView1);
    setUpHotTrack(ListView1);
    for (int r = 0; r < TicketCount; ++r) {
        auto *item = new QListWidgetItem(QStringLiteral("Билет №%1").arg(r + 1, 2, 10, QLatin1Char('0')));
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        ListView1->addItem(item);
    }

    auto *bevel1 = new Bevel(Bevel::Shape::Box, this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setGeometry(392, 224, 313, 57);
    auto *bevel2 = new Bevel(Bevel::Shape::Box, this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setGeometry(392, 288, 313, 57);
    auto *bevel3 = new Bevel(Bevel::Shape::Box, this);
    bevel3->setObjectName(QStringLiteral("Bevel3"));
    bevel3->setGeometry(392, 352, 313, 57);

    auto button = [this](const char *name, const QString &text, Pictures::Glyph glyph, int top) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        guarded([&] { b->setIcon(Pictures::glyph(glyph)); });
        b->setIconSize(QSize(16, 16));
        b->setGeometry(400, top, 121, 25);
        b->setAutoDefault(false);
        return b;
    };
    BitBtn3 = button("BitBtn3", QStringLiteral("Экзамен"), Pictures::Glyph::Exam, 240);
    framedLabel(this, "Label4",
                QStringLiteral("Случайным образом выбирается билет. Отвечать можно один раз. "
                               "Результат покажет Ваши знания."),
                Red, QRect(528, 232, 177, 41));
    BitBtn2 = button("BitBtn2", QStringLiteral("Тренировка"), Pictures::Glyph::Training, 304);
    framedLabel(this, "Label3",
                QStringLiteral("Возможность проверить свои знания по определенному Вами билету. "
                               "Результаты учитываются."),
                Yellow, QRect(528, 296, 177, 41));
    BitBtn1 = button("BitBtn1", QStringLiteral("Обучение"), Pictures::Glyph::Learning, 368);
    framedLabel(this, "Label2",
                QStringLiteral("В случае неверного ответа будет показан комментарий к вопросу. "
                               "Результаты не влияют на оценку."),
                Lime, QRect(528, 360, 177, 41));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn3Click(); }); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("Справка"));
    N1->setObjectName(QStringLiteral("N1"));
    guarded([this] { N1->setIcon(Pictures::glyph(Pictures::Glyph::Manual)); });
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N2"));
    N3 = PopupMenu1->addAction(QStringLiteral("Обнулить результаты"));
    N3->setObjectName(QStringLiteral("N3"));
    guarded([this] { N3->setIcon(Pictures::glyph(Pictures::Glyph::Reset)); });
    connect(N1, &QAction::triggered, this, [this] { guarded([this] { N1Click(); }); });
    connect(N3, &QAction::triggered, this, [this] { guarded([this] { N3Click(); }); });

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Помощь"));
    guarded([this] { SpeedButton1->setIcon(Pictures::glyph(Pictures::Glyph::Help)); });
    SpeedButton1->setIconSize(QSize(16, 16));
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButton1->setGeometry(8, 416, 81, 22);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton1Click(); }); });
    connect(SpeedButton1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        guarded([&] { PopupMenu1->popup(SpeedButton1->mapToGlobal(at)); });
    });

    QLabel *label5 = textLabel(this, "Label5", noticeText(), Red);
    label5->setFont(noticeFont());
    label5->move(168, 416);
    label5->adjustSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1Timer(); }); });

    setTabOrder(ListView1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, BitBtn3);
}

void TForm2::FormCreate()
{
    seedTicketDraw();
    const QFileInfo bank(QStringLiteral("data.dat"));
    if (!bank.exists()) {
        QMessageBox box(QMessageBox::Warning, Caution,
                        QStringLiteral("Нет файла с данными! Программа повреждена! "), QMessageBox::Ok, this);
        box.exec();
        startupAborted_ = true;
        startupExitCode_ = 0;
        return;
    }
    // Without its bank the program can only fail at every question and every save,
    // so a bank that cannot be opened stops it like a missing one, before any window
    // shows and before pl.dat is touched.
    const bool opened = guarded([&] { BankFile.open("data.dat", QuestionIndex); });
    if (!opened) {
        startupAborted_ = true;
        startupExitCode_ = 1;
        return;
    }
    Results.setFileName("pl.dat");
    // A short or unreadable pl.dat is reported; the program goes on with what was read.
    guarded([] { Results.loadOrCreate(); });
}

void TForm2::FormDestroy()
{
    guarded([] {
        if (BankFile.isOpen())
            BankFile.close();
    });
}

void TForm2::FormShow()
{
    for (int r = 0; r < TicketCount; ++r) {
        const std::int32_t status = Results.status(r + 1);
        const bool known = status >= NotTaken && status <= TrainingPassed;
        QListWidgetItem *item = ListView1->item(r);
        item->setIcon(Pictures::statusIcon(known ? status : NotTaken));
        item->setData(Qt::AccessibleTextRole,
                      QStringLiteral("%1, %2").arg(item->text(), ticketStatusWords(status)));
    }

    const ProgressRating rating = ProgressRating::compute(Results.record());
    if (Form3)
        Image1->setPixmap(QPixmap::fromImage(Form3->frame(rating.frame)));

    ListView1->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    ListView1->scrollToItem(ListView1->item(0));
    ListView1->setFocus();

    if (rating.blink) {
        if (!Timer1->isActive())
            Timer1->start();
    } else {
        Timer1->stop();
        Label6->hide();
    }
}

void TForm2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Restoring from the task bar is no new showing.
    if (event->spontaneous())
        return;
    guarded([this] { FormShow(); });
    if (!shownBefore_) {
        shownBefore_ = true;
        QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
        if (s) {
            const QRect area = s->availableGeometry();
            move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
        }
    }
}

void TForm2::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, whatever else is still open.
    event->accept();
    QCoreApplication::quit();
}

void TForm2::startRun(RunMode mode)
{
    int ticket = 0;
    if (mode == RunMode::Exam) {
        ticket = drawExamTicket();
    } else {
        const QList<QListWidgetItem *> selected = ListView1->selectedItems();
        if (selected.isEmpty()) {
            // The learner cleared the selection by clicking beside the rows.
            QMessageBox box(QMessageBox::Warning, Caution, QStringLiteral("Выберите билет в каталоге."),
                            QMessageBox::Ok, this);
            box.exec();
            return;
        }
        ticket = ListView1->row(selected.first()) + 1;
    }
    CurrentRun.ticket = ticket;
    CurrentRun.mode = mode;
    Form1->move(pos());
    Form1->show();
    hide();
}

void TForm2::BitBtn1Click()
{
    startRun(RunMode::Learning);
}

void TForm2::BitBtn2Click()
{
    startRun(RunMode::Training);
}

void TForm2::BitBtn3Click()
{
    startRun(RunMode::Exam);
}

void TForm2::SpeedButton1Click()
{
    PopupMenu1->popup(QCursor::pos());
}

void TForm2::N1Click()
{
    // The shell's viewer decides how the page opens; its outcome is not checked.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("help.htm"))));
}

void TForm2::N3Click()
{
    QMessageBox box(QMessageBox::Question, Caution, QStringLiteral("Вы действительно хотите обнулить результаты?"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    if (box.exec() != QMessageBox::Ok)
        return;
    Results.reset();
    FormShow();
}

void TForm2::Timer1Timer()
{
    Label6->setHidden(!Label6->isHidden());
}
