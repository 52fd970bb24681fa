#include "picture_files.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QImageWriter>
#include <stdexcept>

#include "failure.h"

namespace drawing {

namespace {

constexpr int kJpegQuality = 100;
constexpr double kMetresPerInch = 0.0254;
constexpr double kDotsPerInch = 96.0;

constexpr quint16 kIconFileType = 1;
constexpr int kHeaderBytes = 6;
constexpr int kEntryBytes = 16;
constexpr quint32 kBitmapHeaderBytes = 40;
constexpr quint16 kBitsPerPixel = 32;
constexpr int kBytesPerPixel = 4;
// Mask rows are padded to whole 32-bit words; the leftmost pixel is a byte's highest bit.
constexpr int kMaskRowAlignmentBits = 32;
constexpr int kBitsPerByte = 8;
constexpr int kLeftmostBit = 0x80;

void writeImage(QImage image, const QString& fileName, const char* format, int quality) {
    const int dotsPerMetre = qRound(kDotsPerInch / kMetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QImageWriter writer(fileName, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        throw failure(QStringLiteral("cannot write %1: %2").arg(fileName, writer.errorString()));
}

int maskRowBytes(int width) {
    return (width + kMaskRowAlignmentBits - 1) / kMaskRowAlignmentBits * kMaskRowAlignmentBits /
           kBitsPerByte;
}

int bitmapBytes(const QImage& image) {
    return image.width() * image.height() * kBytesPerPixel +
           maskRowBytes(image.width()) * image.height();
}

// The 40-byte header, 32-bit pixels and the mask, rows bottom up as bitmaps store them; the
// height field counts pixels and mask together, so it is doubled.
QByteArray bitmapBlock(const IconImage& icon) {
    const QImage image = icon.image.convertToFormat(QImage::Format_ARGB32);
    if (bitmapBytes(image) > icon.blockSize)
        throw failure(QStringLiteral("icon image %1 does not fit its block").arg(image.width()));
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << kBitmapHeaderBytes << qint32(image.width()) << qint32(image.height() * 2) << quint16(1)
        << kBitsPerPixel << quint32(0) << quint32(bitmapBytes(image)) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) out << quint32(row[x]);
    }
    // The mask marks fully transparent pixels; systems that read the alpha channel ignore it.
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray maskRow(maskRowBytes(image.width()), '\0');
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                maskRow[x / kBitsPerByte] |= char(kLeftmostBit >> (x % kBitsPerByte));
        out.writeRawData(maskRow.constData(), int(maskRow.size()));
    }
    block.append(QByteArray(icon.blockSize - int(block.size()), '\0'));
    return block;
}

}  // namespace

void writeJpeg(const QImage& image, const QString& fileName) {
    writeImage(image.convertToFormat(QImage::Format_RGB32), fileName, "jpeg", kJpegQuality);
}

void writePng(const QImage& image, const QString& fileName) {
    writeImage(image, fileName, "png", -1);
}

void writeIco(const std::vector<IconImage>& images, const QString& fileName) {
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << kIconFileType << quint16(images.size());
    quint32 offset = kHeaderBytes + kEntryBytes * quint32(images.size());
    for (const IconImage& icon : images) {
        out << quint8(icon.image.width()) << quint8(icon.image.height()) << quint8(0) << quint8(0)
            << quint16(1) << kBitsPerPixel << quint32(icon.blockSize) << offset;
        offset += quint32(icon.blockSize);
    }
    for (const IconImage& icon : images) {
        const QByteArray block = bitmapBlock(icon);
        out.writeRawData(block.constData(), int(block.size()));
    }
    QFile output(fileName);
    if (!output.open(QIODevice::WriteOnly) || output.write(file) != file.size())
        throw failure(QStringLiteral("cannot write %1").arg(fileName));
}

}  // namespace drawing
