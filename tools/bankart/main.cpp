// Draws the sample bank's pictures: road signs beside a road, and a few road situations
// seen from above. Run by hand; the JPEGs it writes are kept in bank/pictures/.
//   QT_QPA_PLATFORM=offscreen bankart <out-dir> [quality]
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The ticket window's picture frame.
constexpr int Width = 353;
constexpr int Height = 137;

const QColor SignRed(200, 30, 35);
const QColor SignBlue(20, 80, 170);
const QColor SignYellow(250, 200, 20);
const QColor Ink(25, 25, 25);
const QColor Asphalt(110, 112, 116);
const QColor Grass(118, 170, 84);

// Sign placement on the roadside pictures: centre and the sign's half size.
const QPointF SignCentre(262, 50);
constexpr double SignHalf = 40;

QFont boldFont(double pixels)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(static_cast<int>(pixels));
    return f;
}

// Sky, fields and a road running off to the horizon, with a post for the sign.
void roadside(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(120, 180, 235));
    sky.setColorAt(1, QColor(215, 235, 250));
    p.fillRect(0, 0, Width, 90, sky);
    p.fillRect(0, 86, Width, Height - 86, Grass);
    // Far tree line.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 120, 60));
    for (int x = -10; x < Width; x += 22)
        p.drawEllipse(QPointF(x + 8, 87), 16, 7 + (x * 7 % 5));
    p.fillRect(0, 87, Width, 3, QColor(70, 120, 60));
    // The road.
    QPolygonF road;
    road << QPointF(20, Height) << QPointF(205, Height) << QPointF(118, 89) << QPointF(106, 89);
    p.setBrush(Asphalt);
    p.drawPolygon(road);
    p.setPen(QPen(Qt::white, 1.5));
    for (int i = 0; i < 5; ++i) {
        const double t0 = 0.08 + i * 0.2;
        const double t1 = t0 + 0.09;
        auto at = [](double t) { return QPointF(112 + (112.5 - 112) * t, 89 + (Height - 89) * t * t); };
        p.drawLine(at(t0), at(t1));
    }
    // Post.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 155));
    p.drawRect(QRectF(SignCentre.x() - 2.5, SignCentre.y() + SignHalf - 4, 5, Height - SignCentre.y() - SignHalf + 4 - 12));
}

// Everything inside a sign is drawn in a unit box of -1..1 around the sign's centre.
void inSign(QPainter &p, const std::function<void(QPainter &)> &draw, double scale = SignHalf)
{
    p.save();
    p.translate(SignCentre);
    p.scale(scale, scale);
    draw(p);
    p.restore();
}

QPen unitPen(const QColor &c, double w, Qt::PenCapStyle cap = Qt::FlatCap)
{
    return QPen(c, w, Qt::SolidLine, cap, Qt::MiterJoin);
}

