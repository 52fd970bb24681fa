// The progress sweep: the dot's path, where it lands on each screen, and what is seen.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QScreen>
#include <utility>
#include <vector>

#include "program_harness.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

// The dots a sweep shows on a screen, as it shows them.
std::vector<screens::Dot> dotsOfASweep(ProgramHarness& harness, ScreenId id) {
    std::vector<screens::Dot> dots;
    Screen& screen = harness.screen(id);
    screen.sweepDot().setFrameObserver([&](const screens::Dot& dot) { dots.push_back(dot); });
    playSweep(harness.program.registry(), id);
    screen.sweepDot().setFrameObserver({});
    return dots;
}

// From x = -794 to the last step under 800 of the sweep's -1000 .. 1000, on each client width.
TEST(Sweep, TheDotRunsFromItsFirstToItsLastColumnOnEachClientWidth) {
    // clang-format off
    const struct { ScreenId screen; double firstColumn, lastColumn; } cases[] = {
        {ScreenId::MainMenu, 61.8, 540.0},
        {ScreenId::Cylinder, 61.8, 540.0},
        {ScreenId::Cone, 61.6, 538.2},
        {ScreenId::Calculator, 61.6, 538.2},
    };
    // clang-format on
    ProgramHarness harness;
    for (const auto& c : cases) {
        const std::vector<screens::Dot> dots = dotsOfASweep(harness, c.screen);
        ASSERT_GE(dots.size(), 5U) << "shown again and again";
        const screens::Dot& first = dots.front();
        EXPECT_NEAR(first.segment.x1(), c.firstColumn, 0.05);
        EXPECT_NEAR(dots.back().segment.x2(), c.lastColumn, 0.05);
        EXPECT_NEAR(first.segment.y1(), 390.6, 0.05) << "upper end";
        EXPECT_NEAR(first.segment.y2(), 391.2, 0.05) << "lower end";
        EXPECT_EQ(first.penWidth, 5);
        EXPECT_EQ(first.colour, 255U) << "red";
        EXPECT_TRUE(std::ranges::is_sorted(dots, {}, [](const screens::Dot& d) {
            return d.segment.x1();
        })) << "left to right";
    }
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > 128 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// Red pixels in the given rows.
int redPixels(const QImage& image, int firstRow, int lastRow) {
    int red = 0;
    for (int y = firstRow; y <= lastRow; ++y) {
        for (int x = 0; x < image.width(); ++x) red += isRed(image.pixel(x, y));
    }
    return red;
}

// What the display shows of a window, read back from the X server.
QImage onDisplay(QWidget& window) {
    return window.screen()->grabWindow(window.winId()).toImage();
}

// The bar's rows; the dot must stay inside them.
constexpr int kBarTop = 389, kBarBottom = 393;

// Each play starts again from the left; afterwards the window is exactly as it was.
TEST(Sweep, TheDotGlidesAlongTheBarAndLeavesTheWindowAsItWas) {
    for (ScreenId id : {ScreenId::MainMenu, ScreenId::Cone}) {
        ProgramHarness harness;
        Screen& screen = harness.screen(id);
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        QTest::qWait(100);
        const QImage before = onDisplay(screen);
        std::pair<qreal, qreal> firstPlay;
        for (int play = 0; play < 2; ++play) {
            std::vector<qreal> columns;
            std::vector<int> redOnBar;
            int redElsewhere = 0;
            screen.sweepDot().setFrameObserver([&](const screens::Dot& dot) {
                columns.push_back(dot.segment.x1());
                const QImage shown = onDisplay(screen);
                redOnBar.push_back(redPixels(shown, kBarTop, kBarBottom));
                redElsewhere += redPixels(shown, 0, kBarTop - 1);
                redElsewhere += redPixels(shown, kBarBottom + 1, shown.height() - 1);
            });
            playSweep(harness.program.registry(), id);
            screen.sweepDot().setFrameObserver({});

            ASSERT_GE(columns.size(), 5U) << "shown again and again";
            if (play == 0) firstPlay = {columns.front(), columns.back()};
            EXPECT_EQ(columns.front(), firstPlay.first) << "from the left each time";
            EXPECT_EQ(columns.back(), firstPlay.second) << "to the same end";
            EXPECT_TRUE(std::ranges::is_sorted(columns)) << "left to right";
            EXPECT_GT(redOnBar[redOnBar.size() / 2], 5) << "a red dot mid-way";
            EXPECT_EQ(redElsewhere, 0) << "the dot stays on the bar";
            EXPECT_EQ(onDisplay(screen), before) << "gone at the end: " << screens::nameOf(id);
        }
    }
}

// The sweep handles no events: a key pressed meanwhile is typed only after it.
TEST(Sweep, InputWaitsUntilTheSweepEnds) {
    ProgramHarness harness;
    Screen& cone = harness.screen(ScreenId::Cone);
    bringUp(cone);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cone));
    harness.type(ScreenId::Cone, "txt1", "3");
    QWidget* radius = harness.control(ScreenId::Cone, "txt1");
    bool pressed = false;
    cone.sweepDot().setFrameObserver([&](const screens::Dot&) {
        if (std::exchange(pressed, true)) return;
        QCoreApplication::postEvent(
            radius, new QKeyEvent(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, "1"));
    });
    playSweep(harness.program.registry(), ScreenId::Cone);
    cone.sweepDot().setFrameObserver({});
    EXPECT_EQ(harness.text(ScreenId::Cone, "txt1"), "3") << "not during the sweep";
    QCoreApplication::processEvents();
    EXPECT_EQ(harness.text(ScreenId::Cone, "txt1"), "31") << "after it";
}

}  // namespace
}  // namespace app
