// The button face and the four operator signs.
#include <gtest/gtest.h>
#include <vector>

#include "assets/pictures.h"
#include "committed_files.h"

namespace {

using assets::Picture;
using assets_test::near;

constexpr int kJpegTolerance = 3;

struct ColumnSample {
    int x;
    QRgb colour;
};

TEST(ButtonFace, HorizontalGradientTheSameInEveryRow) {
    const QImage face(assets::resourcePath(Picture::ButtonFace));
    ASSERT_EQ(face.size(), QSize(150, 38));
    const ColumnSample samples[] = {
        {0, qRgb(95, 168, 221)},
        {75, qRgb(51, 100, 133)},
        {149, qRgb(9, 33, 45)},
    };
    for (int y = 0; y < face.height(); ++y)
        for (const ColumnSample& sample : samples)
            EXPECT_TRUE(near(face.pixel(sample.x, y), sample.colour, kJpegTolerance))
                << "x=" << sample.x << " y=" << y;
}

// Symbol pixels are very dark navy, ground pixels the signs' blue. Colour is stored at half
// resolution, so a 2-pixel stroke on blue picks up some blue: the symbol is told by darkness.
constexpr int kSymbolGrayAtMost = 45;
constexpr int kGroundGrayAtLeast = 80;

struct Pixel {
    int x, y;
};

// By role, decoded as the program decodes it: a sign given another's file fails.
struct SignCase {
    Picture role;
    std::vector<Pixel> symbol;
    std::vector<Pixel> ground;
};

// Bars lie on rows or columns 9 and 10 from 5 to 15; the division dots on rows 6, 7 and 13, 14.
const std::vector<Pixel> kBarEnds{{5, 9}, {5, 10}, {15, 9}, {15, 10}, {10, 10}};
const std::vector<Pixel> kVerticalBarEnds{{9, 5}, {10, 5}, {9, 15}, {10, 15}};
const std::vector<Pixel> kOutsideAll{{0, 0}, {19, 19}, {4, 9}, {16, 10}, {3, 16}, {16, 3}};

std::vector<Pixel> joined(std::vector<Pixel> a, const std::vector<Pixel>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const SignCase kSigns[] = {
    {Picture::PlusSign, joined(kBarEnds, kVerticalBarEnds),
     joined(kOutsideAll, {{9, 4}, {10, 16}, {6, 6}})},
    {Picture::MinusSign, kBarEnds, joined(kOutsideAll, kVerticalBarEnds)},
    {Picture::TimesSign,
     {{6, 6}, {13, 13}, {13, 6}, {6, 13}, {9, 9}, {10, 10}},
     joined(kOutsideAll, {{10, 5}, {5, 10}, {15, 10}, {10, 15}})},
    {Picture::DivisionSign, joined(kBarEnds, {{9, 6}, {10, 7}, {9, 13}, {10, 14}}),
     joined(kOutsideAll, {{9, 4}, {9, 16}, {6, 6}, {6, 13}})},
};

TEST(OperatorSigns, SymbolInNavyOnTheBlueGround) {
    for (const SignCase& sign : kSigns) {
        const QImage picture(assets::resourcePath(sign.role));
        const std::string file = assets::fileName(sign.role).toStdString();
        ASSERT_EQ(picture.size(), QSize(20, 20)) << file;
        for (const Pixel& p : sign.symbol)
            EXPECT_LE(qGray(picture.pixel(p.x, p.y)), kSymbolGrayAtMost)
                << file << " symbol at " << p.x << "," << p.y;
        for (const Pixel& p : sign.ground)
            EXPECT_GE(qGray(picture.pixel(p.x, p.y)), kGroundGrayAtLeast)
                << file << " ground at " << p.x << "," << p.y;
        EXPECT_TRUE(near(picture.pixel(0, 0), qRgb(46, 140, 191), kJpegTolerance)) << file;
        EXPECT_TRUE(near(picture.pixel(19, 19), qRgb(34, 100, 148), kJpegTolerance)) << file;
    }
}

}  // namespace