void triangleSign(QPainter &p, bool pointDown, const std::function<void(QPainter &)> &content)
{
    inSign(p, [&](QPainter &q) {
        const double s = pointDown ? -1 : 1;
        QPolygonF tri;
        tri << QPointF(0, -0.95 * s) << QPointF(1.0, 0.8 * s) << QPointF(-1.0, 0.8 * s);
        q.setPen(QPen(Qt::white, 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        q.setBrush(Qt::white);
        q.drawPolygon(tri);
        q.setPen(QPen(SignRed, 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        q.drawPolygon(QTransform::fromScale(0.9, 0.9).map(tri).translated(0, 0.02 * s));
        q.setBrush(Qt::NoBrush);
        content(q);
    });
}

void roundSign(QPainter &p, const QColor &fill, const QColor &rim, const std::function<void(QPainter &)> &content)
{
    inSign(p, [&](QPainter &q) {
        q.setPen(Qt::NoPen);
        q.setBrush(Qt::white);
        q.drawEllipse(QPointF(0, 0), 1.0, 1.0);
        q.setBrush(rim);
        q.drawEllipse(QPointF(0, 0), 0.95, 0.95);
        q.setBrush(fill);
        const double inner = rim == fill ? 0.95 : 0.76;
        q.drawEllipse(QPointF(0, 0), inner, inner);
        content(q);
    });
}

void squareSign(QPainter &p, const QColor &fill, const std::function<void(QPainter &)> &content)
{
    inSign(p, [&](QPainter &q) {
        q.setPen(Qt::NoPen);
        q.setBrush(Qt::white);
        q.drawRoundedRect(QRectF(-0.95, -0.95, 1.9, 1.9), 0.12, 0.12);
        q.setBrush(fill);
        q.drawRoundedRect(QRectF(-0.87, -0.87, 1.74, 1.74), 0.08, 0.08);
        content(q);
    });
}

// A solid arrow head at tip, pointing along angle (degrees, 0 = right, 90 = down).
void arrowHead(QPainter &q, QPointF tip, double angle, double size, const QColor &c)
{
    const double a = angle * M_PI / 180.0;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    QPolygonF head;
    head << tip << tip - dir * size + side * size * 0.6 << tip - dir * size - side * size * 0.6;
    q.setPen(Qt::NoPen);
    q.setBrush(c);
    q.drawPolygon(head);
}

void straightArrow(QPainter &q, QPointF from, QPointF to, double width, double head, const QColor &c)
{
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF stop = to - d / len * head * 0.9;
    q.setPen(unitPen(c, width));
    q.drawLine(from, stop);
    arrowHead(q, to, std::atan2(d.y(), d.x()) * 180.0 / M_PI, head, c);
}

void stickFigure(QPainter &q, QPointF at, double h, const QColor &c)
{
    // A walker: head, body leaning forward, legs apart, one arm swinging.
    q.setPen(Qt::NoPen);
    q.setBrush(c);
    q.drawEllipse(at + QPointF(0.05 * h, -0.9 * h), 0.1 * h, 0.1 * h);
    q.setPen(QPen(c, 0.13 * h, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF hip = at + QPointF(0, -0.3 * h);
    const QPointF neck = at + QPointF(0.04 * h, -0.75 * h);
    q.drawLine(neck, hip);
    q.drawLine(hip, at + QPointF(-0.22 * h, 0));
    q.drawLine(hip, at + QPointF(0.22 * h, -0.02 * h));
    q.drawLine(neck + QPointF(0, 0.08 * h), at + QPointF(-0.22 * h, -0.4 * h));
    q.drawLine(neck + QPointF(0, 0.08 * h), at + QPointF(0.24 * h, -0.45 * h));
}

// A car seen from behind, for the overtaking signs.
void carRear(QPainter &q, QPointF centre, double w, const QColor &c)
{
    q.setPen(Qt::NoPen);
    q.setBrush(c);
    QPainterPath body;
    body.addRoundedRect(QRectF(centre.x() - w / 2, centre.y() - w * 0.15, w, w * 0.45), w * 0.08, w * 0.08);
    QPolygonF roof;
    roof << centre + QPointF(-w * 0.36, -w * 0.15) << centre + QPointF(-w * 0.26, -w * 0.5)
         << centre + QPointF(w * 0.26, -w * 0.5) << centre + QPointF(w * 0.36, -w * 0.15);
    body.addPolygon(roof);
    q.drawPath(body.simplified());
    q.drawRect(QRectF(centre.x() - w * 0.45, centre.y() + w * 0.25, w * 0.18, w * 0.2));
    q.drawRect(QRectF(centre.x() + w * 0.27, centre.y() + w * 0.25, w * 0.18, w * 0.2));
    q.setBrush(Qt::white);
    q.drawRect(QRectF(centre.x() - w * 0.2, centre.y() - w * 0.44, w * 0.4, w * 0.22));
}

// A car from above, nose pointing along angle (degrees, 0 = right, -90 = up).
void carTop(QPainter &p, QPointF centre, double angle, const QColor &c, double length = 34)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const double w = length * 0.5;
    p.setPen(QPen(c.darker(150), 1));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(-length / 2, -w / 2, length, w), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 80, 100));
    p.drawRoundedRect(QRectF(length * 0.08, -w * 0.4, length * 0.18, w * 0.8), 2, 2);  // windscreen
    p.drawRoundedRect(QRectF(-length * 0.38, -w * 0.38, length * 0.12, w * 0.76), 2, 2); // rear window
    p.setBrush(QColor(255, 240, 170));
    p.drawEllipse(QPointF(length / 2 - 2, -w * 0.32), 1.8, 1.8);
    p.drawEllipse(QPointF(length / 2 - 2, w * 0.32), 1.8, 1.8);
    p.restore();
}

void truckTop(QPainter &p, QPointF centre, double angle, const QColor &c)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(QPen(c.darker(160), 1));
    p.setBrush(QColor(210, 210, 200));
    p.drawRect(QRectF(-32, -11, 46, 22)); // box
    p.setBrush(c);
    p.drawRoundedRect(QRectF(16, -10, 16, 20), 3, 3); // cab
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 80, 100));
    p.drawRect(QRectF(25, -8, 4, 16));
    p.restore();
}

