// The pictures built into the program: sizes, the libjpeg path, the needle and the glyphs.
#include "DialGeometry.h"
#include "Jpeg.h"
#include "Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString artFile(const QString &name) { return QStringLiteral(ART_DIR "/") + name; }
QString frameName(int n) { return QStringLiteral("frame%1.jpg").arg(n, 2, 10, QLatin1Char('0')); }

struct FrameInfo {
    bool ok = false;
    int sofMarker = -1;
    int precision = 0, width = 0, height = 0, components = 0;
    QString problem;
};

// Walks the marker segments up to the start of scan and reports the frame header.
FrameInfo readFrameHeader(const QByteArray &data)
{
    FrameInfo info;
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(data[i]); };
    if (data.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) {
        info.problem = QStringLiteral("no SOI");
        return info;
    }
    qsizetype pos = 2;
    while (pos + 4 <= data.size()) {
        if (byte(pos) != 0xFF) {
            info.problem = QStringLiteral("garbage between segments");
            return info;
        }
        const int marker = byte(pos + 1);
        const int length = byte(pos + 2) << 8 | byte(pos + 3);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            if (info.sofMarker != -1) {
                info.problem = QStringLiteral("two frame headers");
                return info;
            }
            info.sofMarker = marker;
            info.precision = byte(pos + 4);
            info.height = byte(pos + 5) << 8 | byte(pos + 6);
            info.width = byte(pos + 7) << 8 | byte(pos + 8);
            info.components = byte(pos + 9);
        }
        if (marker == 0xDA) {
            info.ok = info.sofMarker != -1;
            if (!info.ok)
                info.problem = QStringLiteral("scan before frame header");
            return info;
        }
        pos += 2 + length;
    }
    info.problem = QStringLiteral("no start of scan");
    return info;
}

QImage decodeFile(const QString &name)
{
    const QByteArray bytes = readFile(artFile(name));
    return decodeJpeg(reinterpret_cast<const unsigned char *>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
}

bool isNeedleRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; }

// Share of needle-red pixels along the ray towards value, between the hub and the numbers.
double redShareOnRay(const QImage &frame, double value)
{
    int red = 0, total = 0;
    for (double r = DialGeometry::HubRadius + 9; r <= 40.0; r += 1.0) {
        const int x = static_cast<int>(std::lround(DialGeometry::xAt(value, r) - 0.5));
        const int y = static_cast<int>(std::lround(DialGeometry::yAt(value, r) - 0.5));
        ++total;
        if (isNeedleRed(frame.pixel(x, y)))
            ++red;
    }
    return static_cast<double>(red) / total;
}

// Mean colour of the strongly coloured opaque pixels: the paint of a car, the fill of a star.
QColor dominantColour(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    double r = 0, g = 0, b = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const int hi = std::max({qRed(c), qGreen(c), qBlue(c)});
            const int lo = std::min({qRed(c), qGreen(c), qBlue(c)});
            if (qAlpha(c) < 230 || hi - lo < 80)
                continue;
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++count;
        }
    }
    if (count == 0)
        return {};
    return QColor(static_cast<int>(r / count), static_cast<int>(g / count), static_cast<int>(b / count));
}

QImage iconImage(const QIcon &icon, int size)
{
    return icon.pixmap(size, size).toImage();
}

} // namespace

TEST(ArtworkJpeg, EveryJpegIsBaselineAndDecodesThroughLibjpeg)
{
    QStringList names;
    for (int n = 0; n < DialGeometry::FrameCount; ++n)
        names << frameName(n);
    names << QStringLiteral("banner.jpg");
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = readFile(artFile(name));
        ASSERT_FALSE(bytes.isEmpty());
        const FrameInfo info = readFrameHeader(bytes);
        ASSERT_TRUE(info.ok) << info.problem.toStdString();
        EXPECT_EQ(info.sofMarker, 0xC0) << "not a baseline frame";
        EXPECT_EQ(info.precision, 8);
        EXPECT_EQ(info.components, 3);
        const QImage image = decodeFile(name);
        EXPECT_EQ(image.width(), info.width);
        EXPECT_EQ(image.height(), info.height);
    }
}

