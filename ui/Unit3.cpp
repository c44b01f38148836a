#include "Unit3.h"

#include "ErrorBox.h"
#include "Errors.h"
#include "Pictures.h"

#include <QLabel>
#include <QPixmap>

TForm3::TForm3(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    frames_.resize(Pictures::SpeedometerFrameCount);
    // Image1..Image22 in a row of small thumbnails; only their pictures matter.
    for (int n = 0; n < Pictures::SpeedometerFrameCount; ++n) {
        guarded([&] { frames_[n] = Pictures::speedometerFrame(n); });
        auto *image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image%1").arg(n + 1));
        image->setGeometry(8 + (n % 11) * 112, 8 + (n / 11) * 112, 105, 105);
        image->setScaledContents(true);
        if (!frames_[n].isNull())
            image->setPixmap(QPixmap::fromImage(frames_[n]));
    }
}

QImage TForm3::frame(int n) const
{
    if (n < 0 || n >= frames_.size())
        throw ListIndexError(n);
    return frames_[n];
}
