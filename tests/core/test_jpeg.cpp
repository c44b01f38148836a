#include "Errors.h"
#include "Jpeg.h"
#include "JpegEncode.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <jerror.h>

namespace {

// White with a red left half: both halves are checked after a round trip.
QImage sample()
{
    QImage img(40, 24, QImage::Format_RGB888);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(0, 0, 20, 24, QColor(200, 0, 0));
    return img;
}

int jpegErrorCode(const QByteArray &bytes)
{
    try {
        decodeJpeg(reinterpret_cast<const unsigned char *>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    } catch (const JpegError &e) {
        EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(e.msgCode()));
        return e.msgCode();
    }
    return 0;
}

} // namespace

TEST(JpegDecode, DecodesWhatLibjpegEncoded)
{
    for (bool progressive : {false, true}) {
        const QByteArray bytes = encodeJpeg(sample(), 90, progressive);
        const QImage img = decodeJpeg(reinterpret_cast<const unsigned char *>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
        ASSERT_EQ(img.size(), QSize(40, 24));
        const QColor left = img.pixelColor(5, 12);
        const QColor right = img.pixelColor(35, 12);
        EXPECT_GT(left.red(), 150);
        EXPECT_LT(left.green(), 60);
        EXPECT_GT(right.green(), 200);
    }
}

TEST(JpegDecode, FailuresCarryTheDecodersCode)
{
    EXPECT_EQ(jpegErrorCode(QByteArray("this is not a picture at all")), JERR_NO_SOI);
    EXPECT_EQ(jpegErrorCode(QByteArray()), JERR_INPUT_EMPTY);
    // A header cut short: the decoder runs out of data before the frame.
    const QByteArray whole = encodeJpeg(sample(), 90);
    EXPECT_NE(jpegErrorCode(whole.left(20)), 0);
}

TEST(JpegDecode, DamagedScanDataStillGivesAPicture)
{
    QByteArray bytes = encodeJpeg(sample(), 90);
    bytes.truncate(bytes.size() - 40); // lose the end of the scan and the EOI marker
    const QImage img = decodeJpeg(reinterpret_cast<const unsigned char *>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    EXPECT_EQ(img.size(), QSize(40, 24));
}
