// The program icon file and the desktop copies of the icon.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <functional>
#include <vector>

#include "assets/picture_table.h"
#include "committed_files.h"

namespace {

using assets_test::committedBytes;

constexpr int kHeaderBytes = 6;
constexpr int kEntryBytes = 16;
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

// One directory entry: the image's size and where its block lies.
struct IconEntry {
    int size;
    qint64 blockBytes;
    qint64 offset;
};

// The directory as the file states it, each entry checked on the way.
std::vector<IconEntry> directoryOf(const QByteArray& ico) {
    EXPECT_EQ(u16(ico, 0), 0) << "reserved";
    EXPECT_EQ(u16(ico, 2), 1) << "type: icon";
    std::vector<IconEntry> entries;
    for (int i = 0; i < u16(ico, 4); ++i) {
        const qsizetype at = kHeaderBytes + i * kEntryBytes;
        const int width = u8(ico, at) == 0 ? 256 : u8(ico, at);
        SCOPED_TRACE(width);
        EXPECT_EQ(u8(ico, at + 1), u8(ico, at)) << "square";
        EXPECT_EQ(u8(ico, at + 2), 0) << "colour count";
        EXPECT_EQ(u8(ico, at + 3), 0) << "reserved";
        EXPECT_EQ(u16(ico, at + 4), 1) << "planes";
        EXPECT_EQ(u16(ico, at + 6), 32) << "bits per pixel";
        entries.push_back({width, u32(ico, at + 8), u32(ico, at + 12)});
    }
    return entries;
}

// The mask's rows are padded to whole 32-bit words.
int maskBytes(int size) {
    return (size + 31) / 32 * 4 * size;
}

// Blocks follow the directory and each other in order, up to the end of the file; the sizes
// grow, from the 16 x 16 of a title bar to at least the 32 x 32 of the task switcher.
TEST(IconFile, DirectoryOfSquareImagesInOrder) {
    const QByteArray ico = committedBytes("icon.ico");
    ASSERT_GT(ico.size(), kHeaderBytes);
    const std::vector<IconEntry> entries = directoryOf(ico);
    ASSERT_FALSE(entries.empty());
    qint64 offset = kHeaderBytes + qint64(entries.size()) * kEntryBytes;
    for (const IconEntry& entry : entries) {
        EXPECT_EQ(entry.offset, offset) << entry.size;
        offset += entry.blockBytes;
    }
    EXPECT_EQ(offset, ico.size());
    EXPECT_EQ(entries.front().size, 16);
    EXPECT_GE(entries.back().size, 32);
    EXPECT_TRUE(std::ranges::is_sorted(entries, std::less<>(), &IconEntry::size));
}

TEST(IconFile, EachBlockIsA32BitBitmapWithMaskThenZeros) {
    const QByteArray ico = committedBytes("icon.ico");
    for (const IconEntry& entry : directoryOf(ico)) {
        SCOPED_TRACE(entry.size);
        const QByteArray block = ico.mid(entry.offset, entry.blockBytes);
        EXPECT_EQ(u32(block, 0), kBitmapHeaderBytes) << "header size";
        EXPECT_EQ(u32(block, 4), entry.size) << "width";
        EXPECT_EQ(u32(block, 8), 2 * entry.size) << "height doubled";
        EXPECT_EQ(u16(block, 12), 1) << "planes";
        EXPECT_EQ(u16(block, 14), 32) << "bits per pixel";
        EXPECT_EQ(u32(block, 16), 0) << "uncompressed";
        const int pixelBytes = entry.size * entry.size * 4;
        const int used = kBitmapHeaderBytes + pixelBytes + maskBytes(entry.size);
        ASSERT_LE(used, block.size()) << "the bitmap fits its block";
        EXPECT_EQ(block.mid(used), QByteArray(block.size() - used, '\0')) << "then zeros";

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

TEST(IconFile, QtReadsEveryImage) {
    QByteArray ico = committedBytes("icon.ico");
    const std::vector<IconEntry> entries = directoryOf(ico);
    QBuffer buffer(&ico);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), static_cast<int>(entries.size()));
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), QSize(entries[i].size, entries[i].size));
        EXPECT_TRUE(image.hasAlphaChannel()) << entries[i].size;
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
