// Drawing routines of the build-time artwork generator.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

class QPainter;
class QRectF;

namespace Art {

// Fonts that ship with the build machine; the drawing never depends on anything else.
QString sansFamily();
QString narrowFamily();
QString serifFamily();

QImage dialFrame(int n);              // 133 x 209, needle at 5 x n
QImage banner();                      // 588 x 209
QImage carPicture();                  // 192 x 192, transparent background
QImage programIcon();                 // 32 x 32
QImage statusIcon(int status);        // 16 x 16, TicketStatus 0..3
QImage markIcon(int mark);            // 16 x 16, AnswerMark 0..2

struct NamedImage {
    QString name;   // file name without extension
    QImage image;
};
QList<NamedImage> glyphs();           // 16 x 16 each, transparent background

// A car seen from the front, filling rect; the level of detail follows the rect's size.
void drawCarFront(QPainter &p, const QRectF &rect, const QColor &body);

// Baseline JPEG through libjpeg; returns false and sets error on failure.
bool writeJpeg(const QImage &image, const QString &path, int quality, QString *error);

// Contact sheets for judging the artwork by eye, read back from the output folder.
bool writeContactSheets(const QString &artDir, const QString &sheetDir, QString *error);

} // namespace Art
