#include "Unit1.h"

#include "AppState.h"
#include "Controls.h"
#include "ErrorBox.h"
#include "Errors.h"
#include "Fonts.h"
#include "Forms.h"
#include "Pictures.h"
#include "Unit2.h"
#include "Unit4.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

const QString Caption = QStringLiteral("Дорвиан");
const QString BoxCaption = QStringLiteral("Внимание!");

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor Navy(0, 0, 128);

// Rows are laid out one under the other; 17 px keeps all twenty inside the list's frame.
constexpr int RowHeight = 17;

void setTextColor(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

// The texts break lines with "\n\r"; a bare carriage return would be drawn as a blank
// at the start of the next line, so the pair becomes one break on screen.
QString screenText(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return s;
}

QString markWords(int mark)
{
    switch (mark) {
    case Wrong:
        return QStringLiteral("неверно");
    case Correct:
        return QStringLiteral("верно");
    default:
        return QStringLiteral("не отвечен");
    }
}

QLabel *fixedLabel(QWidget *parent, const char *name, const QRect &frame, bool wrap)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(frame);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrap);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Caption);
    setWindowIcon(Pictures::programIcon());
    setFixedSize(718, 448);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QPalette p = palette();
    p.setColor(QPalette::Window, Black);
    setPalette(p);
    setAutoFillBackground(true);

    createControls();
}

TForm1::~TForm1() = default;

void TForm1::createControls()
{
    Label6 = new QLabel(QStringLiteral("ВРЕМЯ"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setTextFormat(Qt::PlainText);
    Label6->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 24, true));
    setTextColor(Label6, Yellow);
    Label6->move(16, 8);
    Label6->adjustSize();
    Label6->hide();

    Label5 = new QLabel(noticeText(), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setTextFormat(Qt::PlainText);
    Label5->setFont(noticeFont());
    setTextColor(Label5, Red);
    Label5->move(128, 8);
    Label5->adjustSize();

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(680, 8, 23, 22);
    SpeedButton1->setIcon(Pictures::glyph(Pictures::Glyph::Help));
    SpeedButton1->setIconSize(QSize(16, 16));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setAccessibleName(QStringLiteral("Справка"));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton1Click(); }); });

    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(8, 40, 97, 361);
    ListView1->setViewMode(QListView::ListMode);
    ListView1->setFlow(QListView::TopToBottom);
    ListView1->setMovement(QListView::Static);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setUniformItemSizes(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        QPalette lp = ListView1->palette();
        lp.setColor(QPalette::Base, White);
        lp.setColor(QPalette::Text, Black);
        ListView1->setPalette(lp);
    }
    keepSelectionVisible(ListView1);
    setUpHotTrack(ListView1);
    for (int row = 0; row < QuestionsPerTicket; ++row) {
        auto *item = new QListWidgetItem(QStringLiteral("Вопрос №%1").arg(row + 1));
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setSizeHint(QSize(0, RowHeight));
        ListView1->addItem(item);
        setMark(row, Unanswered);
    }
    ListView1->installEventFilter(this);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TForm1::ListView1SelectItem);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(112, 40, 593, 393);
    ScrollBox1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("ScrollBox1Panel"));
    {
        QPalette pp = panel->palette();
        pp.setColor(QPalette::Window, White);
        pp.setColor(QPalette::WindowText, Black);
        panel->setPalette(pp);
        panel->setAutoFillBackground(true);
        ScrollBox1->viewport()->setPalette(pp);
        ScrollBox1->viewport()->setAutoFillBackground(true);
    }

    Label1 = new QLabel(panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    {
        QFont f = font();
        f.setUnderline(true);
        Label1->setFont(f);
    }
    setTextColor(Label1, Red);
    Label1->move(8, 8);
    Label1->adjustSize();

    Image1 = fixedLabel(panel, "Image1", QRect(8, 24, 353, 137), false);

    Label2 = fixedLabel(panel, "Label2", QRect(368, 24, 209, 137), true);
    Label2->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13, true));
    setTextColor(Label2, Navy);

    Label3 = fixedLabel(panel, "Label3", QRect(8, 168, 569, 81), true);
    setTextColor(Label3, Black);

    Label4 = fixedLabel(panel, "Label4", QRect(8, 256, 569, 89), true);
    setTextColor(Label4, Red);
    Label4->hide();

    const Pictures::Glyph digits[] = {Pictures::Glyph::Digit1, Pictures::Glyph::Digit2,
                                      Pictures::Glyph::Digit3, Pictures::Glyph::Digit4,
                                      Pictures::Glyph::Digit5};
    QPushButton **buttons[] = {&BitBtn1, &BitBtn2, &BitBtn3, &BitBtn4, &BitBtn5};
    for (int i = 0; i < 5; ++i) {
        auto *b = new QPushButton(panel);
        b->setObjectName(QStringLiteral("BitBtn%1").arg(i + 1));
        b->setGeometry(16 + 80 * i, 352, 75, 25);
        b->setIcon(Pictures::glyph(digits[i]));
        b->setIconSize(QSize(16, 16));
        // Out of the Tab order, but a click takes the focus: after a wrong answer in
        // learning the digit keys act again once the list has the focus back.
        b->setFocusPolicy(Qt::ClickFocus);
        b->setAutoDefault(false);
        b->setAccessibleName(QStringLiteral("Ответ %1").arg(i + 1));
        connect(b, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
        *buttons[i] = b;
    }
    ScrollBox1->setWidget(panel);

    BitBtn7 = new QPushButton(QIcon(Pictures::glyph(Pictures::Glyph::Stop)), QStringLiteral("СТОП"), this);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn7->setGeometry(8, 408, 99, 25);
    BitBtn7->setIconSize(QSize(16, 16));
    BitBtn7->setAutoDefault(false);
    BitBtn7->setToolTip(QStringLiteral("Закончить решение билета"));
    connect(BitBtn7, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn7Click(); }); });

    setTabOrder(ListView1, BitBtn7);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

