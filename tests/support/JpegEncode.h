// Small JPEGs made on the spot by the tests, through libjpeg itself.
#pragma once

#include <QByteArray>
#include <QImage>

// A picture as JPEG: baseline unless progressive.
QByteArray encodeJpeg(const QImage &image, int quality = 80, bool progressive = false);

// A width x height picture with a red quarter on blue, so a decode can be checked.
QImage samplePicture(int width = 40, int height = 24);
