#include "Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int W = 588;
constexpr int H = 209;

// A pinhole camera standing in the middle of the road, looking along it.
constexpr double HorizonY = 116.0;
constexpr double VanishX = W / 2.0;
constexpr double Focal = 170.0;
constexpr double EyeHeight = 3.2;   // metres
constexpr double RoadHalf = 5.0;
constexpr double Kerb = 8.5;        // where the house fronts stand

// World: x to the right, y up from the ground, z away from the viewer (metres).
QPointF project(double x, double y, double z)
{
    return {VanishX + Focal * x / z, HorizonY + Focal * (EyeHeight - y) / z};
}

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    QPolygonF q;
    q << a << b << c << d;
    return q;
}

void drawSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, HorizonY);
    sky.setColorAt(0.0, QColor(14, 24, 70));
    sky.setColorAt(0.45, QColor(48, 66, 140));
    sky.setColorAt(0.8, QColor(170, 110, 140));
    sky.setColorAt(1.0, QColor(250, 170, 90));
    p.fillRect(QRectF(0, 0, W, HorizonY + 1), sky);

    // A few stars high up.
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> ux(0, W), uy(0, 40), ua(60, 200);
    for (int i = 0; i < 40; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, static_cast<int>(ua(rng))));
        p.drawEllipse(QPointF(ux(rng), uy(rng)), 0.6, 0.6);
    }

    // The glow where the road meets the sky.
    QRadialGradient glow(QPointF(VanishX, HorizonY), 160);
    glow.setColorAt(0.0, QColor(255, 200, 120, 150));
    glow.setColorAt(1.0, QColor(255, 200, 120, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(VanishX, HorizonY), 160, 160);
}

void drawGround(QPainter &p)
{
    QLinearGradient ground(0, HorizonY, 0, H);
    ground.setColorAt(0.0, QColor(110, 100, 100));
    ground.setColorAt(1.0, QColor(70, 68, 70));
    p.fillRect(QRectF(0, HorizonY, W, H - HorizonY), ground);

    const double zNear = 3.0, zFar = 4000.0;
    // Pavements.
    for (int s : {-1, 1}) {
        QPolygonF pave = quad(project(s * RoadHalf, 0, zNear), project(s * (Kerb + 80), 0, zNear),
                              project(s * (Kerb + 80), 0, zFar), project(s * RoadHalf, 0, zFar));
        QLinearGradient g(0, HorizonY, 0, H);
        g.setColorAt(0.0, QColor(160, 140, 130));
        g.setColorAt(1.0, QColor(128, 122, 118));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPolygon(pave);
    }
    // Asphalt.
    QPolygonF road = quad(project(-RoadHalf, 0, zNear), project(RoadHalf, 0, zNear),
                          project(RoadHalf, 0, zFar), project(-RoadHalf, 0, zFar));
    QLinearGradient asphalt(0, HorizonY, 0, H);
    asphalt.setColorAt(0.0, QColor(120, 105, 110));
    asphalt.setColorAt(0.15, QColor(80, 78, 84));
    asphalt.setColorAt(1.0, QColor(46, 47, 52));
    p.setBrush(asphalt);
    p.drawPolygon(road);

    // Kerbs and edge lines.
    for (int s : {-1, 1}) {
        p.setPen(QPen(QColor(210, 205, 195), 1.0));
        p.drawLine(project(s * RoadHalf, 0, zNear), project(s * RoadHalf, 0, zFar));
        QPolygonF edge = quad(project(s * (RoadHalf - 0.5), 0, zNear), project(s * (RoadHalf - 0.3), 0, zNear),
                              project(s * (RoadHalf - 0.3), 0, zFar), project(s * (RoadHalf - 0.5), 0, zFar));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 235, 230));
        p.drawPolygon(edge);
    }
    // Dashed centre line.
    p.setBrush(QColor(245, 245, 240));
    for (double z = 3.0; z < 300.0; z += 9.0) {
        p.drawPolygon(quad(project(-0.15, 0, z), project(0.15, 0, z),
                           project(0.15, 0, z + 4.5), project(-0.15, 0, z + 4.5)));
    }
}

struct House {
    int side;          // -1 left of the road, +1 right
    double zNear, zFar;
    double height;
    double depth;      // how far the block reaches away from the road
    QColor wall;
};

void drawWindowsOnFacade(QPainter &p, const House &h, std::mt19937 &rng)
{
    std::uniform_int_distribution<int> lit(0, 9);
    const double x = h.side * Kerb;
    for (double y = 1.2; y + 1.6 < h.height - 0.5; y += 3.0) {
        for (double z = h.zNear + 1.0; z + 1.3 < h.zFar - 0.6; z += 2.6) {
            const QPolygonF win = quad(project(x, y, z), project(x, y, z + 1.3),
                                       project(x, y + 1.6, z + 1.3), project(x, y + 1.6, z));
            const bool on = lit(rng) < 4;
            p.setBrush(on ? QColor(255, 214, 120) : QColor(40, 52, 80));
            p.drawPolygon(win);
        }
    }
}

