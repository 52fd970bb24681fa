// The pictures as the program decodes them, and the JPEG form of the committed files.
#include <gtest/gtest.h>
#include <set>
#include <vector>

#include "assets/pictures.h"
#include "committed_files.h"

namespace {

using assets::Picture;
using assets_test::committedBytes;

struct PictureCase {
    Picture picture;
    const char* file;
    int width;
    int height;
};

const PictureCase kJpegPictures[] = {
    {Picture::MenuBackground, "menu.jpg", 600, 400},
    {Picture::TriangleBackground, "triangle.jpg", 600, 400},
    {Picture::CircleBackground, "circle.jpg", 600, 400},
    {Picture::CylinderBackground, "cylinder.jpg", 600, 400},
    {Picture::ConeBackground, "cone.jpg", 600, 400},
    {Picture::CalculatorBackground, "calculator.jpg", 600, 400},
    {Picture::ButtonFace, "button.jpg", 150, 38},
    {Picture::PlusSign, "plus.jpg", 20, 20},
    {Picture::MinusSign, "minus.jpg", 20, 20},
    {Picture::TimesSign, "times.jpg", 20, 20},
    {Picture::DivisionSign, "division.jpg", 20, 20},
};

constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kJfif = 0xE0;
constexpr unsigned char kQuantisation = 0xDB;
constexpr unsigned char kBaselineFrame = 0xC0;
constexpr unsigned char kHuffman = 0xC4;
constexpr unsigned char kStartOfScan = 0xDA;

struct Segment {
    unsigned char marker;
    QByteArray payload;
};

struct JpegLayout {
    std::vector<Segment> segments;  // from the first after SOI up to and including SOS
    qsizetype endOfImage = -1;      // where the EOI marker that ends the scan starts
};

int byteAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]);
}
int wordAt(const QByteArray& bytes, qsizetype at) {
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

JpegLayout layoutOf(const QByteArray& bytes) {
    JpegLayout layout;
    qsizetype at = 2;
    while (at + 4 <= bytes.size() && byteAt(bytes, at) == 0xFF) {
        const auto marker = static_cast<unsigned char>(bytes[at + 1]);
        const int length = wordAt(bytes, at + 2);
        layout.segments.push_back({marker, bytes.mid(at + 4, length - 2)});
        at += 2 + length;
        if (marker == kStartOfScan) break;
    }
    // Inside the scan a 0xFF data byte is followed by 0 and a restart marker by D0 to D7.
    for (; at + 1 < bytes.size(); ++at)
        if (byteAt(bytes, at) == 0xFF && byteAt(bytes, at + 1) == kEndOfImage) break;
    layout.endOfImage = at;
    return layout;
}

std::vector<const Segment*> segmentsWith(const JpegLayout& layout, unsigned char marker) {
    std::vector<const Segment*> found;
    for (const Segment& segment : layout.segments)
        if (segment.marker == marker) found.push_back(&segment);
    return found;
}

// What the program loads: each picture decodes at its pixel size, and at twice it.
TEST(PictureFiles, EachPictureDecodesAtItsPixelSize) {
    for (const PictureCase& c : kJpegPictures) {
        const QString path = assets::resourcePath(c.picture);
        EXPECT_EQ(QImage(path).size(), QSize(c.width, c.height)) << path.toStdString();
        EXPECT_EQ(QImage(assets::atScale(path, 2)).size(), QSize(2 * c.width, 2 * c.height))
            << path.toStdString();
    }
    EXPECT_EQ(QImage(assets::resourcePath(Picture::ProgramIcon)).size(), QSize(16, 16))
        << "the icon file's first image";
}

// No picture stands in for another: a role given the wrong file shows the wrong picture.
TEST(PictureFiles, EveryPictureTheProgramDecodesDiffersFromEveryOther) {
    std::vector<QImage> decoded;
    for (int i = 0; i <= static_cast<int>(Picture::ProgramIcon); ++i)
        decoded.emplace_back(assets::resourcePath(static_cast<Picture>(i)));
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        EXPECT_FALSE(decoded[i].isNull()) << i;
        for (std::size_t j = i + 1; j < decoded.size(); ++j)
            EXPECT_NE(decoded[i], decoded[j]) << i << " and " << j;
    }
}

