#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

namespace assets_test {

// The bytes of a file committed in the assets folder; empty when it cannot be read.
QByteArray committedBytes(const QString& fileName);

// A committed picture, decoded.
QImage committedPicture(const QString& fileName);

// A picture as the program carries and decodes it, by its file name ("menu.jpg").
QImage decodedPicture(const QString& fileName);

// Whether every channel of the pixel lies within the tolerance of the expected colour.
bool near(QRgb pixel, QRgb expected, int tolerance);

// Painted letters are black with smoothed edges: any pixel clearly darker than the white
// ground counts as ink.
bool isInk(QRgb pixel);

// The number of ink pixels of the picture inside the rectangle.
int inkIn(const QImage& picture, const QRect& rect);

}  // namespace assets_test