QPushButton *TForm1::answerButton(int k) const
{
    switch (k) {
    case 1: return BitBtn1;
    case 2: return BitBtn2;
    case 3: return BitBtn3;
    case 4: return BitBtn4;
    case 5: return BitBtn5;
    default: return nullptr;
    }
}

QListWidgetItem *TForm1::rowItem(int row) const
{
    QListWidgetItem *item = ListView1->item(row);
    if (!item)
        throw ListIndexError(row);
    return item;
}

// ---- Event handlers ----

void TForm1::FormShow()
{
    guarded([this] {
        CurrentRun.attach(this, &BankFile, &Results);
        CurrentRun.beginRun();
    });
}

void TForm1::ListView1SelectItem(const QItemSelection &selected, const QItemSelection &deselected)
{
    // The row losing the selection reports first, so the question shown last is the new one.
    // Each report stands alone: a failed display does not stop whatever moved the selection.
    for (const QItemSelection *change : {&deselected, &selected}) {
        for (const QModelIndex &index : change->indexes()) {
            const int row = index.row();
            guarded([row] { CurrentRun.displayQuestion(row); });
        }
    }
}

void TForm1::BitBtn1Click()
{
    QObject *from = sender();
    for (int k = 1; k <= 5; ++k) {
        if (from == answerButton(k)) {
            guarded([k] { CurrentRun.answer(k); });
            return;
        }
    }
}

bool TForm1::ListView1KeyPress(QChar key)
{
    if (key < QLatin1Char('1') || key > QLatin1Char('5'))
        return false;
    QPushButton *button = answerButton(key.unicode() - u'0');
    if (!button->isHidden() && button->isEnabled())
        button->click();
    return true;
}

void TForm1::BitBtn7Click()
{
    close();
}

void TForm1::Timer1Timer()
{
    guarded([] { CurrentRun.tick(); });
}

void TForm1::SpeedButton1Click()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("help.htm"))));
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return; // shown again by the system, not a new run
    FormShow();
    if (!shownBefore_) {
        shownBefore_ = true;
        if (Form2) {
            const QRect main = Form2->frameGeometry();
            const QRect own = frameGeometry();
            move(main.left() + (main.width() - own.width()) / 2,
                 main.top() + (main.height() - own.height()) / 2);
        }
    }
}

void TForm1::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    // A box still open when the run ends (the time ran out over the three-errors
    // warning) goes with the window; it answers as if cancelled.
    const auto boxes = openBoxes_;
    for (const QPointer<QMessageBox> &box : boxes) {
        if (box)
            box->done(QMessageBox::Cancel);
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!isVisible()) {
        // Closing a hidden window: there is no run left to finish.
        event->accept();
        return;
    }
    try {
        CurrentRun.finish();
        event->accept();
        return;
    } catch (const std::exception &e) {
        showErrorBox(e);
    } catch (...) {
        showErrorBox(QStringLiteral("Unknown error"));
    }
    // The save failed: the window stays open and the next close tries again.
    event->ignore();
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    // BitBtn7 is the window's cancel button: Esc presses it, wherever the focus is.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BitBtn7->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() == 1 && ListView1KeyPress(text.at(0)))
            return true; // digits 1..5 never reach the list's own keyboard search
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Display operations ----

