#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace drawing {

// Writes a picture as baseline JPEG at the highest quality (every quantisation entry 1),
// stating 96 dots to the inch. Throws std::runtime_error on failure.
void writeJpeg(const QImage& image, const QString& fileName);

// Writes a PNG. Throws std::runtime_error on failure.
void writePng(const QImage& image, const QString& fileName);

// One image of an icon file, and the size of the block that stores it: the bitmap is
// followed by zero bytes up to that size.
struct IconImage {
    QImage image;
    int blockSize;
};

// Writes a Windows icon file: header, one directory entry per image, then each image as a
// 32-bit bitmap with alpha and a 1-bit mask. Throws std::runtime_error on failure.
void writeIco(const std::vector<IconImage>& images, const QString& fileName);

}  // namespace drawing
