#include "Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

QImage blank()
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

QPainterPath star(QPointF c, double outer, double inner, int points, double turnDegrees = -90)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = (turnDegrees + 180.0 * i / points) * Pi / 180.0;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// Text as an outline so it can be filled and stroked like any other shape.
QPainterPath centredText(const QString &text, const QFont &font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(centre - box.center());
}

void drawStar(QPainter &p, const QColor &light, const QColor &base, const QColor &edge)
{
    const QPainterPath s = star(QPointF(8, 8.6), 7.6, 3.2, 5);
    QRadialGradient g(QPointF(6.5, 6.5), 8);
    g.setColorAt(0.0, light);
    g.setColorAt(1.0, base);
    p.setBrush(g);
    p.setPen(QPen(edge, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(s);
}

QImage questionTile()
{
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    QLinearGradient face(0, 1, 0, 15);
    face.setColorAt(0.0, QColor(255, 255, 255));
    face.setColorAt(1.0, QColor(200, 204, 214));
    p.setBrush(face);
    p.setPen(QPen(QColor(110, 116, 130), 1.0));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
    QFont font(Art::sansFamily());
    font.setPixelSize(12);
    font.setBold(true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 70, 190));
    p.drawPath(centredText(QStringLiteral("?"), font, QPointF(8, 8)));
    return image;
}

QImage helpGlyph()
{
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const double a = (30 + 60 * i) * Pi / 180.0;
        hex << QPointF(8 + 7.4 * std::cos(a), 8 + 7.4 * std::sin(a));
    }
    QRadialGradient g(QPointF(6, 5), 10);
    g.setColorAt(0.0, QColor(120, 175, 255));
    g.setColorAt(1.0, QColor(15, 55, 170));
    p.setBrush(g);
    p.setPen(QPen(QColor(10, 30, 100), 0.9));
    p.drawPolygon(hex);
    QFont font(Art::sansFamily());
    font.setPixelSize(12);
    font.setBold(true);
    const QPainterPath mark = centredText(QStringLiteral("?"), font, QPointF(8, 8));
    p.setPen(QPen(QColor(60, 40, 0), 1.2));
    p.setBrush(QColor(255, 220, 0));
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.drawPath(mark);
    return image;
}

QImage learningGlyph()
{
    QImage image = blank();
    QPainter p(&image);
    Art::drawCarFront(p, QRectF(0, 0, 16, 16), QColor(140, 82, 36));
    return image;
}

QImage trainingGlyph()
{
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    QRadialGradient g(QPointF(7, 7), 8);
    g.setColorAt(0.0, QColor(255, 110, 70));
    g.setColorAt(1.0, QColor(190, 10, 0));
    p.setBrush(g);
    p.setPen(QPen(QColor(110, 0, 0), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(star(QPointF(8, 8), 7.8, 4.6, 10, -90));
    QPolygonF bolt;
    bolt << QPointF(9.6, 1.8) << QPointF(4.6, 9.0) << QPointF(7.6, 9.0) << QPointF(6.2, 14.4)
         << QPointF(11.6, 6.6) << QPointF(8.6, 6.6) << QPointF(10.4, 1.8);
    p.setBrush(QColor(255, 235, 40));
    p.setPen(QPen(QColor(120, 60, 0), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(bolt);
    return image;
}

QImage examGlyph()
{
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    const QPointF c(8, 8);
    const double r = 7.0, h = r / 2;
    QPainterPath whole;
    whole.addEllipse(c, r, r);
    QPainterPath right;
    right.addRect(QRectF(c.x(), c.y() - r - 1, r + 1, 2 * r + 2));
    QPainterPath upper, lower;
    upper.addEllipse(QPointF(c.x(), c.y() - h), h, h);
    lower.addEllipse(QPointF(c.x(), c.y() + h), h, h);
    const QPainterPath red = whole.intersected(right).united(lower).subtracted(upper);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 245));
    p.drawPath(whole);
    QRadialGradient g(QPointF(10, 6), 9);
    g.setColorAt(0.0, QColor(255, 80, 60));
    g.setColorAt(1.0, QColor(180, 0, 0));
    p.setBrush(g);
    p.drawPath(red);
    p.setBrush(QColor(255, 250, 245));
    p.drawEllipse(QPointF(c.x(), c.y() + h), 1.3, 1.3);
    p.setBrush(QColor(200, 10, 0));
    p.drawEllipse(QPointF(c.x(), c.y() - h), 1.3, 1.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 0, 0), 1.0));
    p.drawEllipse(c, r, r);
    return image;
}

QImage manualGlyph()
{
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    QLinearGradient tile(0, 0, 0, 16);
    tile.setColorAt(0.0, QColor(90, 150, 255));
    tile.setColorAt(1.0, QColor(20, 60, 180));
    p.setBrush(tile);
    p.setPen(QPen(QColor(10, 30, 110), 1.0));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);

    // Handset resting on the cradle.
    QPainterPath handset;
    handset.moveTo(2.2, 6.6);
    handset.cubicTo(2.2, 2.4, 13.8, 2.4, 13.8, 6.6);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(handset);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 5.5, 4, 2.6), 1, 1);
    p.drawRoundedRect(QRectF(10.5, 5.5, 4, 2.6), 1, 1);
    // Body with the dial.
    QPainterPath base;
    base.moveTo(5, 7.5);
    base.lineTo(11, 7.5);
    base.lineTo(13.5, 13.5);
    base.lineTo(2.5, 13.5);
    base.closeSubpath();
    p.drawPath(base);
    p.setBrush(QColor(30, 70, 190));
    p.drawEllipse(QPointF(8, 10.8), 1.7, 1.7);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 10.8), 0.6, 0.6);
    return image;
}

