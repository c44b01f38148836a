#include "Errors.h"
#include "Jpeg.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <jerror.h>

namespace {

// A small picture encoded with libjpeg itself, so the test needs no image plugin.
QByteArray encode(const QImage &source, bool progressive)
{
    const QImage img = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = static_cast<JDIMENSION>(img.width());
    cinfo.image_height = static_cast<JDIMENSION>(img.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto *row = const_cast<JSAMPROW>(img.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(out), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&cinfo);
    free(out);
    return bytes;
}

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
        const QByteArray bytes = encode(sample(), progressive);
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
    const QByteArray whole = encode(sample(), false);
    EXPECT_NE(jpegErrorCode(whole.left(20)), 0);
}

TEST(JpegDecode, DamagedScanDataStillGivesAPicture)
{
    QByteArray bytes = encode(sample(), false);
    bytes.truncate(bytes.size() - 40); // lose the end of the scan and the EOI marker
    const QImage img = decodeJpeg(reinterpret_cast<const unsigned char *>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    EXPECT_EQ(img.size(), QSize(40, 24));
}
