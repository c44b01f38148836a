#include "Artwork.h"

#include <QDir>
#include <QFont>
#include <QPainter>

namespace {

QImage load(const QDir &dir, const QString &name, QString *error)
{
    QImage image(dir.filePath(name));
    if (image.isNull())
        *error = QStringLiteral("cannot read %1").arg(dir.filePath(name));
    return image;
}

void label(QPainter &p, int x, int y, const QString &text)
{
    p.setPen(QColor(200, 200, 200));
    p.drawText(x, y, text);
}

} // namespace

// Three sheets: the dial frames at their own size and enlarged, the main window's
// top row as it will be seen, and the small pictures enlarged on light and dark grounds.
bool Art::writeContactSheets(const QString &artDir, const QString &sheetDir, QString *error)
{
    const QDir in(artDir), out(sheetDir);
    if (!QDir().mkpath(out.path())) {
        *error = QStringLiteral("cannot create %1").arg(out.path());
        return false;
    }
    QFont font(sansFamily());
    font.setPixelSize(11);

    {
        QImage sheet(11 * 140 + 10, 2 * 225 + 20 + 3 * 209 * 2 / 2 + 420, QImage::Format_RGB32);
        sheet.fill(QColor(60, 60, 64));
        QPainter p(&sheet);
        p.setFont(font);
        for (int n = 0; n < 22; ++n) {
            const QImage f = load(in, QStringLiteral("frame%1.jpg").arg(n, 2, 10, QLatin1Char('0')), error);
            if (f.isNull())
                return false;
            const int x = 10 + (n % 11) * 140, y = 20 + (n / 11) * 225;
            p.drawImage(x, y, f);
            label(p, x, y - 4, QStringLiteral("frame %1").arg(n));
        }
        int x = 10;
        for (int n : {0, 8, 14, 21}) {
            const QImage f = load(in, QStringLiteral("frame%1.jpg").arg(n, 2, 10, QLatin1Char('0')), error);
            p.drawImage(QRect(x, 480, 133 * 3, 209 * 3), f);
            x += 133 * 3 + 10;
            if (x > sheet.width() - 133 * 3)
                break;
        }
        p.end();
        if (!sheet.save(out.filePath(QStringLiteral("sheet-dials.png")))) {
            *error = QStringLiteral("cannot write the dial sheet");
            return false;
        }
    }

    {
        const QImage banner = load(in, QStringLiteral("banner.jpg"), error);
        const QImage dial = load(in, QStringLiteral("frame12.jpg"), error);
        const QImage car = load(in, QStringLiteral("car.png"), error);
        if (banner.isNull() || dial.isNull() || car.isNull())
            return false;
        QImage sheet(722 * 2 + 20, 209 * 2 + 240, QImage::Format_RGB32);
        sheet.fill(Qt::black);
        QPainter p(&sheet);
        p.drawImage(QRect(0, 0, 588 * 2, 209 * 2), banner);
        p.drawImage(QRect(588 * 2, 0, 133 * 2, 209 * 2), dial);
        p.fillRect(QRect(0, 209 * 2 + 10, sheet.width(), 230), QColor(212, 208, 200));
        p.drawImage(20, 209 * 2 + 25, car);
        p.drawImage(QRect(240, 209 * 2 + 60, 105, 104), car.scaled(105, 104, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        p.end();
        if (!sheet.save(out.filePath(QStringLiteral("sheet-main.png")))) {
            *error = QStringLiteral("cannot write the main sheet");
            return false;
        }
    }

    {
        QStringList names = {QStringLiteral("icon")};
        for (int s = 0; s < 4; ++s)
            names << QStringLiteral("status%1").arg(s);
        for (int m = 0; m < 3; ++m)
            names << QStringLiteral("mark%1").arg(m);
        for (const NamedImage &g : glyphs())
            names << g.name;
        const int cell = 84;
        const int perRow = 10;
        const int rows = (static_cast<int>(names.size()) + perRow - 1) / perRow;
        QImage sheet(perRow * cell + 20, rows * (cell * 2 + 30) + 20, QImage::Format_RGB32);
        sheet.fill(QColor(212, 208, 200));
        QPainter p(&sheet);
        p.setFont(font);
        for (int i = 0; i < names.size(); ++i) {
            const QImage img = load(in, names[i] + QStringLiteral(".png"), error);
            if (img.isNull())
                return false;
            const int x = 10 + (i % perRow) * cell, y = 10 + (i / perRow) * (cell * 2 + 30);
            const int scale = img.width() >= 32 ? 2 : 4;
            p.fillRect(QRect(x, y + cell, cell - 6, cell), QColor(30, 30, 34));
            p.drawImage(QRect(x, y, img.width() * scale, img.height() * scale), img);
            p.drawImage(x + 4, y + cell + 4, img);
            p.drawImage(QRect(x + 4, y + cell + 24, img.width() * scale, img.height() * scale), img);
            p.setPen(Qt::black);
            p.drawText(x, y + 2 * cell + 16, names[i]);
        }
        p.end();
        if (!sheet.save(out.filePath(QStringLiteral("sheet-icons.png")))) {
            *error = QStringLiteral("cannot write the icon sheet");
            return false;
        }
    }
    return true;
}
