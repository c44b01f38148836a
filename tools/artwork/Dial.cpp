#include "Artwork.h"
#include "DialGeometry.h"

#include <QConicalGradient>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using namespace DialGeometry;

namespace {

const QPointF Centre(CentreX, CentreY);

QPointF at(double value, double r) { return {xAt(value, r), yAt(value, r)}; }

// A night road running away from the viewer; its far end hides behind the dial.
void drawRoad(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0.0, QColor(10, 14, 24));
    sky.setColorAt(0.4, QColor(24, 29, 42));
    sky.setColorAt(1.0, QColor(30, 32, 36));
    p.fillRect(QRectF(0, 0, Width, Height), sky);

    const double vx = CentreX, vy = 92.0;
    const double half = 150.0;   // half the road's width at the bottom edge
    auto x = [&](double lane, double y) { return vx + lane * half * (y - vy) / (Height - vy); };

    QPainterPath road;
    road.moveTo(x(-1, vy), vy);
    road.lineTo(x(-1, Height), Height);
    road.lineTo(x(1, Height), Height);
    road.closeSubpath();
    QLinearGradient asphalt(0, vy, 0, Height);
    asphalt.setColorAt(0.0, QColor(62, 64, 70));
    asphalt.setColorAt(1.0, QColor(38, 39, 43));
    p.fillPath(road, asphalt);

    // Solid edges and two dashed lane lines, so nothing stands right under the dial.
    p.setPen(QPen(QColor(215, 215, 205, 170), 1.6));
    for (double lane : {-0.86, 0.86})
        p.drawLine(QPointF(x(lane, vy), vy), QPointF(x(lane, Height), Height));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 225, 215, 190));
    for (double lane : {-0.3, 0.3}) {
        for (double t = 0.2; t < 1.2; t += 0.3) {
            const double y0 = vy + (Height - vy) * t, y1 = y0 + 11.0 * t;
            const double w0 = 0.6 + 2.4 * t, w1 = 0.6 + 2.4 * (y1 - vy) / (Height - vy);
            QPolygonF dash;
            dash << QPointF(x(lane, y0) - w0 / 2, y0) << QPointF(x(lane, y0) + w0 / 2, y0)
                 << QPointF(x(lane, y1) + w1 / 2, y1) << QPointF(x(lane, y1) - w1 / 2, y1);
            p.drawPolygon(dash);
        }
    }
}

void drawCaption(QPainter &p)
{
    QFont font(Art::sansFamily());
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    const char *lines[] = {"Разрешенная", "максимальная", "скорость"};
    for (int i = 0; i < 3; ++i) {
        const QRectF box(0, 2 + i * 15, Width, 15);
        const QString text = QString::fromUtf8(lines[i]);
        p.setPen(QColor(0, 0, 0, 200));
        p.drawText(box.translated(1, 1), Qt::AlignCenter, text);
        p.setPen(QColor(255, 214, 0));
        p.drawText(box, Qt::AlignCenter, text);
    }
}

QColor bandColour(double value)
{
    // Red at a standstill, through amber to green at full speed: the higher the better.
    const double t = value / FullScale;
    const double hue = 0.0 + 120.0 * t;
    return QColor::fromHsvF(hue / 360.0, 0.85, 0.9);
}

