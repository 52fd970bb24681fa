// The program under a Wayland compositor with Qt's Wayland plugin (wayland_test.sh starts a
// headless weston and runs this with QT_QPA_PLATFORM=wayland): start-up, a sweep at its usual
// pace, navigation and a compute.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>

#include "program_harness.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

// The sweep takes 0.5 to 1 s; the bounds only catch a sweep that does not run or never ends,
// since other tests may share the processor.
constexpr double kShortestSweep = 0.25;
constexpr double kLongestSweep = 5.0;

TEST(Wayland, TheMainMenuStartsOnTheWaylandPlatform) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    ProgramHarness harness;
    EXPECT_TRUE(QTest::qWaitForWindowExposed(harness.existing(ScreenId::frm1)));
    EXPECT_EQ(harness.existing(ScreenId::frm1)->size(), QSize(600, 399));
}

TEST(Wayland, ASweepTakesItsUsualTime) {
    ProgramHarness harness;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(harness.existing(ScreenId::frm1)));
    int frames = 0;
    harness.screen(ScreenId::frm1).sweepDot().setShownHook([&] { ++frames; });
    const auto start = std::chrono::steady_clock::now();
    ProgressSweep().play(harness.program.registry(), ScreenId::frm1);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("sweep under Wayland: %.3f s, %d frames\n", took.count(), frames);
    EXPECT_GT(took.count(), kShortestSweep);
    EXPECT_LT(took.count(), kLongestSweep);
    EXPECT_GT(frames, 0) << "the dot was shown";
}

TEST(Wayland, NavigationAndACompute) {
    ProgramHarness harness;
    harness.click(ScreenId::frm1, "cmd2");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(harness.existing(ScreenId::frm3)));
    EXPECT_FALSE(harness.existing(ScreenId::frm1)->isVisible());
    harness.type(ScreenId::frm3, "txt1", "2.5");
    harness.click(ScreenId::frm3, "cmd1");
    EXPECT_EQ(harness.text(ScreenId::frm3, "txt2"), "15.7");
    EXPECT_EQ(harness.text(ScreenId::frm3, "txt3"), "19.625");
    harness.click(ScreenId::frm3, "cmd2");
    EXPECT_TRUE(QTest::qWaitForWindowExposed(harness.existing(ScreenId::frm1)));
    EXPECT_FALSE(harness.existing(ScreenId::frm3)->isVisible());
}

}  // namespace
}  // namespace app
