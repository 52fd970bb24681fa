// The program started with `--scale` as for a projector (1,5 or 2, given by the build): screens
// drawn larger with the large pictures, the sweep on the bar, a result's tooltip and the solution
// window.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScreen>
#include <QToolTip>
#include <cmath>

#include "app/scale_option.h"
#include "calc/conversions.h"
#include "program_harness.h"
#include "screens/widgets/picture_files.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

// Given as on the command line, before the application starts.
char kProgram[] = "reshalkin", kOption[] = "--scale", kValue[] = RESHALKIN_TEST_SCALE;
char* kArguments[] = {kProgram, kOption, kValue, nullptr};
const bool kScaled = (applyScaleOption(3, kArguments), true);
const double kScale = *scaleFactorOf(kValue);

// The bar's rows in the client area, at the normal size.
constexpr int kBarTop = 389, kBarBottom = 395;

Screen& shown(ProgramHarness& harness, ScreenId id) {
    Screen& screen = harness.screen(id);
    bringUp(screen);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&screen));
    return screen;
}

QImage shownOnScreen(QWidget& window) {
    return window.screen()->grabWindow(window.winId()).toImage();
}

TEST(RESHALKIN_TEST_SUITE, ScreensAreDrawnLargerWithTheLargePictures) {
    ASSERT_TRUE(kScaled);
    ProgramHarness harness;
    for (const ScreenId id : {ScreenId::MainMenu, ScreenId::Calculator}) {
        Screen& screen = shown(harness, id);
        EXPECT_EQ(screen.devicePixelRatioF(), kScale);
        EXPECT_EQ(shownOnScreen(screen).width(), std::lround(screen.width() * kScale));
        EXPECT_EQ(screens::loadPicture(assets::Picture::ButtonFace, kScale).devicePixelRatio(), 2);
    }
}

TEST(RESHALKIN_TEST_SUITE, TheSweepStaysOnTheBar) {
    ProgramHarness harness;
    Screen& screen = shown(harness, ScreenId::MainMenu);
    int frames = 0, redSeen = 0, redOutside = 0;
    screen.sweepDot().setFrameObserver([&](const screens::Dot&) {
        if (++frames % 10 != 0) return;
        const QImage image = shownOnScreen(screen);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                const bool red = qRed(p) > 128 && qGreen(p) < 64 && qBlue(p) < 64;
                redSeen += red;
                redOutside += red && (y < kBarTop * kScale - 1 || y > kBarBottom * kScale + 1);
            }
    });
    playSweep(harness.program.registry(), ScreenId::MainMenu);
    screen.sweepDot().setFrameObserver({});
    EXPECT_GT(redSeen, 0);
    EXPECT_EQ(redOutside, 0);
}

TEST(RESHALKIN_TEST_SUITE, AResultsTooltipAndTheSolutionWindowShowOnTheDesktop) {
    ProgramHarness harness;
    harness.click(ScreenId::MainMenu, "cmd2");
    Screen& circle = shown(harness, ScreenId::Circle);
    harness.type(ScreenId::Circle, "txt1", "2.5");
    harness.click(ScreenId::Circle, "cmd1");
    QWidget* area = harness.control(ScreenId::Circle, "txt3");
    QTest::mouseMove(area);
    QHelpEvent hover(QEvent::ToolTip, area->rect().center(),
                     area->mapToGlobal(area->rect().center()));
    QApplication::sendEvent(area, &hover);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_TRUE(QToolTip::text().contains("19" + QString(calc::decimalSeparator()) + "625"))
        << QToolTip::text().toStdString();
    QToolTip::hideText();

    ASSERT_TRUE(QTest::qWaitForWindowActive(&circle));
    QTest::keyClick(circle.focusWidget(), Qt::Key_F1);
    auto* solution = circle.findChild<QWidget*>("solution");
    ASSERT_NE(solution, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(solution));
    // Where beside the screen it goes is the solution window's own business; here it is shown,
    // on the desktop, with the working.
    EXPECT_TRUE(circle.screen()->availableGeometry().contains(solution->geometry().topLeft()));
    EXPECT_TRUE(solution->findChild<QPlainTextEdit*>()->toPlainText().contains("625"));
}

}  // namespace
}  // namespace app