void TForm1::setHeader(const QString &text)
{
    Label1->setText(text);
    Label1->adjustSize();
}

void TForm1::showPicture(const QImage &picture)
{
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->show();
}

void TForm1::hidePicture()
{
    Image1->hide();
}

void TForm1::placeQuestionText(int left, int width)
{
    Label2->setGeometry(left, Label2->y(), width, Label2->height());
}

void TForm1::setQuestionText(const QString &text)
{
    Label2->setText(screenText(text));
}

void TForm1::setAnswersText(const QString &text)
{
    Label3->setText(screenText(text));
}

void TForm1::setCommentText(const QString &text)
{
    Label4->setText(screenText(text));
}

void TForm1::setCommentVisible(bool visible)
{
    Label4->setVisible(visible);
}

void TForm1::setAnswerButtonVisible(int k, bool visible)
{
    if (QPushButton *button = answerButton(k))
        button->setVisible(visible);
}

void TForm1::setAnswerButtonsEnabled(bool enabled)
{
    for (int k = 1; k <= 5; ++k)
        answerButton(k)->setEnabled(enabled);
}

AnswerMark TForm1::mark(int row) const
{
    return static_cast<AnswerMark>(rowItem(row)->data(MarkRole).toInt());
}

void TForm1::setMark(int row, AnswerMark mark)
{
    QListWidgetItem *item = rowItem(row);
    item->setData(MarkRole, static_cast<int>(mark));
    item->setIcon(Pictures::markIcon(mark));
    item->setData(Qt::AccessibleTextRole,
                  QStringLiteral("Вопрос №%1, %2").arg(row + 1).arg(markWords(mark)));
}

int TForm1::selectedRow() const
{
    const QModelIndexList rows = ListView1->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TForm1::selectRow(int row)
{
    const QModelIndex index = ListView1->indexFromItem(rowItem(row));
    // Reports the change through ListView1SelectItem; nothing when it is already the selection.
    ListView1->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
}

void TForm1::setFocusMark(int row)
{
    const QModelIndex index = ListView1->indexFromItem(rowItem(row));
    ListView1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void TForm1::focusList()
{
    ListView1->setFocus(Qt::OtherFocusReason);
}

bool TForm1::runBox(QMessageBox *box)
{
    // Shown above this window, which itself stays above other windows.
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    openBoxes_.append(box);
    box->exec();
    openBoxes_.removeAll(box);
    const bool ok = box->clickedButton() && box->clickedButton() == box->button(QMessageBox::Ok);
    delete box;
    return ok;
}

bool TForm1::askOkCancel(const QString &text)
{
    if (!isVisible())
        return false; // the run has ended: a question now would be closed with the window
    return runBox(new QMessageBox(QMessageBox::Question, BoxCaption, screenText(text),
                                  QMessageBox::Ok | QMessageBox::Cancel, this));
}

void TForm1::showNotice(const QString &text, NoticeIcon icon)
{
    if (!isVisible())
        return;
    QMessageBox::Icon boxIcon = QMessageBox::Warning;
    if (icon == NoticeIcon::Error)
        boxIcon = QMessageBox::Critical;
    else if (icon == NoticeIcon::Information)
        boxIcon = QMessageBox::Information;
    runBox(new QMessageBox(boxIcon, BoxCaption, screenText(text), QMessageBox::Ok, this));
}

void TForm1::pressStop()
{
    BitBtn7Click();
}

void TForm1::startClock()
{
    Timer1->start();
}

void TForm1::stopClock()
{
    Timer1->stop();
}

bool TForm1::clockRunning() const
{
    return Timer1->isActive();
}

void TForm1::setClockText(const QString &text)
{
    Label6->setText(text);
    Label6->adjustSize();
}

void TForm1::setClockVisible(bool visible)
{
    Label6->setVisible(visible);
}

void TForm1::showResult(const QString &line1, const QString &line2, const QString &line3)
{
    Form4->showResult(line1, line2, line3);
}

void TForm1::showMainWindowHere()
{
    Form2->move(pos());
    Form2->show();
}