// Each role shows its own picture: a sign or a background given another's file fails here.
TEST(PictureFiles, EachRoleDecodesItsOwnFile) {
    for (const PictureCase& c : kJpegPictures)
        EXPECT_EQ(QImage(assets::resourcePath(c.picture)), assets_test::committedPicture(c.file))
            << c.file;
    EXPECT_EQ(QImage(assets::resourcePath(Picture::ProgramIcon)),
              assets_test::committedPicture("icon.ico"));
}

// Every picture and its copy drawn at twice the size for high-density screens.
struct FormCase {
    QString file;
    int width;
    int height;
};

std::vector<FormCase> everyJpegFile() {
    std::vector<FormCase> all;
    for (const PictureCase& c : kJpegPictures) {
        const QString file = assets::fileName(c.picture);
        all.push_back({file, c.width, c.height});
        all.push_back({assets::atScale(file, 2), 2 * c.width, 2 * c.height});
    }
    return all;
}

TEST(JpegForm, BaselineJfif101At96DpiWithUnitTablesAndNothingAfterTheEnd) {
    for (const FormCase& c : everyJpegFile()) {
        SCOPED_TRACE(c.file.toStdString());
        const QByteArray bytes = committedBytes(c.file);
        ASSERT_GT(bytes.size(), 4);
        ASSERT_EQ(byteAt(bytes, 1), kStartOfImage) << "starts with SOI";
        const JpegLayout layout = layoutOf(bytes);
        ASSERT_FALSE(layout.segments.empty());

        const QByteArray& jfif = layout.segments.front().payload;
        EXPECT_EQ(layout.segments.front().marker, kJfif) << "JFIF comes first";
        EXPECT_EQ(jfif.left(5), QByteArray("JFIF", 5)) << "JFIF identifier";
        EXPECT_EQ(jfif.mid(5, 2), QByteArray("\x01\x01", 2)) << "version 1.01";
        EXPECT_EQ(byteAt(jfif, 7), 1) << "density in dots per inch";
        EXPECT_EQ(wordAt(jfif, 8), 96) << "horizontal density";
        EXPECT_EQ(wordAt(jfif, 10), 96) << "vertical density";

        const auto tables = segmentsWith(layout, kQuantisation);
        ASSERT_EQ(tables.size(), 2u) << "two quantisation tables";
        for (const Segment* table : tables) {
            EXPECT_EQ(byteAt(table->payload, 0) >> 4, 0) << "8-bit entries";
            EXPECT_EQ(table->payload.mid(1), QByteArray(64, '\x01')) << "every entry 1";
        }

        const auto frames = segmentsWith(layout, kBaselineFrame);
        ASSERT_EQ(frames.size(), 1u) << "one baseline frame";
        EXPECT_EQ(frames[0]->payload,
                  QByteArray("\x08", 1) + QByteArray(1, char(c.height >> 8)) +
                      QByteArray(1, char(c.height & 0xFF)) + QByteArray(1, char(c.width >> 8)) +
                      QByteArray(1, char(c.width & 0xFF)) +
                      QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10))
            << "8 bits, three components, luminance sampled 2 x 2 against colour (4:2:0)";
        EXPECT_EQ(layout.segments.size(), 1u + 2u + 1u + 4u + 1u)
            << "JFIF, two quantisation tables, frame, four Huffman tables, scan: nothing else";
        std::set<int> huffman;
        for (const Segment* table : segmentsWith(layout, kHuffman))
            huffman.insert(byteAt(table->payload, 0));
        EXPECT_EQ(huffman, (std::set<int>{0x00, 0x01, 0x10, 0x11})) << "four Huffman tables";

        EXPECT_EQ(layout.endOfImage, bytes.size() - 2) << "EOI ends the file";
    }
}

}  // namespace
