// The program on a screen of two device pixels to a pixel: the client area has twice the
// pixels, and the pictures drawn at twice the size show as they are, so the bar and the bands
// stay sharp, before, during and after a sweep.
#include <gtest/gtest.h>

#include <QScreen>

#include "program_harness.h"
#include "screens/widgets/picture_files.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

// Set before the application starts, as a user's desktop would.
const bool kTwoDevicePixels = qputenv("QT_SCALE_FACTOR", "2");
constexpr int kScale = 2;

// The bottom strip of the client area, device rows 770 to 797: the bar (778 to 789) with the
// ground and the bands around it, and no control over it.
constexpr int kStripTop = 770;
constexpr int kClientBottom = 798;
constexpr int kBarTop = 778;
constexpr int kBarBottom = 789;

// What the window system shows of a window, in device pixels.
QImage shownOnScreen(QWidget& window) {
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage largePicture(const char* name) {
    return QImage(QStringLiteral(":/pictures/%1@2x.jpg").arg(name))
        .convertToFormat(QImage::Format_RGB32);
}

// Rows of the shown image that differ from the picture, compared pixel for pixel.
int differingPixels(const QImage& shown, const QImage& picture, int top, int bottom) {
    int differing = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < shown.width(); ++x)
            differing += shown.pixel(x, y) != picture.pixel(x, y);
    return differing;
}

const struct {
    ScreenId screen;
    const char* picture;
    QSize client;
} kScreens[] = {
    {ScreenId::MainMenu, "menu", {1200, 798}},
    {ScreenId::Cone, "cone", {1196, 798}},
};

Screen& shown(ProgramHarness& harness, ScreenId id) {
    Screen& screen = harness.screen(id);
    bringUp(screen);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&screen));
    QTest::qWait(50);
    return screen;
}

TEST(HighDensityScreen, TheClientAreaHasTwiceThePixelsAndTheLargePictureAsItIs) {
    ASSERT_TRUE(kTwoDevicePixels);
    for (const auto& s : kScreens) {
        ProgramHarness harness;
        Screen& screen = shown(harness, s.screen);
        ASSERT_EQ(screen.devicePixelRatioF(), kScale);
        const QImage image = shownOnScreen(screen);
        EXPECT_EQ(image.size(), s.client) << s.picture;
        EXPECT_EQ(differingPixels(image, largePicture(s.picture), kStripTop, kClientBottom), 0)
            << s.picture << ": the bar and the bands are shown unscaled";
    }
}

// Red seen during a sweep stays within the bar's rows; afterwards the strip is the picture's.
TEST(HighDensityScreen, TheSweepStaysOnTheBarAndLeavesItAsItWas) {
    ProgramHarness harness;
    Screen& screen = shown(harness, ScreenId::MainMenu);
    int frames = 0, redOutside = 0, redSeen = 0;
    screen.sweepDot().setFrameObserver([&](const screens::Dot&) {
        if (++frames % 10 != 0) return;
        const QImage image = shownOnScreen(screen);
        for (int y = kStripTop; y < kClientBottom; ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                const bool red = qRed(p) > 128 && qGreen(p) < 64 && qBlue(p) < 64;
                redSeen += red;
                redOutside += red && (y < kBarTop || y > kBarBottom);
            }
    });
    playSweep(harness.program.registry(), ScreenId::MainMenu);
    screen.sweepDot().setFrameObserver({});
    EXPECT_GT(redSeen, 0) << "the dot was seen";
    EXPECT_EQ(redOutside, 0);
    EXPECT_EQ(
        differingPixels(shownOnScreen(screen), largePicture("menu"), kStripTop, kClientBottom), 0)
        << "the strip is the picture's again";
}

// The operator buttons are 25 pixels square, their signs 20: at twice the size the sign's 40 x
// 40 device pixels sit two pixels inside the bevel, exactly as drawn.
TEST(HighDensityScreen, OperatorSignsShowPixelForPixel) {
    ProgramHarness harness;
    Screen& screen = shown(harness, ScreenId::Calculator);
    const QImage image = shownOnScreen(screen);
    const struct {
        const char* button;
        const char* picture;
    } cases[] = {
        {"Command1", "plus"}, {"Command2", "minus"}, {"cmd1", "times"}, {"Command3", "division"}};
    constexpr int kBevel = 2;
    for (const auto& c : cases) {
        const QWidget* button = harness.control(ScreenId::Calculator, c.button);
        const QPoint corner = (button->pos() + QPoint(kBevel, kBevel)) * kScale;
        const QImage sign = largePicture(c.picture);
        EXPECT_EQ(image.copy(QRect(corner, sign.size())), sign) << c.picture;
    }
}

TEST(HighDensityScreen, PicturesAreLoadedForTheScreensDensity) {
    const struct {
        assets::Picture picture;
        qreal screenRatio;
        QSize pixels;
        qreal pictureRatio;
    } cases[] = {
        {assets::Picture::ButtonFace, 1, {150, 38}, 1},
        {assets::Picture::ButtonFace, 2, {300, 76}, 2},
        {assets::Picture::ButtonFace, 1.5, {300, 76}, 2},  // drawn down, never up
        {assets::Picture::MenuBackground, 2, {1200, 800}, 2},
        {assets::Picture::ProgramIcon, 2, {16, 16}, 1},  // the icon has its own sizes
    };
    for (const auto& c : cases) {
        const QPixmap pixmap = screens::loadPicture(c.picture, c.screenRatio);
        EXPECT_EQ(pixmap.size(), c.pixels) << c.screenRatio;
        EXPECT_EQ(pixmap.devicePixelRatio(), c.pictureRatio) << c.screenRatio;
    }
}

}  // namespace
}  // namespace app
