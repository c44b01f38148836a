#include "Unit4.h"

#include "Controls.h"
#include "Fonts.h"
#include "Forms.h"
#include "Pictures.h"
#include "Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

QLabel *resultLine(QWidget *parent, const char *name, int top)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(128, top, 201, 16);
    label->setFont(pixelFont(QString(), 13, true));
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TForm4::TForm4(QWidget *parent) : QDialog(parent, DialogFlags)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Информация"));
    setFixedSize(335, 189);
    setModal(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);

    label1_ = new QLabel(QStringLiteral("Поздравляем! Вы сдали экзамен!"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(16, 8, 297, 20);
    label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1_->setFont(pixelFont(QString(), 16, true, true));
    QPalette red = label1_->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label1_->setPalette(red);

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(16, 40, 105, 104);
    image1->setScaledContents(true);
    image1->setPixmap(Pictures::car());
    image1->setAccessibleName(QStringLiteral("Автомобиль"));

    auto *bevel1 = new Bevel(Bevel::Shape::Box, this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setGeometry(16, 40, 105, 105);

    label2_ = resultLine(this, "Label2", 56);
    label3_ = resultLine(this, "Label3", 80);
    label4_ = resultLine(this, "Label4", 104);

    bitBtn1_ = new QPushButton(Pictures::glyph(Pictures::Glyph::Ok), QStringLiteral("OK"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(128, 152, 75, 25);
    bitBtn1_->setDefault(true);
    bitBtn1_->setAutoDefault(true);
    connect(bitBtn1_, &QPushButton::clicked, this, &QDialog::accept);

    move(230, 190);
}

void TForm4::showResult(const QString &line1, const QString &line2, const QString &line3)
{
    label2_->setText(line1);
    label3_->setText(line2);
    label4_->setText(line3);

    // Owned by the window the learner is looking at (the ticket window, which stays on
    // top of other windows), so the window manager keeps the dialog above it.
    QWidget *owner = QApplication::activeWindow();
    if (owner == this)
        owner = nullptr;
    if (!owner && Form1 && Form1->isVisible())
        owner = Form1;
    Qt::WindowFlags flags = DialogFlags;
    if (owner && (owner->windowFlags() & Qt::WindowStaysOnTopHint))
        flags |= Qt::WindowStaysOnTopHint;
    if (parentWidget() != owner || windowFlags() != flags)
        setParent(owner, flags);
    move(230, 190);
    bitBtn1_->setFocus();
    exec();
}

void TForm4::reject()
{
}

void TForm4::closeEvent(QCloseEvent *event)
{
    // Closing happens through OK only (accept hides the dialog without a close event).
    event->ignore();
}