TEST(ArtworkDial, FramesComeDecodedAtTheirSizeAndOnlyForValidNumbers)
{
    for (int n = 0; n < Pictures::SpeedometerFrameCount; ++n) {
        const QImage frame = Pictures::speedometerFrame(n);
        ASSERT_FALSE(frame.isNull()) << n;
        EXPECT_EQ(frame.size(), QSize(DialGeometry::Width, DialGeometry::Height)) << n;
        // The frame handed out is the libjpeg decoding of the generated file, pixel for pixel.
        EXPECT_EQ(frame.convertToFormat(QImage::Format_RGB888), decodeFile(frameName(n))) << n;
    }
    EXPECT_TRUE(Pictures::speedometerFrame(-1).isNull());
    EXPECT_TRUE(Pictures::speedometerFrame(Pictures::SpeedometerFrameCount).isNull());
    // Decoded once: later calls share the same image data.
    EXPECT_EQ(Pictures::speedometerFrame(7).cacheKey(), Pictures::speedometerFrame(7).cacheKey());
}

TEST(ArtworkDial, NeedlePointsAtFiveTimesTheFrameNumber)
{
    for (int n = 0; n < DialGeometry::FrameCount; ++n) {
        SCOPED_TRACE(n);
        const QImage frame = Pictures::speedometerFrame(n);
        const double value = DialGeometry::valueOfFrame(n);
        EXPECT_GT(redShareOnRay(frame, value), 0.8);
        for (double other : {value - 30, value + 30}) {
            if (other >= 0 && other <= 105) {
                EXPECT_LT(redShareOnRay(frame, other), 0.1) << "value " << other;
            }
        }
    }
    // Frame 0 leans to the lower left, frame 20 to the lower right, frame 10 straight up.
    const auto side = [](int n) { return DialGeometry::xAt(DialGeometry::valueOfFrame(n), 30) - DialGeometry::CentreX; };
    EXPECT_LT(side(0), -20);
    EXPECT_GT(side(20), 20);
    EXPECT_NEAR(side(10), 0, 1);
    EXPECT_GT(DialGeometry::yAt(DialGeometry::valueOfFrame(0), 30), DialGeometry::CentreY);
    EXPECT_GT(DialGeometry::yAt(DialGeometry::valueOfFrame(21), 30), DialGeometry::yAt(100, 30));
}

TEST(ArtworkDial, ConsecutiveFramesDifferOnlyAroundTheNeedle)
{
    for (int n = 0; n + 1 < DialGeometry::FrameCount; ++n) {
        SCOPED_TRACE(n);
        const QImage a = Pictures::speedometerFrame(n).convertToFormat(QImage::Format_RGB32);
        const QImage b = Pictures::speedometerFrame(n + 1).convertToFormat(QImage::Format_RGB32);
        int changedInside = 0, changedOutside = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                if (a.pixel(x, y) == b.pixel(x, y))
                    continue;
                const double d = std::hypot(x + 0.5 - DialGeometry::CentreX, y + 0.5 - DialGeometry::CentreY);
                // JPEG blocks straddling the face may shift slightly; nothing beyond the bezel may.
                if (d <= DialGeometry::Radius)
                    ++changedInside;
                else if (d > DialGeometry::Radius + 12)
                    ++changedOutside;
            }
        }
        EXPECT_GT(changedInside, 60);
        EXPECT_EQ(changedOutside, 0);
    }
}

TEST(ArtworkPictures, BannerCarAndIconHaveTheirSizes)
{
    EXPECT_EQ(Pictures::banner().size(), QSize(588, 209));
    EXPECT_EQ(Pictures::banner().cacheKey(), Pictures::banner().cacheKey());
    EXPECT_EQ(Pictures::banner().convertToFormat(QImage::Format_RGB888), decodeFile(QStringLiteral("banner.jpg")));

    const QPixmap car = Pictures::car();
    ASSERT_FALSE(car.isNull());
    EXPECT_EQ(car.size(), QSize(192, 192));
    const QColor paint = dominantColour(car.toImage());
    EXPECT_GT(paint.blue(), paint.red() + 60);

    const QIcon icon = Pictures::programIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    const QColor iconPaint = dominantColour(iconImage(icon, 32));
    EXPECT_GT(iconPaint.blue(), iconPaint.red() + 60);
}