void drawDialFace(QPainter &p)
{
    // Drop shadow under the whole instrument.
    QRadialGradient shadow(Centre + QPointF(0, 3), Radius + 4);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 160));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(Centre + QPointF(0, 3), Radius + 4, Radius + 4);

    // Chrome bezel.
    QLinearGradient chrome(CentreX - Radius, CentreY - Radius, CentreX + Radius, CentreY + Radius);
    chrome.setColorAt(0.0, QColor(250, 250, 252));
    chrome.setColorAt(0.45, QColor(150, 155, 165));
    chrome.setColorAt(0.55, QColor(120, 124, 132));
    chrome.setColorAt(1.0, QColor(40, 42, 48));
    p.setBrush(chrome);
    p.drawEllipse(Centre, Radius, Radius);
    QLinearGradient inner(CentreX + Radius, CentreY + Radius, CentreX - Radius, CentreY - Radius);
    inner.setColorAt(0.0, QColor(220, 222, 228));
    inner.setColorAt(1.0, QColor(50, 52, 58));
    p.setBrush(inner);
    p.drawEllipse(Centre, Radius - 3, Radius - 3);

    // Dark face, a little lighter in the middle.
    QRadialGradient face(Centre - QPointF(0, 10), FaceRadius + 10);
    face.setColorAt(0.0, QColor(52, 60, 74));
    face.setColorAt(0.7, QColor(22, 26, 34));
    face.setColorAt(1.0, QColor(8, 10, 14));
    p.setBrush(face);
    p.drawEllipse(Centre, FaceRadius, FaceRadius);

    // Coloured band along the scale.
    for (double v = 0; v < FullScale; v += 1.0) {
        QPainterPath seg;
        const double a0 = StartDegrees - SweepDegrees * v / FullScale;
        const double a1 = StartDegrees - SweepDegrees * (v + 1.2) / FullScale;
        const double r0 = 49.5, r1 = 53.5;
        seg.arcMoveTo(QRectF(CentreX - r1, CentreY - r1, 2 * r1, 2 * r1), a0);
        seg.arcTo(QRectF(CentreX - r1, CentreY - r1, 2 * r1, 2 * r1), a0, a1 - a0);
        seg.arcTo(QRectF(CentreX - r0, CentreY - r0, 2 * r0, 2 * r0), a1, a0 - a1);
        seg.closeSubpath();
        QColor c = bandColour(v);
        c.setAlpha(200);
        p.fillPath(seg, c);
    }

    // Ticks: long every 10, short every 5.
    for (int v = 0; v <= 100; v += 5) {
        const bool major = v % 10 == 0;
        p.setPen(QPen(QColor(245, 245, 245), major ? 2.0 : 1.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(at(v, major ? 43.5 : 47.5), at(v, 54.0));
    }

    // Numbers every 10.
    QFont font(Art::narrowFamily());
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(240, 240, 240));
    for (int v = 0; v <= 100; v += 10) {
        const double r = v == 100 || v == 0 ? 34.0 : 35.5;
        const QPointF c = at(v, r);
        p.drawText(QRectF(c.x() - 12, c.y() - 6, 24, 12), Qt::AlignCenter, QString::number(v));
    }

    QFont unit(Art::sansFamily());
    unit.setPixelSize(9);
    p.setFont(unit);
    p.setPen(QColor(170, 180, 195));
    p.drawText(QRectF(CentreX - 20, CentreY + 14, 40, 12), Qt::AlignCenter, QString::fromUtf8("км/ч"));
}

void drawNeedle(QPainter &p, double value)
{
    const double a = angleFor(value);
    const QPointF dir(std::cos(a), -std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    QPolygonF needle;
    needle << Centre + dir * NeedleLength
           << Centre + side * 2.6 + dir * 4
           << Centre + side * 1.8 - dir * 9
           << Centre - side * 1.8 - dir * 9
           << Centre - side * 2.6 + dir * 4;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPolygon(needle.translated(1.5, 2.0));

    QLinearGradient red(Centre + side * 2.6, Centre - side * 2.6);
    red.setColorAt(0.0, QColor(255, 80, 60));
    red.setColorAt(0.5, QColor(235, 20, 10));
    red.setColorAt(1.0, QColor(165, 0, 0));
    p.setBrush(red);
    p.setPen(QPen(QColor(90, 0, 0), 0.6));
    p.drawPolygon(needle);

    // Hub over the needle's root.
    QRadialGradient hub(Centre - QPointF(2, 2), HubRadius + 2);
    hub.setColorAt(0.0, QColor(255, 255, 255));
    hub.setColorAt(0.5, QColor(170, 172, 180));
    hub.setColorAt(1.0, QColor(60, 62, 70));
    p.setBrush(hub);
    p.setPen(QPen(QColor(20, 20, 24), 0.8));
    p.drawEllipse(Centre, HubRadius, HubRadius);
    p.setBrush(QColor(40, 40, 46));
    p.setPen(Qt::NoPen);
    p.drawEllipse(Centre, 2.2, 2.2);
}

void drawGlass(QPainter &p)
{
    QPainterPath glass;
    glass.addEllipse(Centre, FaceRadius, FaceRadius);
    QPainterPath upper;
    upper.addEllipse(QPointF(CentreX - 8, CentreY - 30), 50, 32);
    QLinearGradient shine(0, CentreY - FaceRadius, 0, CentreY);
    shine.setColorAt(0.0, QColor(255, 255, 255, 46));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(glass.intersected(upper), shine);
}

} // namespace

QImage Art::dialFrame(int n)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    drawRoad(p);
    drawCaption(p);
    drawDialFace(p);
    drawNeedle(p, valueOfFrame(n));
    drawGlass(p);
    p.end();
    return image;
}
