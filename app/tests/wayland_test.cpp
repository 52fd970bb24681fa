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

// The sweep takes 0.7 s; the bounds only catch a sweep that does not run or never ends,
// since other tests may share the processor.
constexpr double kShortestSweep = 0.25;
constexpr double kLongestSweep = 5.0;

TEST(Wayland, TheMainMenuStartsOnTheWaylandPlatform) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    ProgramHarness harness;
    EXPECT_TRUE(QTest::qWaitForWindowExposed(harness.existing(ScreenId::MainMenu)));
    EXPECT_EQ(harness.existing(ScreenId::MainMenu)->size(), QSize(600, 399));
}

TEST(Wayland, ASweepTakesItsUsualTime) {
    ProgramHarness harness;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(harness.existing(ScreenId::MainMenu)));
    int frames = 0;
    harness.screen(ScreenId::MainMenu).sweepDot().setFrameObserver([&](const screens::Dot&) {
        ++frames;
    });
    const auto start = std::chrono::steady_clock::now();
    playSweep(harness.program.registry(), ScreenId::MainMenu);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("sweep under Wayland: %.3f s, %d frames\n", took.count(), frames);
    EXPECT_GT(took.count(), kShortestSweep);
    EXPECT_LT(took.count(), kLongestSweep);
    EXPECT_GT(frames, 0) << "the dot was shown";
}

TEST(Wayland, NavigationAndACompute) {
    ProgramHarness harness;
    harness.click(ScreenId::MainMenu, "cmd2");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(harness.existing(ScreenId::Circle)));
    EXPECT_FALSE(harness.existing(ScreenId::MainMenu)->isVisible());
    harness.type(ScreenId::Circle, "txt1", "2.5");
    harness.click(ScreenId::Circle, "cmd1");
    EXPECT_EQ(harness.text(ScreenId::Circle, "txt2"), "15.7");
    EXPECT_EQ(harness.text(ScreenId::Circle, "txt3"), "19.625");
    harness.click(ScreenId::Circle, "cmd2");
    EXPECT_TRUE(QTest::qWaitForWindowExposed(harness.existing(ScreenId::MainMenu)));
    EXPECT_FALSE(harness.existing(ScreenId::Circle)->isVisible());
}

}  // namespace
}  // namespace app
