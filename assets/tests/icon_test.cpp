// The program icon file and the desktop copies of the icon.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include "assets/picture_table.h"
#include "committed_files.h"

namespace {

using assets_test::committedBytes;

struct IconEntry {
    int size;
    int blockBytes;
    int trailingZeros;
};

const IconEntry kEntries[] = {
    {16, 1280, 152},  {24, 2560, 120},  {32, 4352, 88},  {48, 9728, 88},
    {64, 17152, 216}, {72, 21760, 120}, {96, 38144, 88}, {128, 67840, 216},
};
constexpr int kEntryCount = 8;
constexpr int kHeaderBytes = 6;
constexpr int kEntryBytes = 16;
constexpr int kFileBytes = 162950;
constexpr int kBitmapHeaderBytes = 40;

int u8(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]);
}
int u16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
qint64 u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The mask's rows are padded to whole 32-bit words.
int maskBytes(int size) {
    return (size + 31) / 32 * 4 * size;
}

TEST(IconFile, HeaderAndEightDirectoryEntries) {
    const QByteArray ico = committedBytes("icon.ico");
    ASSERT_EQ(ico.size(), kFileBytes);
    EXPECT_EQ(u16(ico, 0), 0) << "reserved";
    EXPECT_EQ(u16(ico, 2), 1) << "type: icon";
    EXPECT_EQ(u16(ico, 4), kEntryCount);
    qint64 offset = kHeaderBytes + kEntryCount * kEntryBytes;
    for (int i = 0; i < kEntryCount; ++i) {
        SCOPED_TRACE(kEntries[i].size);
        const qsizetype at = kHeaderBytes + i * kEntryBytes;
        EXPECT_EQ(u8(ico, at), kEntries[i].size) << "width";
        EXPECT_EQ(u8(ico, at + 1), kEntries[i].size) << "height";
        EXPECT_EQ(u8(ico, at + 2), 0) << "colour count";
        EXPECT_EQ(u8(ico, at + 3), 0) << "reserved";
        EXPECT_EQ(u16(ico, at + 4), 1) << "planes";
        EXPECT_EQ(u16(ico, at + 6), 32) << "bits per pixel";
        EXPECT_EQ(u32(ico, at + 8), kEntries[i].blockBytes) << "bytes in block";
        EXPECT_EQ(u32(ico, at + 12), offset) << "blocks follow each other in order";
        offset += kEntries[i].blockBytes;
    }
    EXPECT_EQ(offset, kFileBytes);
}

TEST(IconFile, EachBlockIsA32BitBitmapWithMaskThenZeros) {
    const QByteArray ico = committedBytes("icon.ico");
    ASSERT_EQ(ico.size(), kFileBytes);
    qsizetype at = kHeaderBytes + kEntryCount * kEntryBytes;
    for (const IconEntry& entry : kEntries) {
        SCOPED_TRACE(entry.size);
        const QByteArray block = ico.mid(at, entry.blockBytes);
        at += entry.blockBytes;
        EXPECT_EQ(u32(block, 0), kBitmapHeaderBytes) << "header size";
        EXPECT_EQ(u32(block, 4), entry.size) << "width";
        EXPECT_EQ(u32(block, 8), 2 * entry.size) << "height doubled";
        EXPECT_EQ(u16(block, 12), 1) << "planes";
        EXPECT_EQ(u16(block, 14), 32) << "bits per pixel";
        EXPECT_EQ(u32(block, 16), 0) << "uncompressed";
        const int pixelBytes = entry.size * entry.size * 4;
        const int used = kBitmapHeaderBytes + pixelBytes + maskBytes(entry.size);
        EXPECT_EQ(entry.blockBytes - used, entry.trailingZeros) << "zero run after the mask";
        EXPECT_EQ(block.mid(used), QByteArray(entry.trailingZeros, '\0'));

        // Alpha: a transparent ground, opaque parts, and soft edges in between; the mask marks
        // exactly the fully transparent pixels.
        int transparent = 0, soft = 0, opaque = 0, maskMismatches = 0;
        const int maskRow = (entry.size + 31) / 32 * 4;
        for (int row = 0; row < entry.size; ++row)
            for (int x = 0; x < entry.size; ++x) {
                const int alpha = u8(block, kBitmapHeaderBytes + (row * entry.size + x) * 4 + 3);
                transparent += alpha == 0;
                opaque += alpha == 255;
                soft += alpha > 0 && alpha < 255;
                const int maskByte =
                    u8(block, kBitmapHeaderBytes + pixelBytes + row * maskRow + x / 8);
                maskMismatches += ((maskByte >> (7 - x % 8)) & 1) != (alpha == 0);
            }
        EXPECT_GT(transparent, 0);
        EXPECT_GT(opaque, 0);
        EXPECT_GT(soft, 0);
        EXPECT_EQ(maskMismatches, 0);
    }
}

TEST(IconFile, QtReadsAllEightImages) {
    QByteArray ico = committedBytes("icon.ico");
    QBuffer buffer(&ico);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), kEntryCount);
    for (int i = 0; i < kEntryCount; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), QSize(kEntries[i].size, kEntries[i].size));
        EXPECT_TRUE(image.hasAlphaChannel()) << kEntries[i].size;
    }
}

TEST(DesktopIcons, PngCopiesAtTheUsualSizes) {
    for (int size : assets::kDesktopIconSizes) {
        const QImage image = assets_test::committedPicture(
            QStringLiteral("desktop-icons/reshalkin-%1.png").arg(size));
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel()) << size;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size << ": transparent corner";
    }
}

}  // namespace