void grassBackground(QPainter &p)
{
    p.fillRect(0, 0, Width, Height, Grass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(104, 156, 74));
    for (int i = 0; i < 40; ++i)
        p.drawEllipse(QPointF((i * 97) % Width, (i * 53) % Height), 3 + i % 4, 2 + i % 3);
}

void horizontalRoad(QPainter &p, double top, double bottom)
{
    p.fillRect(QRectF(0, top, Width, bottom - top), Asphalt);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(0, top + 2), QPointF(Width, top + 2));
    p.drawLine(QPointF(0, bottom - 2), QPointF(Width, bottom - 2));
}

void dashed(QPainter &p, QPointF a, QPointF b, double dash, double gap, double width)
{
    QPen pen(Qt::white, width, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({dash / width, gap / width});
    p.setPen(pen);
    p.drawLine(a, b);
}

// The traffic-light pictures: one housing with the given lamps lit.
void trafficLight(QPainter &p, bool red, bool yellow, bool green)
{
    grassBackground(p);
    horizontalRoad(p, 80, Height);
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(QPointF(150, 82), QPointF(150, Height)); // stop line
    carTop(p, QPointF(110, 108), 0, QColor(200, 40, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 95));
    p.drawRect(QRectF(226, 40, 6, 60));
    p.setBrush(QColor(30, 30, 32));
    p.drawRoundedRect(QRectF(210, 4, 38, 96), 8, 8);
    const QColor off(70, 70, 70);
    const QColor lamps[3] = {red ? QColor(240, 40, 30) : off, yellow ? QColor(250, 200, 30) : off,
                             green ? QColor(40, 210, 80) : off};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(229, 20 + i * 30), 11, 11);
    }
}

struct Picture {
    const char *name;
    std::function<void(QPainter &)> draw;
};

