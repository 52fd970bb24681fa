#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace assets_test {

// The bytes of a file committed in the assets folder; empty when it cannot be read.
QByteArray committedBytes(const QString& fileName);

// A committed picture, decoded.
QImage committedPicture(const QString& fileName);

// Painted letters are black with smoothed edges: any pixel clearly darker than the white
// ground counts as ink.
bool isInk(QRgb pixel);

}  // namespace assets_test
