// The black bar of every screen background, along which the progress sweep runs, as the
// program decodes it at the picture's own size and at twice it.
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/pictures.h"
#include "committed_files.h"

namespace {

using assets::Picture;
using assets_test::isInk;

// Rows 389 to 394 and columns 25 to 575 of a 600 x 400 picture; the sweep's dot covers rows
// 389 to 393.
constexpr QRect kBar(QPoint(25, 389), QPoint(575, 394));
// JPEG moves a black pixel's channels by a few steps, and a little more where colour is averaged
// over 2 x 2 pixels next to the bar; the blue band beside it is far lighter.
constexpr int kBarDarkest = 40;
constexpr int kBandNotBar = 80;

constexpr Picture kBackgrounds[] = {
    Picture::MenuBackground,     Picture::TriangleBackground, Picture::CircleBackground,
    Picture::CylinderBackground, Picture::ConeBackground,     Picture::CalculatorBackground,
};

TEST(Backgrounds, TheBarIsBlackWithSharpEdgesAtBothSizes) {
    for (const Picture background : kBackgrounds)
        for (const int scale : {1, 2}) {
            const QString path = assets::atScale(assets::resourcePath(background), scale);
            SCOPED_TRACE(path.toStdString());
            const QImage picture(path);
            const QRect bar(kBar.topLeft() * scale, kBar.size() * scale);
            ASSERT_TRUE(picture.rect().contains(bar));
            int lightest = 0;
            for (int y = bar.top(); y <= bar.bottom(); ++y)
                for (int x = bar.left(); x <= bar.right(); ++x) {
                    const QRgb p = picture.pixel(x, y);
                    lightest = std::max({lightest, qRed(p), qGreen(p), qBlue(p)});
                }
            EXPECT_LE(lightest, kBarDarkest) << "every bar pixel is black";
            const int middle = bar.center().x();
            EXPECT_FALSE(isInk(picture.pixel(middle, bar.top() - 1))) << "above";
            EXPECT_FALSE(isInk(picture.pixel(middle, bar.bottom() + 1))) << "below";
            for (int x : {bar.left() - 1, bar.right() + 1})
                EXPECT_GT(qGray(picture.pixel(x, bar.center().y())), kBandNotBar)
                    << "the band beside the bar at x=" << x;
        }
}

}  // namespace
