#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// Full detail, in a 100 x 100 box.
void drawDetailed(QPainter &p, const QColor &body)
{
    const QColor light = body.lighter(150), dark = body.darker(220), outline = body.darker(320);

    // Shadow on the road.
    QRadialGradient shade(QPointF(50, 91), 46);
    shade.setColorAt(0.0, QColor(0, 0, 0, 110));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(50, 91), 46, 6);

    // Tyres.
    QLinearGradient rubber(0, 70, 0, 92);
    rubber.setColorAt(0.0, QColor(60, 60, 64));
    rubber.setColorAt(1.0, QColor(12, 12, 14));
    p.setBrush(rubber);
    p.drawRoundedRect(QRectF(11, 68, 16, 23), 3.5, 3.5);
    p.drawRoundedRect(QRectF(73, 68, 16, 23), 3.5, 3.5);

    // Cabin: roof and pillars.
    QPainterPath cabin;
    cabin.moveTo(27, 13);
    cabin.cubicTo(35, 9.5, 65, 9.5, 73, 13);
    cabin.lineTo(86, 46);
    cabin.lineTo(14, 46);
    cabin.closeSubpath();
    QLinearGradient roof(0, 10, 0, 46);
    roof.setColorAt(0.0, light);
    roof.setColorAt(1.0, body);
    p.setBrush(roof);
    p.setPen(QPen(outline, 1.0));
    p.drawPath(cabin);

    // Windscreen with a sky reflection.
    QPainterPath glass;
    glass.moveTo(30, 16.5);
    glass.cubicTo(38, 14, 62, 14, 70, 16.5);
    glass.lineTo(80.5, 42);
    glass.lineTo(19.5, 42);
    glass.closeSubpath();
    QLinearGradient sky(0, 15, 0, 42);
    sky.setColorAt(0.0, QColor(214, 236, 255));
    sky.setColorAt(0.55, QColor(120, 165, 210));
    sky.setColorAt(1.0, QColor(40, 62, 96));
    p.setBrush(sky);
    p.setPen(QPen(QColor(25, 30, 40), 0.8));
    p.drawPath(glass);
    QPainterPath streak;
    streak.moveTo(36, 16);
    streak.lineTo(46, 16);
    streak.lineTo(34, 41);
    streak.lineTo(26, 41);
    streak.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(streak.intersected(glass), QColor(255, 255, 255, 70));
    // Rear-view mirror and wipers.
    p.setBrush(QColor(30, 34, 44));
    p.drawRoundedRect(QRectF(45, 18, 10, 3.5), 1.5, 1.5);
    p.setPen(QPen(QColor(20, 20, 24), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 41.5), QPointF(45, 38));
    p.drawLine(QPointF(56, 41.5), QPointF(71, 38));

    // Side mirrors.
    p.setPen(QPen(outline, 0.8));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(5, 36, 10, 7), 2.5, 2.5);
    p.drawRoundedRect(QRectF(85, 36, 10, 7), 2.5, 2.5);

    // Main body: bonnet edge, wings, front panel.
    QPainterPath shell;
    shell.moveTo(14, 45);
    shell.lineTo(86, 45);
    shell.cubicTo(92, 47, 94, 52, 94, 58);
    shell.lineTo(94, 78);
    shell.cubicTo(94, 81, 92, 83, 89, 83);
    shell.lineTo(11, 83);
    shell.cubicTo(8, 83, 6, 81, 6, 78);
    shell.lineTo(6, 58);
    shell.cubicTo(6, 52, 8, 47, 14, 45);
    shell.closeSubpath();
    QLinearGradient paint(0, 45, 0, 83);
    paint.setColorAt(0.0, light);
    paint.setColorAt(0.25, body);
    paint.setColorAt(1.0, dark);
    p.setBrush(paint);
    p.setPen(QPen(outline, 1.0));
    p.drawPath(shell);
    // Bonnet crease highlight.
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    p.drawLine(QPointF(18, 48), QPointF(82, 48));

    // Headlights.
    for (double x : {10.0, 67.0}) {
        QRectF lamp(x, 53, 23, 10);
        QPainterPath shape;
        shape.addRoundedRect(lamp, 4, 4);
        QRadialGradient beam(lamp.center() - QPointF(3, 1), 12);
        beam.setColorAt(0.0, QColor(255, 255, 255));
        beam.setColorAt(0.5, QColor(255, 248, 200));
        beam.setColorAt(1.0, QColor(190, 180, 140));
        p.setBrush(beam);
        p.setPen(QPen(QColor(210, 214, 222), 1.4));
        p.drawPath(shape);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 170, 40));
        const double ix = x < 50 ? x + 1.8 : x + 17.2;
        p.drawRoundedRect(QRectF(ix, 55.5, 4, 5), 1.5, 1.5);
    }

    // Grille with chrome surround and slats.
    QRectF grille(36, 53, 28, 12);
    p.setBrush(QColor(22, 24, 30));
    p.setPen(QPen(QColor(200, 204, 212), 1.5));
    p.drawRoundedRect(grille, 3, 3);
    p.setPen(QPen(QColor(150, 155, 165), 1.0));
    for (double y = 56; y < 64; y += 2.6)
        p.drawLine(QPointF(38.5, y), QPointF(61.5, y));
    QRadialGradient badge(QPointF(49, 57.5), 4);
    badge.setColorAt(0.0, QColor(255, 255, 255));
    badge.setColorAt(1.0, QColor(150, 155, 165));
    p.setBrush(badge);
    p.setPen(QPen(QColor(80, 84, 92), 0.6));
    p.drawEllipse(QPointF(50, 59), 3.2, 3.2);

    // Bumper, air intake, fog lamps and the number plate.
    QLinearGradient bumper(0, 67, 0, 83);
    bumper.setColorAt(0.0, QColor(80, 84, 92));
    bumper.setColorAt(1.0, QColor(30, 32, 38));
    p.setBrush(bumper);
    p.setPen(QPen(QColor(20, 20, 24), 0.8));
    p.drawRoundedRect(QRectF(7, 67, 86, 15), 5, 5);
    p.setBrush(QColor(14, 14, 18));
    p.drawRoundedRect(QRectF(30, 76.5, 40, 4), 1.5, 1.5);
    for (double x : {16.0, 84.0}) {
        QRadialGradient fog(QPointF(x, 74), 3.5);
        fog.setColorAt(0.0, QColor(255, 255, 230));
        fog.setColorAt(1.0, QColor(200, 190, 120));
        p.setBrush(fog);
        p.setPen(QPen(QColor(160, 165, 175), 0.6));
        p.drawEllipse(QPointF(x, 74), 3.2, 3.2);
    }
    p.setBrush(QColor(250, 250, 250));
    p.setPen(QPen(QColor(20, 20, 24), 0.8));
    p.drawRoundedRect(QRectF(37, 68.5, 26, 7), 1, 1);
    p.setPen(QPen(QColor(40, 40, 50), 1.0));
    for (double x = 40; x < 60; x += 3.4)
        p.drawLine(QPointF(x, 70.5), QPointF(x + 1.6, 70.5 + 3));
}

