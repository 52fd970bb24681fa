#include "committed_files.h"

#include <QDir>
#include <QFile>
#include <cstdlib>

namespace assets_test {

namespace {

// Smoothed edges fade into the ground; this much darker than white is clearly a letter.
constexpr int kInkThreshold = 200;

}  // namespace

QByteArray committedBytes(const QString& fileName) {
    QFile file(QDir(RESHALKIN_ASSETS_DIR).filePath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage committedPicture(const QString& fileName) {
    return QImage(QDir(RESHALKIN_ASSETS_DIR).filePath(fileName));
}

QImage decodedPicture(const QString& fileName) {
    return QImage(QStringLiteral(":/pictures/") + fileName);
}

bool near(QRgb pixel, QRgb expected, int tolerance) {
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

bool isInk(QRgb pixel) {
    return qGray(pixel) < kInkThreshold;
}

int inkIn(const QImage& picture, const QRect& rect) {
    int count = 0;
    const QRect inside = rect & picture.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) count += isInk(picture.pixel(x, y));
    return count;
}

}  // namespace assets_test
