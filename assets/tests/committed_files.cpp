#include "committed_files.h"

#include <QDir>
#include <QFile>

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

bool isInk(QRgb pixel) {
    return qGray(pixel) < kInkThreshold;
}

}  // namespace assets_test
