// Keyboard focus and keys: Tab order by TabIndex with wrap-around, buttons pressed by Space
// and Enter, «вычислить» pressed by Enter in a geometry screen's input field, nothing by Esc.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "screen_harness.h"

namespace screens {
namespace {

using testing::focusName;
using testing::ScreenHarness;
using Names = std::vector<std::string>;

// Each screen's focusable controls in TabIndex order; labels never appear. «Решение» comes after
// the screen's own controls.
const struct {
    ScreenId screen;
    Names order;
} kTabOrders[] = {
    {ScreenId::MainMenu, {"cmd1", "cmd2", "cmd3", "cmd4", "cmd6"}},
    {ScreenId::Triangle, {"txt1", "txt2", "txt3", "txt4", "cmd1", "cmd2", "cmdSolution"}},
    {ScreenId::Circle, {"txt1", "cmd1", "txt2", "txt3", "cmd2", "cmdSolution"}},
    {ScreenId::Cylinder, {"txt1", "txt2", "cmd1", "txt3", "txt4", "cmd2", "cmdSolution"}},
    {ScreenId::Cone, {"txt1", "txt2", "cmd1", "txt3", "txt4", "cmd2", "cmdSolution"}},
    {ScreenId::Calculator,
     {"txt1Dec", "txt2Dec", "txt3Dec", "cmd1", "txt2Oct", "txt3Oct", "Command1", "txt1Oct",
      "Command2", "Command3", "txt1Hex", "txt2Hex", "txt3Hex", "cmd2", "cmdSolution"}},
};

Names walk(Qt::KeyboardModifiers modifiers, std::size_t steps) {
    Names seen{focusName()};
    for (std::size_t i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        seen.push_back(focusName());
    }
    return seen;
}

TEST(Keyboard, FirstShowingFocusesTabIndexZero) {
    for (const auto& t : kTabOrders) {
        ScreenHarness harness(t.screen);
        ASSERT_TRUE(harness.showActive());
        EXPECT_EQ(focusName(), t.order.front()) << nameOf(t.screen);
    }
}

TEST(Keyboard, TabAndShiftTabFollowTabIndexAndWrap) {
    for (const auto& t : kTabOrders) {
        ScreenHarness harness(t.screen);
        ASSERT_TRUE(harness.showActive());
        Names forward = t.order;
        forward.push_back(t.order.front());
        EXPECT_EQ(walk(Qt::NoModifier, t.order.size()), forward) << nameOf(t.screen);
        Names backward{t.order.front()};
        backward.insert(backward.end(), t.order.rbegin(), t.order.rend());
        EXPECT_EQ(walk(Qt::ShiftModifier, t.order.size()), backward) << nameOf(t.screen);
    }
}

TEST(Keyboard, KeysThatPressAButtonAndKeysThatDoNot) {
    const struct {
        ScreenId screen;
        const char* focus;
        Qt::Key key;
        Names clicks;
    } cases[] = {
        {ScreenId::MainMenu, "cmd3", Qt::Key_Space, {"cmd3"}},
        {ScreenId::MainMenu, "cmd4", Qt::Key_Return, {"cmd4"}},
        {ScreenId::Calculator, "Command3", Qt::Key_Enter, {"Command3"}},
        {ScreenId::Triangle, "cmd1", Qt::Key_Escape, {}},
        {ScreenId::Triangle, "txt1", Qt::Key_Return, {"cmd1"}},
        {ScreenId::Circle, "txt1", Qt::Key_Enter, {"cmd1"}},  // the keypad's Enter
        {ScreenId::Cone, "txt2", Qt::Key_Return, {"cmd1"}},
        {ScreenId::Triangle, "txt4", Qt::Key_Enter, {}},  // a result field
        {ScreenId::Calculator, "txt1Dec", Qt::Key_Return, {}},
        {ScreenId::Triangle, "txt2", Qt::Key_Escape, {}},
        {ScreenId::Calculator, "txt3Hex", Qt::Key_Return, {}},
        {ScreenId::MainMenu, "cmd1", Qt::Key_Escape, {}},
    };
    for (const auto& c : cases) {
        ScreenHarness harness(c.screen);
        ASSERT_TRUE(harness.showActive());
        QWidget* target = harness.control(c.focus);
        target->setFocus();
        QTest::keyClick(target, c.key);
        EXPECT_EQ(harness.clicks, c.clicks) << nameOf(c.screen) << " " << c.focus;
    }
}

TEST(Keyboard, NoButtonIsADefaultButton) {
    for (ScreenId id : kAllScreens) {
        ScreenHarness harness(id);
        for (QPushButton* button : harness.screen->findChildren<QPushButton*>()) {
            EXPECT_FALSE(button->autoDefault() || button->isDefault());
            EXPECT_TRUE(button->shortcut().isEmpty()) << "no access keys";
        }
    }
}

}  // namespace
}  // namespace screens
