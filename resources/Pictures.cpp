#include "Pictures.h"

#include "Jpeg.h"

#include <QFile>
#include <QString>

#include <array>

// The pictures are compiled into this static library; registering them here keeps the
// linker from dropping them, since nothing else refers to the generated code.
static void registerArtwork()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    (void)done;
}

namespace {

QString artPath(const QString &name)
{
    return QStringLiteral(":/art/") + name;
}

// Every JPEG goes through our libjpeg decoder, like the question pictures.
QImage decodeResource(const QString &name)
{
    registerArtwork();
    QFile file(artPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return decodeJpeg(reinterpret_cast<const unsigned char *>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
}

QIcon iconFile(const QString &name)
{
    registerArtwork();
    const QString path = artPath(name);
    if (!QFile::exists(path))
        return {};
    return QIcon(path);
}

} // namespace

namespace Pictures {

QImage speedometerFrame(int n)
{
    if (n < 0 || n >= SpeedometerFrameCount)
        return {};
    static std::array<QImage, SpeedometerFrameCount> frames;
    QImage &frame = frames[static_cast<std::size_t>(n)];
    if (frame.isNull())
        frame = decodeResource(QStringLiteral("frame%1.jpg").arg(n, 2, 10, QLatin1Char('0')));
    return frame;
}

QImage banner()
{
    static QImage picture;
    if (picture.isNull())
        picture = decodeResource(QStringLiteral("banner.jpg"));
    return picture;
}

QPixmap car()
{
    registerArtwork();
    return QPixmap(artPath(QStringLiteral("car.png")));
}

QIcon programIcon()
{
    QIcon icon = iconFile(QStringLiteral("icon.png"));
    // The 16-pixel blue car is the same picture drawn for the small size.
    if (!icon.isNull())
        icon.addFile(artPath(QStringLiteral("status0.png")));
    return icon;
}

QIcon statusIcon(int status)
{
    if (status < 0 || status > 3)
        return {};
    return iconFile(QStringLiteral("status%1.png").arg(status));
}

QIcon markIcon(int mark)
{
    if (mark < 0 || mark > 2)
        return {};
    return iconFile(QStringLiteral("mark%1.png").arg(mark));
}

QIcon glyph(Glyph which)
{
    static const char *const names[] = {"help", "learning", "training", "exam", "manual", "reset",
                                        "digit1", "digit2", "digit3", "digit4", "digit5", "stop", "ok"};
    const int i = static_cast<int>(which);
    if (i < 0 || i >= static_cast<int>(std::size(names)))
        return {};
    return iconFile(QString::fromLatin1(names[i]) + QStringLiteral(".png"));
}

} // namespace Pictures
