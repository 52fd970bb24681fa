// The progress sweep: its exact calls, where they land on each screen, and what is seen.
#include <gtest/gtest.h>

#include <QScreen>
#include <cmath>
#include <vector>

#include "program_harness.h"

namespace app {
namespace {

using screens::DrawCall;
using screens::ScreenId;
using testing::ProgramHarness;

struct CallLog : screens::DrawRecorder {
    void record(const DrawCall& call) override { calls.push_back(call); }
    std::vector<DrawCall> calls;
};

std::vector<DrawCall> sweepCalls(ProgramHarness& harness, ScreenId id) {
    CallLog log;
    harness.screen(id).surface().setRecorder(&log);
    ProgressSweep(Spin(0)).play(harness.program.registry(), id);
    harness.screen(id).surface().setRecorder(nullptr);
    return log.calls;
}

TEST(Sweep, RecordsTheExactSequence) {
    ProgramHarness harness;
    const std::vector<DrawCall> calls = sweepCalls(harness, ScreenId::MainMenu);
    constexpr std::size_t kSteps = 15'940;
    ASSERT_EQ(calls.size(), 1 + 3 * kSteps) << "Scale, then DrawWidth and two Lines a step";

    const DrawCall& scale = calls.front();
    EXPECT_EQ(scale.kind, DrawCall::Kind::Scale);
    EXPECT_EQ((std::vector<float>{scale.x1, scale.y1, scale.x2, scale.y2}),
              (std::vector<float>{-1000, 1000, 1000, -1000}));

    float previousX = -1e9F;
    for (std::size_t step = 0; step < kSteps; ++step) {
        const DrawCall& width = calls[1 + 3 * step];
        const DrawCall& red = calls[2 + 3 * step];
        const DrawCall& black = calls[3 + 3 * step];
        ASSERT_EQ(width.kind, DrawCall::Kind::DrawWidth);
        ASSERT_EQ(width.width, 5);
        ASSERT_EQ(red.colour, 255U) << step;
        ASSERT_EQ(black.colour, 0U) << step;
        ASSERT_EQ(red.x1, black.x1);
        ASSERT_EQ(red.x1, red.x2);
        ASSERT_EQ(red.y1, -958.0F);
        ASSERT_EQ(red.y2, -961.0F);
        ASSERT_GE(red.x1, previousX);
        previousX = red.x1;
    }
    EXPECT_EQ(calls[2].x1, -794.0F) << "first dot";
    EXPECT_EQ(calls.back().x1, static_cast<float>(799.9000000002254)) << "last dot";
    EXPECT_LT(calls.back().x1, 800.0F) << "no dot at 800";
}

TEST(Sweep, EveryPlayStartsAgainFromTheLeft) {
    ProgramHarness harness;
    for (int play = 0; play < 2; ++play) {
        const std::vector<DrawCall> calls = sweepCalls(harness, ScreenId::Circle);
        EXPECT_EQ(calls[2].x1, -794.0F) << play;
        EXPECT_EQ(calls.size(), 47'821U) << play;
    }
}

TEST(Sweep, PathIsMappedToEachClientWidth) {
    const struct {
        ScreenId screen;
        double firstColumn, lastColumn;
    } cases[] = {
        {ScreenId::MainMenu, 61.8, 540.0},
        {ScreenId::Cylinder, 61.8, 540.0},
        {ScreenId::Cone, 61.6, 538.2},
        {ScreenId::Calculator, 61.6, 538.2},
    };
    ProgramHarness harness;
    for (const auto& c : cases) {
        screens::DrawingSurface& surface = harness.screen(c.screen).surface();
        sweepCalls(harness, c.screen);
        EXPECT_NEAR(surface.toPixels(-794, -958).x(), c.firstColumn, 0.05);
        EXPECT_NEAR(surface.toPixels(799.9F, -958).x(), c.lastColumn, 0.05);
        EXPECT_NEAR(surface.toPixels(0, -958).y(), 390.6, 0.05);
        EXPECT_NEAR(surface.toPixels(0, -961).y(), 391.2, 0.05);
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

// Pixels that differ by more than the picture's compression noise (the bar is stored as a
// JPEG: a few of its pixels are near-black, where the sweep leaves pure black).
int differingPixels(const QImage& a, const QImage& b) {
    constexpr int kNoise = 24;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += std::abs(qRed(p) - qRed(q)) > kNoise ||
                         std::abs(qGreen(p) - qGreen(q)) > kNoise ||
                         std::abs(qBlue(p) - qBlue(q)) > kNoise;
        }
    }
    return differing;
}

// What the display shows of a window, read back from the X server.
QImage onDisplay(QWidget& window) {
    return window.screen()->grabWindow(window.winId()).toImage();
}

// The bar's rows; the dot must stay inside them.
constexpr int kBarTop = 389, kBarBottom = 393;

TEST(Sweep, TheDotIsSeenWhileItMovesAndLeavesTheWindowAsItWas) {
    for (ScreenId id : {ScreenId::MainMenu, ScreenId::Cone}) {
        ProgramHarness harness;
        Screen& screen = harness.screen(id);
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        QTest::qWait(100);
        const QImage before = onDisplay(screen);
        std::vector<int> redOnBar;
        int redElsewhere = 0;
        screen.surface().setPresentHook([&] {
            const QImage shown = onDisplay(screen);
            redOnBar.push_back(redPixels(shown, kBarTop, kBarBottom));
            redElsewhere += redPixels(shown, 0, kBarTop - 1);
            redElsewhere += redPixels(shown, kBarBottom + 1, shown.height() - 1);
        });
        ProgressSweep(Spin(0)).play(harness.program.registry(), id);
        screen.surface().setPresentHook({});

        ASSERT_GE(redOnBar.size(), 30U) << "presented a few dozen times";
        EXPECT_GT(redOnBar[redOnBar.size() / 2], 5) << "a red dot mid-way";
        EXPECT_EQ(redElsewhere, 0) << "the dot stays on the bar";
        EXPECT_EQ(differingPixels(onDisplay(screen), before), 0) << screens::nameOf(id);
    }
}

}  // namespace
}  // namespace app