TEST(ArtworkPictures, StatusCarsCarryTheirColours)
{
    QList<QColor> paint;
    for (int s = 0; s < 4; ++s) {
        const QIcon icon = Pictures::statusIcon(s);
        ASSERT_FALSE(icon.isNull()) << s;
        const QImage image = iconImage(icon, 16);
        EXPECT_EQ(image.size(), QSize(16, 16));
        paint << dominantColour(image);
    }
    EXPECT_TRUE(Pictures::statusIcon(-1).isNull());
    EXPECT_TRUE(Pictures::statusIcon(4).isNull());

    const auto hue = [](const QColor &c) { return c.hsvHue(); };
    EXPECT_GT(hue(paint[0]), 200); // blue: not taken
    EXPECT_LT(hue(paint[0]), 250);
    EXPECT_GT(hue(paint[1]), 90);  // green: exam passed
    EXPECT_LT(hue(paint[1]), 150);
    EXPECT_TRUE(hue(paint[2]) < 12 || hue(paint[2]) > 345); // red: failed
    EXPECT_GT(hue(paint[3]), 20);  // orange: passed in training
    EXPECT_LT(hue(paint[3]), 45);
}

TEST(ArtworkPictures, MarksAndGlyphsAreDistinctSixteenPixelPictures)
{
    EXPECT_TRUE(Pictures::markIcon(-1).isNull());
    EXPECT_TRUE(Pictures::markIcon(3).isNull());
    const QColor wrong = dominantColour(iconImage(Pictures::markIcon(1), 16));
    const QColor right = dominantColour(iconImage(Pictures::markIcon(2), 16));
    EXPECT_GT(wrong.red(), wrong.green() + 100);
    EXPECT_GT(right.green(), right.red() + 100);

    QList<QImage> seen;
    const auto check = [&](const QIcon &icon, const char *what) {
        SCOPED_TRACE(what);
        ASSERT_FALSE(icon.isNull());
        const QImage image = iconImage(icon, 16).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 200;
        EXPECT_GT(opaque, 40);                        // something is drawn
        EXPECT_LT(qAlpha(image.pixel(0, 0)), 128);    // on a see-through ground
        EXPECT_LT(qAlpha(image.pixel(15, 0)), 128);
        for (const QImage &other : seen)
            EXPECT_NE(image, other);
        seen << image;
    };
    for (int m = 0; m < 3; ++m)
        check(Pictures::markIcon(m), "mark");
    const Pictures::Glyph all[] = {Pictures::Glyph::Help, Pictures::Glyph::Learning, Pictures::Glyph::Training,
                                   Pictures::Glyph::Exam, Pictures::Glyph::Manual, Pictures::Glyph::Reset,
                                   Pictures::Glyph::Digit1, Pictures::Glyph::Digit2, Pictures::Glyph::Digit3,
                                   Pictures::Glyph::Digit4, Pictures::Glyph::Digit5, Pictures::Glyph::Stop,
                                   Pictures::Glyph::Ok};
    for (Pictures::Glyph g : all)
        check(Pictures::glyph(g), "glyph");
    EXPECT_TRUE(Pictures::glyph(static_cast<Pictures::Glyph>(99)).isNull());

    const QColor digit = dominantColour(iconImage(Pictures::glyph(Pictures::Glyph::Digit3), 16));
    EXPECT_GT(digit.red(), digit.green() + 100);
    const QColor learning = dominantColour(iconImage(Pictures::glyph(Pictures::Glyph::Learning), 16));
    EXPECT_GT(learning.red(), learning.green());   // brown
    EXPECT_GT(learning.green(), learning.blue());
}

TEST(ArtworkHelp, HelpDocumentIsCopiedAsUtf8)
{
    const QByteArray source = readFile(QStringLiteral(HELP_SOURCE));
    const QByteArray copy = readFile(QStringLiteral(HELP_COPY));
    ASSERT_FALSE(source.isEmpty());
    EXPECT_EQ(copy, source);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(source);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(source.contains("<meta charset=\"utf-8\">"));
    for (const char *word : {"Обучение", "Тренировка", "Экзамен", "Справка", "Обнулить результаты"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
