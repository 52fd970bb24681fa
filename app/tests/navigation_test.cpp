// Start-up, moving between the screens, and one instance of each that keeps its fields.
#include <gtest/gtest.h>

#include "calc/messages.h"
#include "program_harness.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

TEST(StartUp, OnlyTheMainMenuExistsAndIsShown) {
    ProgramHarness harness;
    ASSERT_NE(harness.existing(ScreenId::MainMenu), nullptr);
    EXPECT_TRUE(harness.existing(ScreenId::MainMenu)->isVisible());
    for (ScreenId id : {ScreenId::Triangle, ScreenId::Circle, ScreenId::Cylinder, ScreenId::Cone,
                        ScreenId::Calculator}) {
        EXPECT_EQ(harness.existing(id), nullptr) << screens::nameOf(id);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !harness.existing(ScreenId::MainMenu)->windowIcon().availableSizes().isEmpty();
    })) << "the program icon";
}

const struct {
    const char* menuButton;
    ScreenId target;
    const char* field;
} kMenu[] = {
    {"cmd1", ScreenId::Triangle, "txt1"},      {"cmd2", ScreenId::Circle, "txt1"},
    {"cmd3", ScreenId::Cylinder, "txt2"},      {"cmd4", ScreenId::Cone, "txt4"},
    {"cmd6", ScreenId::Calculator, "txt2Oct"},
};

TEST(Navigation, EachMenuButtonOpensItsScreenAndBackKeepsEverything) {
    ProgramHarness harness;
    Screen* menu = harness.existing(ScreenId::MainMenu);
    for (const auto& m : kMenu) {
        harness.click(ScreenId::MainMenu, m.menuButton);
        Screen* opened = harness.existing(m.target);
        ASSERT_NE(opened, nullptr) << m.menuButton;
        EXPECT_EQ(harness.visibleScreen(), opened) << m.menuButton;
        EXPECT_TRUE(QTest::qWaitForWindowActive(opened)) << "keys go to the screen shown";
        harness.type(m.target, m.field, "12,5 см");

        harness.click(m.target, "cmd2");
        EXPECT_EQ(harness.visibleScreen(), menu) << "the same main menu, never a new one";
        EXPECT_TRUE(QTest::qWaitForWindowActive(menu));

        harness.click(ScreenId::MainMenu, m.menuButton);
        EXPECT_EQ(harness.existing(m.target), opened) << "one instance per screen";
        EXPECT_EQ(harness.visibleScreen(), opened);
        EXPECT_EQ(harness.text(m.target, m.field), "12,5 см") << "typed text kept";
        harness.click(m.target, "cmd2");
    }
    EXPECT_EQ(harness.visibleScreen(), menu);
}

TEST(Navigation, ScreensLeftBehindStayLoadedAndHidden) {
    ProgramHarness harness;
    harness.click(ScreenId::MainMenu, "cmd1");
    harness.click(ScreenId::Triangle, "cmd2");
    harness.click(ScreenId::MainMenu, "cmd2");
    EXPECT_EQ(harness.visibleScreen(), harness.existing(ScreenId::Circle));
    for (ScreenId id : {ScreenId::MainMenu, ScreenId::Triangle}) {
        ASSERT_NE(harness.existing(id), nullptr);
        EXPECT_FALSE(harness.existing(id)->isVisible());
    }
    EXPECT_EQ(harness.existing(ScreenId::Cylinder), nullptr);
}

// The sweep on the source runs to its end before the target is shown.
TEST(Navigation, TheSweepPlaysOnTheSourceBeforeTheTargetShows) {
    const struct {
        ScreenId source;
        const char* button;
        ScreenId target;
    } cases[] = {
        {ScreenId::MainMenu, "cmd6", ScreenId::Calculator},
        {ScreenId::Calculator, "cmd2", ScreenId::MainMenu},
    };
    ProgramHarness harness(playSweep);
    for (const auto& c : cases) {
        int frames = 0, framesWithTargetShown = 0;
        harness.screen(c.source).sweepDot().setFrameObserver([&](const screens::Dot&) {
            ++frames;
            const Screen* target = harness.existing(c.target);
            framesWithTargetShown += target && target->isVisible();
        });
        harness.click(c.source, c.button);
        harness.screen(c.source).sweepDot().setFrameObserver({});
        EXPECT_GT(frames, 0);
        EXPECT_EQ(framesWithTargetShown, 0);
        EXPECT_TRUE(harness.screen(c.target).isVisible());
        EXPECT_FALSE(harness.screen(c.source).isVisible());
    }
}

// Whatever ends a sweep early ends the click: no navigation, and no dot left behind.
TEST(Navigation, AFailingSweepEndsTheClickBeforeItNavigates) {
    std::vector<std::string> reported;
    Program program([&](Screen&, const std::string& message) { reported.push_back(message); });
    program.start();
    Screen& menu = program.registry().ensureScreen(ScreenId::MainMenu);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    const QRect bar(0, menu.height() * 9 / 10, menu.width(), menu.height() / 10);  // the dot's
    const QImage before = menu.grab(bar).toImage();
    menu.sweepDot().setFrameObserver(
        [](const screens::Dot&) { throw calc::RuntimeError(calc::Error::InvalidOperation); });
    QTest::mouseClick(menu.findChild<QWidget*>("cmd2"), Qt::LeftButton);
    menu.sweepDot().setFrameObserver({});

    EXPECT_EQ(reported.size(), 1U);
    EXPECT_TRUE(menu.isVisible()) << "the source stays";
    EXPECT_EQ(menu.grab(bar).toImage(), before) << "the dot is taken away";
    EXPECT_EQ(program.registry().find(ScreenId::Circle), nullptr) << "the target never came";

    QTest::mouseClick(menu.findChild<QWidget*>("cmd2"), Qt::LeftButton);
    EXPECT_TRUE(program.registry().ensureScreen(ScreenId::Circle).isVisible()) << "works again";
}

}  // namespace
}  // namespace app