std::vector<Picture> pictures()
{
    std::vector<Picture> list;
    auto sign = [&](const char *name, std::function<void(QPainter &)> draw) {
        list.push_back({name, [draw](QPainter &p) {
                            roadside(p);
                            draw(p);
                        }});
    };

    // Warning signs.
    sign("sign-1-6", [](QPainter &p) {
        triangleSign(p, false, [](QPainter &q) {
            q.setPen(unitPen(Ink, 0.16));
            q.drawLine(QPointF(-0.32, -0.05), QPointF(0.32, 0.55));
            q.drawLine(QPointF(0.32, -0.05), QPointF(-0.32, 0.55));
        });
    });
    sign("sign-1-8", [](QPainter &p) {
        triangleSign(p, false, [](QPainter &q) {
            q.setPen(Qt::NoPen);
            q.setBrush(Ink);
            q.drawRoundedRect(QRectF(-0.17, -0.3, 0.34, 0.88), 0.06, 0.06);
            const QColor c[3] = {SignRed, SignYellow, QColor(30, 170, 70)};
            for (int i = 0; i < 3; ++i) {
                q.setBrush(c[i]);
                q.drawEllipse(QPointF(0, -0.16 + i * 0.28), 0.11, 0.11);
            }
        });
    });
    sign("sign-1-11-1", [](QPainter &p) {
        triangleSign(p, false, [](QPainter &q) {
            QPainterPath path(QPointF(-0.12, 0.58));
            path.lineTo(-0.12, 0.25);
            path.quadTo(-0.12, 0.0, 0.2, -0.02);
            q.setPen(unitPen(Ink, 0.15));
            q.drawPath(path);
            arrowHead(q, QPointF(0.42, -0.03), 0, 0.25, Ink);
        });
    });
    sign("sign-1-17", [](QPainter &p) {
        triangleSign(p, false, [](QPainter &q) {
            q.setPen(Qt::NoPen);
            q.setBrush(Ink);
            q.drawRect(QRectF(-0.5, 0.42, 1.0, 0.1));
            QPainterPath bump(QPointF(-0.32, 0.43));
            bump.cubicTo(-0.2, 0.05, 0.2, 0.05, 0.32, 0.43);
            q.drawPath(bump);
        });
    });
    sign("sign-1-22", [](QPainter &p) {
        triangleSign(p, false, [](QPainter &q) {
            q.setPen(Qt::NoPen);
            q.setBrush(Ink);
            for (int i = 0; i < 4; ++i)
                q.drawRect(QRectF(-0.42 + i * 0.23, 0.48, 0.13, 0.08));
            stickFigure(q, QPointF(0.02, 0.45), 0.72, Ink);
        });
    });
    sign("sign-1-33", [](QPainter &p) {
        triangleSign(p, false, [](QPainter &q) {
            q.setPen(Qt::NoPen);
            q.setBrush(Ink);
            QPolygonF bar;
            bar << QPointF(-0.09, -0.25) << QPointF(0.09, -0.25) << QPointF(0.05, 0.3) << QPointF(-0.05, 0.3);
            q.drawPolygon(bar);
            q.drawEllipse(QPointF(0, 0.44), 0.08, 0.08);
        });
    });

    // Priority signs.
    auto diamond = [](QPainter &q, bool end) {
        QPolygonF outer;
        outer << QPointF(0, -1) << QPointF(1, 0) << QPointF(0, 1) << QPointF(-1, 0);
        q.setPen(QPen(QColor(60, 60, 60), 0.03));
        q.setBrush(Qt::white);
        q.drawPolygon(outer);
        const QPolygonF inner = QTransform::fromScale(0.62, 0.62).map(outer);
        q.setBrush(SignYellow);
        q.setPen(QPen(Ink, 0.04));
        q.drawPolygon(inner);
        if (end) {
            q.save();
            QPainterPath clip;
            clip.addPolygon(outer);
            q.setClipPath(clip);
            q.setPen(unitPen(Ink, 0.06));
            for (int i = -2; i <= 2; ++i)
                q.drawLine(QPointF(-1 + i * 0.16, 1 + i * 0.16), QPointF(1 + i * 0.16, -1 + i * 0.16));
            q.restore();
        }
    };
    sign("sign-2-1", [diamond](QPainter &p) { inSign(p, [diamond](QPainter &q) { diamond(q, false); }, SignHalf * 1.05); });
    sign("sign-2-2", [diamond](QPainter &p) { inSign(p, [diamond](QPainter &q) { diamond(q, true); }, SignHalf * 1.05); });
    sign("sign-2-4", [](QPainter &p) { triangleSign(p, true, [](QPainter &) {}); });
    sign("sign-2-5", [](QPainter &p) {
        inSign(p, [](QPainter &q) {
            QPolygonF oct;
            for (int i = 0; i < 8; ++i) {
                const double a = (22.5 + i * 45) * M_PI / 180.0;
                oct << QPointF(std::cos(a), std::sin(a));
            }
            q.setPen(Qt::NoPen);
            q.setBrush(Qt::white);
            q.drawPolygon(oct);
            q.setBrush(SignRed);
            q.drawPolygon(QTransform::fromScale(0.92, 0.92).map(oct));
            q.setPen(QPen(Qt::white, 0.04));
            q.setBrush(Qt::NoBrush);
            q.drawPolygon(QTransform::fromScale(0.84, 0.84).map(oct));
        });
        p.setPen(Qt::white);
        p.setFont(boldFont(23));
        p.drawText(QRectF(SignCentre.x() - 40, SignCentre.y() - 15, 80, 30), Qt::AlignCenter, QStringLiteral("STOP"));
    });

    // Prohibitory signs.
    const auto noContent = [](QPainter &) {};
    sign("sign-3-1", [](QPainter &p) {
        roundSign(p, SignRed, SignRed, [](QPainter &q) {
            q.setPen(Qt::NoPen);
            q.setBrush(Qt::white);
            q.drawRect(QRectF(-0.66, -0.15, 1.32, 0.3));
        });
    });
    sign("sign-3-2", [noContent](QPainter &p) { roundSign(p, Qt::white, SignRed, noContent); });
    sign("sign-3-18-2", [](QPainter &p) {
        roundSign(p, Qt::white, SignRed, [](QPainter &q) {
            QPainterPath path(QPointF(0.18, 0.55));
            path.lineTo(0.18, 0.0);
            path.quadTo(0.18, -0.22, -0.05, -0.22);
            path.lineTo(-0.2, -0.22);
            q.setPen(unitPen(Ink, 0.17));
            q.drawPath(path);
            arrowHead(q, QPointF(-0.5, -0.22), 180, 0.32, Ink);
            q.setPen(unitPen(SignRed, 0.15));
            q.drawLine(QPointF(-0.54, -0.54), QPointF(0.54, 0.54));
        });
    });
    sign("sign-3-20", [](QPainter &p) {
        roundSign(p, Qt::white, SignRed, [](QPainter &q) {
            carRear(q, QPointF(-0.3, 0.05), 0.48, SignRed);
            carRear(q, QPointF(0.3, 0.05), 0.48, Ink);
        });
    });
    sign("sign-3-24", [](QPainter &p) {
        roundSign(p, Qt::white, SignRed, [](QPainter &) {});
        p.setPen(Ink);
        p.setFont(boldFont(34));
        p.drawText(QRectF(SignCentre.x() - 30, SignCentre.y() - 20, 60, 40), Qt::AlignCenter, QStringLiteral("40"));
    });
    sign("sign-3-27", [](QPainter &p) {
        roundSign(p, SignBlue, SignRed, [](QPainter &q) {
            q.setPen(unitPen(SignRed, 0.19));
            q.drawLine(QPointF(-0.55, -0.55), QPointF(0.55, 0.55));
            q.drawLine(QPointF(0.55, -0.55), QPointF(-0.55, 0.55));
        });
    });
    sign("sign-3-28", [](QPainter &p) {
        roundSign(p, SignBlue, SignRed, [](QPainter &q) {
            q.setPen(unitPen(SignRed, 0.19));
            q.drawLine(QPointF(-0.55, -0.55), QPointF(0.55, 0.55));
        });
    });

    // Mandatory signs.
    sign("sign-4-1-1", [](QPainter &p) {
        roundSign(p, SignBlue, SignBlue, [](QPainter &q) { straightArrow(q, QPointF(0, 0.68), QPointF(0, -0.68), 0.22, 0.45, Qt::white); });
    });
    sign("sign-4-1-2", [](QPainter &p) {
        roundSign(p, SignBlue, SignBlue, [](QPainter &q) {
            QPainterPath path(QPointF(-0.25, 0.68));
            path.lineTo(-0.25, 0.05);
            path.quadTo(-0.25, -0.2, 0.05, -0.2);
            path.lineTo(0.22, -0.2);
            q.setPen(unitPen(Qt::white, 0.22));
            q.drawPath(path);
            arrowHead(q, QPointF(0.66, -0.2), 0, 0.46, Qt::white);
        });
    });
    sign("sign-4-2-1", [](QPainter &p) {
        roundSign(p, SignBlue, SignBlue, [](QPainter &q) { straightArrow(q, QPointF(-0.42, -0.42), QPointF(0.48, 0.48), 0.22, 0.45, Qt::white); });
    });
    sign("sign-4-3", [](QPainter &p) {
        roundSign(p, SignBlue, SignBlue, [](QPainter &q) {
            // Three arrows chasing each other anticlockwise, as traffic goes round.
            // Qt's arc angles run anticlockwise on screen from three o'clock.
            for (int i = 0; i < 3; ++i) {
                const double start = 90 + i * 120;
                QPainterPath arc;
                arc.arcMoveTo(QRectF(-0.5, -0.5, 1.0, 1.0), start);
                arc.arcTo(QRectF(-0.5, -0.5, 1.0, 1.0), start, 68);
                q.setPen(unitPen(Qt::white, 0.16));
                q.setBrush(Qt::NoBrush);
                q.drawPath(arc);
                const double tipAngle = (start + 100) * M_PI / 180.0;
                const QPointF tip(0.5 * std::cos(tipAngle), -0.5 * std::sin(tipAngle));
                const double midAngle = (start + 84) * M_PI / 180.0;
                const double heading = std::atan2(-std::cos(midAngle), -std::sin(midAngle)) * 180.0 / M_PI;
                arrowHead(q, tip, heading, 0.3, Qt::white);
            }
        });
    });

    // Special-regulation and information signs.
    sign("sign-5-5", [](QPainter &p) {
        squareSign(p, SignBlue, [](QPainter &q) { straightArrow(q, QPointF(0, 0.72), QPointF(0, -0.72), 0.26, 0.5, Qt::white); });
    });
    sign("sign-5-19-1", [](QPainter &p) {
        squareSign(p, SignBlue, [](QPainter &q) {
            QPolygonF tri;
            tri << QPointF(0, -0.78) << QPointF(0.76, 0.62) << QPointF(-0.76, 0.62);
            q.setPen(Qt::NoPen);
            q.setBrush(Qt::white);
            q.drawPolygon(tri);
            q.setBrush(Ink);
            for (int i = 0; i < 4; ++i)
                q.drawRect(QRectF(-0.5 + i * 0.27, 0.47, 0.16, 0.09));
            stickFigure(q, QPointF(0.02, 0.44), 0.8, Ink);
        });
    });
    auto townSign = [](QPainter &p, bool end) {
        const QRectF board(SignCentre.x() - 62, SignCentre.y() - 22, 124, 44);
        p.setPen(QPen(Ink, 2));
        p.setBrush(Qt::white);
        p.drawRect(board);
        p.setPen(Ink);
        p.setFont(boldFont(20));
        p.drawText(board, Qt::AlignCenter, QStringLiteral("ЛЕСНОЕ"));
        if (end) {
            p.setPen(QPen(SignRed, 4));
            p.drawLine(board.bottomLeft() + QPointF(4, -4), board.topRight() + QPointF(-4, 4));
        }
    };
    sign("sign-5-23-1", [townSign](QPainter &p) { townSign(p, false); });
    sign("sign-5-24-1", [townSign](QPainter &p) { townSign(p, true); });
    sign("sign-6-4", [](QPainter &p) {
        squareSign(p, SignBlue, [](QPainter &) {});
        p.setPen(Qt::white);
        p.setFont(boldFont(56));
        p.drawText(QRectF(SignCentre.x() - 35, SignCentre.y() - 35, 70, 70), Qt::AlignCenter, QStringLiteral("P"));
    });

    // Road situations, seen from above.
    list.push_back({"scene-crossroads", [](QPainter &p) {
                        grassBackground(p);
                        p.fillRect(QRectF(0, 44, Width, 50), Asphalt);
                        p.fillRect(QRectF(150, 0, 54, Height), Asphalt);
                        dashed(p, QPointF(0, 69), QPointF(146, 69), 10, 8, 2);
                        dashed(p, QPointF(208, 69), QPointF(Width, 69), 10, 8, 2);
                        dashed(p, QPointF(177, 0), QPointF(177, 40), 10, 8, 2);
                        dashed(p, QPointF(177, 98), QPointF(177, Height), 10, 8, 2);
                        carTop(p, QPointF(191, 116), -90, QColor(200, 40, 40)); // ours, heading up
                        carTop(p, QPointF(232, 57), 180, QColor(40, 90, 200));  // from the right, heading left
                        p.setPen(Ink);
                        p.setFont(boldFont(13));
                        p.drawText(QPointF(212, 125), QStringLiteral("A"));
                        p.drawText(QPointF(252, 42), QStringLiteral("Б"));
                    }});
    list.push_back({"scene-light-red", [](QPainter &p) { trafficLight(p, true, false, false); }});
    list.push_back({"scene-light-yellow", [](QPainter &p) { trafficLight(p, false, true, false); }});
    list.push_back({"scene-light-green", [](QPainter &p) { trafficLight(p, false, false, true); }});
    list.push_back({"scene-solid-line", [](QPainter &p) {
                        grassBackground(p);
                        horizontalRoad(p, 34, 104);
                        p.setPen(QPen(Qt::white, 3));
                        p.drawLine(QPointF(0, 69), QPointF(Width, 69));
                        truckTop(p, QPointF(200, 87), 0, QColor(40, 120, 60));
                        carTop(p, QPointF(112, 87), 0, QColor(200, 40, 40));
                        carTop(p, QPointF(300, 51), 180, QColor(230, 230, 235));
                    }});
    list.push_back({"scene-zebra", [](QPainter &p) {
                        grassBackground(p);
                        p.fillRect(QRectF(0, 0, Width, 18), QColor(200, 200, 195)); // pavement
                        p.fillRect(QRectF(0, 119, Width, 18), QColor(200, 200, 195));
                        horizontalRoad(p, 18, 119);
                        dashed(p, QPointF(0, 68), QPointF(Width, 68), 14, 10, 2);
                        p.setPen(Qt::NoPen);
                        p.setBrush(Qt::white);
                        for (int i = 0; i < 8; ++i)
                            p.drawRect(QRectF(205, 24 + i * 12, 36, 7));
                        carTop(p, QPointF(120, 93), 0, QColor(200, 40, 40));
                        stickFigure(p, QPointF(223, 80), 26, QColor(30, 60, 160));
                    }});
    list.push_back({"scene-railway", [](QPainter &p) {
                        grassBackground(p);
                        horizontalRoad(p, 44, 96);
                        dashed(p, QPointF(0, 70), QPointF(Width, 70), 10, 8, 2);
                        // Rails across the road.
                        p.setPen(QPen(QColor(120, 90, 60), 5));
                        for (int x = 236; x <= 290; x += 9)
                            p.drawLine(QPointF(x, 0), QPointF(x, Height));
                        p.setPen(QPen(QColor(90, 90, 95), 3));
                        p.drawLine(QPointF(248, 0), QPointF(248, Height));
                        p.drawLine(QPointF(278, 0), QPointF(278, Height));
                        // Barrier down, with its red and white stripes.
                        for (int i = 0; i < 6; ++i) {
                            p.setPen(QPen(i % 2 ? Qt::white : SignRed, 5, Qt::SolidLine, Qt::FlatCap));
                            p.drawLine(QPointF(215, 98 - i * 9), QPointF(215, 98 - (i + 1) * 9));
                        }
                        p.setPen(Qt::NoPen);
                        p.setBrush(SignRed);
                        p.drawEllipse(QPointF(215, 106), 5, 5);
                        carTop(p, QPointF(150, 83), 0, QColor(200, 40, 40));
                    }});
    list.push_back({"scene-warning-triangle", [](QPainter &p) {
                        grassBackground(p);
                        horizontalRoad(p, 40, 100);
                        dashed(p, QPointF(0, 70), QPointF(Width, 70), 14, 10, 2);
                        carTop(p, QPointF(280, 86), 0, QColor(40, 90, 200));
                        // The warning triangle behind the stopped car, and a measuring line.
                        QPolygonF tri;
                        tri << QPointF(60, 76) << QPointF(70, 94) << QPointF(50, 94);
                        p.setPen(QPen(SignRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                        p.setBrush(Qt::NoBrush);
                        p.drawPolygon(tri);
                        p.setPen(QPen(Ink, 1.5, Qt::DashLine));
                        p.drawLine(QPointF(62, 112), QPointF(262, 112));
                        p.setPen(QPen(Ink, 1.5));
                        p.drawLine(QPointF(60, 106), QPointF(60, 118));
                        p.drawLine(QPointF(262, 106), QPointF(262, 118));
                        p.setFont(boldFont(14));
                        p.drawText(QRectF(120, 112, 90, 22), Qt::AlignCenter, QStringLiteral("? м"));
                    }});
    list.push_back({"scene-roundabout", [](QPainter &p) {
                        grassBackground(p);
                        const QPointF c(176, 68);
                        p.fillRect(QRectF(0, 52, Width, 32), Asphalt);
                        p.fillRect(QRectF(160, 0, 32, Height), Asphalt);
                        p.setPen(Qt::NoPen);
                        p.setBrush(Asphalt);
                        p.drawEllipse(c, 62, 62);
                        p.setBrush(Grass);
                        p.drawEllipse(c, 28, 28);
                        p.setBrush(QColor(220, 120, 160));
                        p.drawEllipse(c, 8, 8);
                        carTop(p, QPointF(60, 75), 0, QColor(200, 40, 40));          // ours, entering from the left
                        carTop(p, QPointF(176 - 45, 68 - 18), 112, QColor(40, 90, 200)); // already on the ring
                    }});
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: QT_QPA_PLATFORM=offscreen bankart <out-dir> [quality]\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const int quality = argc == 3 ? std::atoi(argv[2]) : 82;
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "bankart: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Picture &picture : pictures()) {
        QImage image(Width, Height, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            picture.draw(p);
        }
        const QString path = QDir(outDir).filePath(QString::fromLatin1(picture.name) + QStringLiteral(".jpg"));
        // QImage writes baseline JPEG unless asked for progressive scans.
        if (!image.save(path, "JPG", quality)) {
            std::fprintf(stderr, "bankart: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