// For the 32-pixel icon: the shapes of the big picture, fewer of them.
void drawMedium(QPainter &p, const QColor &body)
{
    const QColor light = body.lighter(155), dark = body.darker(200), outline = body.darker(330);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 24));
    p.drawRoundedRect(QRectF(3.5, 23, 6.5, 7.5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(22, 23, 6.5, 7.5), 1.5, 1.5);

    QPainterPath cabin;
    cabin.moveTo(8.5, 4);
    cabin.lineTo(23.5, 4);
    cabin.lineTo(28, 15);
    cabin.lineTo(4, 15);
    cabin.closeSubpath();
    p.setBrush(body);
    p.setPen(QPen(outline, 1.0));
    p.drawPath(cabin);
    QPainterPath glass;
    glass.moveTo(10, 6);
    glass.lineTo(22, 6);
    glass.lineTo(25, 13.5);
    glass.lineTo(7, 13.5);
    glass.closeSubpath();
    QLinearGradient sky(0, 6, 0, 14);
    sky.setColorAt(0.0, QColor(225, 242, 255));
    sky.setColorAt(1.0, QColor(70, 110, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(glass);

    QLinearGradient paint(0, 14, 0, 27);
    paint.setColorAt(0.0, light);
    paint.setColorAt(0.3, body);
    paint.setColorAt(1.0, dark);
    p.setBrush(paint);
    p.setPen(QPen(outline, 1.0));
    p.drawRoundedRect(QRectF(1.5, 14.5, 29, 12.5), 3, 3);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 200));
    p.drawRoundedRect(QRectF(3.5, 17, 7, 3.5), 1.2, 1.2);
    p.drawRoundedRect(QRectF(21.5, 17, 7, 3.5), 1.2, 1.2);
    p.setBrush(QColor(25, 25, 32));
    p.drawRoundedRect(QRectF(12, 17, 8, 4), 1, 1);
    p.setBrush(QColor(240, 240, 240));
    p.drawRect(QRectF(12.5, 23, 7, 2.5));
}

