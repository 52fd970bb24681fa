// The copies drawn at twice the size for high-density screens: the same pictures, finer.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/pictures.h"

namespace {

// Averaging each 2 x 2 block gives back the picture drawn at its own size, but for the
// smoothing of letter edges and the JPEG's own errors, largest on the small signs (a mean of
// about 2.7, 33 at worst); a missing stroke or letter differs by well over 100.
constexpr double kLargestMeanDifference = 4.0;
constexpr double kLargestDifference = 60;
constexpr int kScale = 2;

// Every picture but the icon, which carries its own sizes.
std::vector<assets::Picture> drawnTwice() {
    std::vector<assets::Picture> all;
    for (int i = 0; i < static_cast<int>(assets::Picture::ProgramIcon); ++i)
        all.push_back(static_cast<assets::Picture>(i));
    return all;
}

struct Difference {
    double mean = 0;  // per channel
    double largest = 0;
};

// How far the 2 x 2 averages of the large copy lie from the picture.
Difference differenceOf(const QImage& small, const QImage& large) {
    Difference d;
    double sum = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < kScale; ++dy)
                for (int dx = 0; dx < kScale; ++dx) {
                    const QRgb p = large.pixel(kScale * x + dx, kScale * y + dy);
                    r += qRed(p), g += qGreen(p), b += qBlue(p);
                }
            const QRgb p = small.pixel(x, y);
            constexpr double kBlock = kScale * kScale;
            for (const double channel :
                 {std::abs(r / kBlock - qRed(p)), std::abs(g / kBlock - qGreen(p)),
                  std::abs(b / kBlock - qBlue(p))}) {
                sum += channel;
                d.largest = std::max(d.largest, channel);
            }
        }
    }
    d.mean = sum / (3.0 * small.width() * small.height());
    return d;
}

// As the program decodes them: a copy missing from the program, or another picture's, fails here.
TEST(DoubleSize, EachPictureHasACopyAtTwiceTheSizeFromTheSameDrawing) {
    for (const assets::Picture picture : drawnTwice()) {
        const QString path = assets::resourcePath(picture);
        SCOPED_TRACE(path.toStdString());
        const QImage small(path);
        const QImage large(assets::atScale(path, kScale));
        ASSERT_EQ(large.size(), small.size() * kScale);
        const Difference d = differenceOf(small, large);
        EXPECT_LT(d.mean, kLargestMeanDifference);
        EXPECT_LT(d.largest, kLargestDifference) << "no stroke or word is missing";
    }
}

}  // namespace