QImage resetGlyph()
{
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    const QColor base(125, 72, 30), light(185, 120, 60), edge(70, 36, 10);
    auto fill = [&](QPointF c, double rx, double ry, double turn) {
        p.save();
        p.translate(c);
        p.rotate(turn);
        QRadialGradient g(QPointF(-rx / 3, -ry / 3), std::max(rx, ry) * 1.4);
        g.setColorAt(0.0, light);
        g.setColorAt(1.0, base);
        p.setBrush(g);
        p.setPen(QPen(edge, 0.7));
        p.drawEllipse(QPointF(0, 0), rx, ry);
        p.restore();
    };
    // Palm pad: a rounded triangle made of three overlapping circles.
    QPainterPath pad;
    pad.addEllipse(QPointF(8, 11.2), 4.2, 3.4);
    pad.addEllipse(QPointF(5.6, 12.6), 2.3, 2.1);
    pad.addEllipse(QPointF(10.4, 12.6), 2.3, 2.1);
    pad = pad.simplified();
    QRadialGradient g(QPointF(7, 10), 6);
    g.setColorAt(0.0, light);
    g.setColorAt(1.0, base);
    p.setBrush(g);
    p.setPen(QPen(edge, 0.7));
    p.drawPath(pad);
    fill(QPointF(2.6, 7.0), 1.6, 2.1, -25);
    fill(QPointF(5.7, 3.6), 1.7, 2.2, -8);
    fill(QPointF(10.3, 3.6), 1.7, 2.2, 8);
    fill(QPointF(13.4, 7.0), 1.6, 2.1, 25);
    return image;
}

QImage digitGlyph(int digit)
{
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    QFont font(Art::sansFamily());
    font.setPixelSize(16);
    font.setBold(true);
    const QPainterPath path = centredText(QString::number(digit), font, QPointF(8, 8));
    QLinearGradient g(0, 1, 0, 15);
    g.setColorAt(0.0, QColor(255, 60, 50));
    g.setColorAt(1.0, QColor(190, 0, 0));
    p.setPen(QPen(QColor(110, 0, 0), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(path);
    return image;
}

QImage stopGlyph()
{
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    const QPointF c(8, 8);
    // The disc behind: yellow in the upper left, green in the lower right.
    QPainterPath disc;
    disc.addEllipse(c, 7.6, 7.6);
    QPainterPath half;
    half.moveTo(-2, 18);
    half.lineTo(18, -2);
    half.lineTo(18, 18);
    half.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 0));
    p.drawPath(disc);
    p.setBrush(QColor(40, 170, 40));
    p.drawPath(disc.intersected(half));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 0), 0.7));
    p.drawEllipse(c, 7.6, 7.6);
    // The no-entry sign.
    QRadialGradient g(QPointF(6.8, 6.6), 6.5);
    g.setColorAt(0.0, QColor(255, 70, 60));
    g.setColorAt(1.0, QColor(200, 0, 0));
    p.setBrush(g);
    p.setPen(QPen(Qt::white, 0.8));
    p.drawEllipse(c, 5.4, 5.4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.3, 7.0, 7.4, 2.0));
    return image;
}

QImage okGlyph()
{
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    const QPointF pts[] = {{1.6, 9.5}, {4.6, 3.5}, {7.6, 12.5}, {10.6, 3.5}, {14.4, 11.5}};
    const QColor colours[] = {QColor(230, 30, 30), QColor(255, 190, 0), QColor(30, 170, 40), QColor(30, 90, 230)};
    QPainterPath all;
    all.moveTo(pts[0]);
    for (int i = 1; i < 5; ++i)
        all.lineTo(pts[i]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 40), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(all);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(colours[i], 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(pts[i], pts[i + 1]);
    }
    return image;
}

} // namespace

QImage Art::markIcon(int mark)
{
    if (mark == 0)
        return questionTile();
    QImage image = blank();
    QPainter p(&image);
    prepare(p);
    if (mark == 1)
        drawStar(p, QColor(255, 120, 110), QColor(205, 0, 0), QColor(110, 0, 0));
    else
        drawStar(p, QColor(140, 255, 140), QColor(20, 160, 30), QColor(0, 80, 10));
    return image;
}

QList<Art::NamedImage> Art::glyphs()
{
    QList<NamedImage> list;
    list.append({QStringLiteral("help"), helpGlyph()});
    list.append({QStringLiteral("learning"), learningGlyph()});
    list.append({QStringLiteral("training"), trainingGlyph()});
    list.append({QStringLiteral("exam"), examGlyph()});
    list.append({QStringLiteral("manual"), manualGlyph()});
    list.append({QStringLiteral("reset"), resetGlyph()});
    for (int d = 1; d <= 5; ++d)
        list.append({QStringLiteral("digit%1").arg(d), digitGlyph(d)});
    list.append({QStringLiteral("stop"), stopGlyph()});
    list.append({QStringLiteral("ok"), okGlyph()});
    return list;
}