// For 16-pixel icons: laid out on whole pixels so the edges stay sharp.
void drawSmall(QPainter &p, const QColor &body)
{
    const QColor light = body.lighter(150), outline = body.darker(300);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    // Wheels.
    p.setBrush(QColor(20, 20, 24));
    p.drawRect(2, 12, 3, 3);
    p.drawRect(11, 12, 3, 3);
    // Cabin outline and glass.
    p.setBrush(outline);
    QPolygon cabin;
    cabin << QPoint(4, 2) << QPoint(12, 2) << QPoint(14, 7) << QPoint(2, 7);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawPolygon(cabin);
    p.setBrush(QColor(190, 225, 255));
    QPolygonF glass;
    glass << QPointF(5, 3.2) << QPointF(11, 3.2) << QPointF(12.5, 7) << QPointF(3.5, 7);
    p.drawPolygon(glass);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Body.
    p.setBrush(outline);
    p.drawRect(1, 7, 14, 6);
    p.setBrush(body);
    p.drawRect(2, 8, 12, 4);
    p.setBrush(light);
    p.drawRect(2, 8, 12, 1);
    // Headlights and grille.
    p.setBrush(QColor(255, 245, 170));
    p.drawRect(2, 9, 3, 2);
    p.drawRect(11, 9, 3, 2);
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(6, 9, 4, 2);
}

} // namespace

void Art::drawCarFront(QPainter &p, const QRectF &rect, const QColor &body)
{
    p.save();
    p.translate(rect.topLeft());
    if (rect.width() >= 64) {
        p.scale(rect.width() / 100.0, rect.height() / 100.0);
        drawDetailed(p, body);
    } else if (rect.width() >= 24) {
        p.scale(rect.width() / 32.0, rect.height() / 32.0);
        drawMedium(p, body);
    } else {
        p.scale(rect.width() / 16.0, rect.height() / 16.0);
        drawSmall(p, body);
    }
    p.restore();
}

QImage Art::carPicture()
{
    QImage image(192, 192, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawCarFront(p, QRectF(0, 0, 192, 192), QColor(30, 90, 210));
    return image;
}

QImage Art::programIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawCarFront(p, QRectF(0, 0, 32, 32), QColor(30, 90, 210));
    return image;
}

QImage Art::statusIcon(int status)
{
    static const QColor colours[] = {QColor(30, 90, 220), QColor(30, 170, 50), QColor(215, 30, 30),
                                     QColor(245, 140, 20)};
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawCarFront(p, QRectF(0, 0, 16, 16), colours[status]);
    return image;
}