void drawWindowsOnEnd(QPainter &p, const House &h, std::mt19937 &rng)
{
    std::uniform_int_distribution<int> lit(0, 9);
    for (double y = 1.2; y + 1.6 < h.height - 0.5; y += 3.0) {
        for (double d = 1.0; d + 1.3 < h.depth - 0.6; d += 2.6) {
            const double x0 = h.side * (Kerb + d), x1 = h.side * (Kerb + d + 1.3);
            const QPolygonF win = quad(project(x0, y, h.zNear), project(x1, y, h.zNear),
                                       project(x1, y + 1.6, h.zNear), project(x0, y + 1.6, h.zNear));
            const bool on = lit(rng) < 4;
            p.setBrush(on ? QColor(255, 205, 110) : QColor(34, 44, 70));
            p.drawPolygon(win);
        }
    }
}

void drawHouse(QPainter &p, const House &h, std::mt19937 &rng)
{
    const double xf = h.side * Kerb, xb = h.side * (Kerb + h.depth);
    p.setPen(Qt::NoPen);

    // The end wall facing the viewer.
    const QPolygonF end = quad(project(xf, 0, h.zNear), project(xb, 0, h.zNear),
                               project(xb, h.height, h.zNear), project(xf, h.height, h.zNear));
    p.setBrush(h.wall.darker(125));
    p.drawPolygon(end);
    drawWindowsOnEnd(p, h, rng);

    // The front along the road, lit by the sunset glow towards the far end.
    const QPolygonF front = quad(project(xf, 0, h.zNear), project(xf, 0, h.zFar),
                                 project(xf, h.height, h.zFar), project(xf, h.height, h.zNear));
    QLinearGradient g(project(xf, 0, h.zNear), project(xf, 0, h.zFar));
    g.setColorAt(0.0, h.wall);
    g.setColorAt(1.0, h.wall.lighter(135));
    p.setBrush(g);
    p.drawPolygon(front);
    drawWindowsOnFacade(p, h, rng);

    // Roof edge.
    p.setPen(QPen(h.wall.darker(170), 1.2));
    p.drawLine(project(xf, h.height, h.zNear), project(xf, h.height, h.zFar));
    p.drawLine(project(xf, h.height, h.zNear), project(xb, h.height, h.zNear));
    p.setPen(Qt::NoPen);
}

void drawLamp(QPainter &p, int side, double z)
{
    const double x = side * (RoadHalf + 0.8);
    const QPointF foot = project(x, 0, z), top = project(x, 7.0, z);
    const QPointF arm = project(x - side * 1.6, 7.0, z);
    const double w = std::max(0.8, Focal * 0.18 / z);
    p.setPen(QPen(QColor(40, 40, 48), w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot, top);
    p.drawLine(top, arm);
    const double r = std::max(1.2, Focal * 0.35 / z);
    QRadialGradient glow(arm, r * 4);
    glow.setColorAt(0.0, QColor(255, 240, 190, 230));
    glow.setColorAt(1.0, QColor(255, 220, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(arm, r * 4, r * 4);
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(arm, r, r * 0.7);
}

void drawTitle(QPainter &p)
{
    QFont font(Art::serifFamily());
    font.setPixelSize(62);
    font.setBold(true);
    const QString title = QString::fromUtf8("Дорвиан");
    const QString year = QStringLiteral("2006");
    const QFontMetricsF fm(font);
    const double gap = 34;
    const double total = fm.horizontalAdvance(title) + gap + fm.horizontalAdvance(year);
    const double x0 = (W - total) / 2, baseline = 62;

    QPainterPath text;
    text.addText(x0, baseline, font, title);
    text.addText(x0 + fm.horizontalAdvance(title) + gap, baseline, font, year);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(text.translated(3, 3));
    QLinearGradient gold(0, baseline - fm.ascent(), 0, baseline);
    gold.setColorAt(0.0, QColor(255, 246, 140));
    gold.setColorAt(0.5, QColor(255, 214, 0));
    gold.setColorAt(1.0, QColor(235, 160, 0));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 50, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);
}

void drawNotice(QPainter &p)
{
    QFont font(Art::sansFamily());
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    const QString notice = QString::fromUtf8("© Дорвиан, тренажёр по правилам дорожного движения");
    const QRectF box(6, H - 17, W - 12, 14);
    p.setPen(QColor(0, 0, 0, 220));
    p.drawText(box.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, notice);
    p.setPen(QColor(70, 235, 70));
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, notice);
}

} // namespace

QImage Art::banner()
{
    QImage image(W, H, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawSky(p);
    drawGround(p);

    // Blocks along both sides, drawn from the farthest to the nearest.
    std::mt19937 rng(2006);
    const QColor walls[] = {QColor(150, 110, 95), QColor(120, 120, 135), QColor(170, 150, 115),
                            QColor(105, 120, 110), QColor(140, 100, 110), QColor(125, 135, 150)};
    std::vector<House> houses;
    for (int side : {-1, 1}) {
        // The street starts a little ahead, which keeps the sky open for the title.
        double z = side < 0 ? 15.0 : 18.0;
        int k = side < 0 ? 0 : 3;
        while (z < 160.0) {
            const double length = 8.0 + (k % 3) * 3.0;
            const double height = 7.0 + ((k * 5) % 4) * 2.5;
            houses.push_back({side, z, z + length, height, 40.0, walls[k % 6]});
            z += length + 2.5;
            ++k;
        }
    }
    std::sort(houses.begin(), houses.end(), [](const House &a, const House &b) { return a.zNear > b.zNear; });
    for (const House &h : houses)
        drawHouse(p, h, rng);

    for (double z : {80.0, 40.0, 20.0, 10.0}) {
        drawLamp(p, -1, z);
        drawLamp(p, 1, z + 5.0);
    }

    drawTitle(p);
    drawNotice(p);
    p.end();
    return image;
}
