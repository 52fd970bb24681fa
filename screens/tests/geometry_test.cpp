// Every control where the layout puts it, in whole pixels.
#include <gtest/gtest.h>

#include "screen_harness.h"

namespace screens {
namespace {

struct Placement {
    ScreenId screen;
    const char* control;
    QRect pixels;
};

// Twip values that are not whole pixels round to the nearest pixel edge.
const Placement kPlacements[] = {
    {ScreenId::MainMenu, "cmd1", {504, 88, 57, 25}},
    {ScreenId::MainMenu, "cmd2", {504, 120, 57, 25}},
    {ScreenId::MainMenu, "cmd3", {504, 152, 57, 25}},
    {ScreenId::MainMenu, "cmd4", {504, 200, 57, 25}},
    {ScreenId::MainMenu, "cmd6", {504, 240, 57, 25}},
    {ScreenId::Triangle, "txt1", {280, 102, 105, 19}},
    {ScreenId::Triangle, "txt2", {280, 118, 105, 19}},
    {ScreenId::Triangle, "txt3", {328, 272, 129, 19}},
    {ScreenId::Triangle, "txt4", {328, 296, 129, 19}},
    {ScreenId::Triangle, "cmd1", {376, 184, 97, 25}},
    {ScreenId::Triangle, "cmd2", {456, 360, 89, 20}},
    {ScreenId::Circle, "txt1", {272, 131, 113, 19}},  // top 130 2/3
    {ScreenId::Circle, "cmd1", {375, 184, 97, 25}},   // left 374 2/3
    {ScreenId::Circle, "txt2", {304, 264, 97, 19}},
    {ScreenId::Circle, "txt3", {304, 288, 97, 19}},
    {ScreenId::Circle, "cmd2", {456, 360, 89, 20}},
    {ScreenId::Cylinder, "txt1", {272, 110, 97, 19}},  // top 109 2/3
    {ScreenId::Cylinder, "txt2", {272, 139, 97, 19}},  // top 139 1/3
    {ScreenId::Cylinder, "cmd1", {375, 183, 97, 25}},  // 374.6, 183 1/3
    {ScreenId::Cylinder, "txt3", {416, 262, 97, 19}},
    {ScreenId::Cylinder, "txt4", {416, 286, 97, 19}},
    {ScreenId::Cylinder, "cmd2", {456, 360, 89, 20}},
    {ScreenId::Cone, "txt1", {272, 110, 97, 19}},
    {ScreenId::Cone, "txt2", {272, 136, 97, 19}},
    {ScreenId::Cone, "cmd1", {375, 184, 97, 25}},
    {ScreenId::Cone, "txt3", {416, 264, 97, 19}},
    {ScreenId::Cone, "txt4", {416, 288, 97, 19}},
    {ScreenId::Cone, "cmd2", {456, 360, 89, 20}},
    {ScreenId::Calculator, "Label1", {168, 64, 89, 17}},
    {ScreenId::Calculator, "Label2", {168, 176, 97, 17}},
    {ScreenId::Calculator, "Label3", {168, 288, 169, 17}},
    {ScreenId::Calculator, "txt3Dec", {160, 80, 313, 19}},
    {ScreenId::Calculator, "txt3Oct", {160, 192, 313, 19}},
    {ScreenId::Calculator, "txt3Hex", {160, 304, 313, 19}},
    {ScreenId::Calculator, "txt1Dec", {176, 112, 57, 19}},
    {ScreenId::Calculator, "txt1Oct", {176, 224, 57, 19}},
    {ScreenId::Calculator, "txt1Hex", {176, 336, 57, 19}},
    {ScreenId::Calculator, "txt2Dec", {248, 112, 57, 19}},
    {ScreenId::Calculator, "txt2Oct", {248, 224, 57, 19}},
    {ScreenId::Calculator, "txt2Hex", {248, 336, 57, 19}},
    {ScreenId::Calculator, "Command1", {520, 104, 25, 25}},
    {ScreenId::Calculator, "Command2", {520, 152, 25, 25}},
    {ScreenId::Calculator, "cmd1", {520, 200, 25, 25}},
    {ScreenId::Calculator, "Command3", {520, 248, 25, 25}},
    {ScreenId::Calculator, "cmd2", {456, 360, 89, 20}},
};

TEST(Geometry, EveryControlSitsWhereItsLayoutSays) {
    for (const Placement& p : kPlacements) {
        testing::ScreenHarness harness(p.screen);
        QWidget* control = harness.control(p.control);
        ASSERT_NE(control, nullptr) << nameOf(p.screen) << " " << p.control;
        EXPECT_EQ(control->geometry(), p.pixels) << nameOf(p.screen) << " " << p.control;
    }
}

TEST(Geometry, EachScreenHasExactlyItsTableOfControls) {
    const struct {
        ScreenId screen;
        int buttons, textBoxes, labels;
    } cases[] = {
        {ScreenId::MainMenu, 5, 0, 0}, {ScreenId::Triangle, 2, 4, 0},
        {ScreenId::Circle, 2, 3, 0},   {ScreenId::Cylinder, 2, 4, 0},
        {ScreenId::Cone, 2, 4, 0},     {ScreenId::Calculator, 5, 9, 3},
    };
    for (const auto& c : cases) {
        testing::ScreenHarness harness(c.screen);
        const auto count = [&](const char* className) {
            int n = 0;
            for (QObject* child : harness.screen->children()) n += child->inherits(className);
            return n;
        };
        EXPECT_EQ(count("QPushButton"), c.buttons) << nameOf(c.screen);
        EXPECT_EQ(count("QLineEdit"), c.textBoxes) << nameOf(c.screen);
        EXPECT_EQ(count("QLabel"), c.labels) << nameOf(c.screen);
    }
}

// Where two controls overlap, the one the user sees is the one in front.
TEST(Geometry, OverlapsStackAsLaidOut) {
    const struct {
        ScreenId screen;
        QPoint pixel;
        const char* inFront;
    } cases[] = {
        {ScreenId::Triangle, {300, 119}, "txt2"},       // txt2 over the bottom of txt1
        {ScreenId::Triangle, {300, 117}, "txt1"},       // above the overlap
        {ScreenId::Calculator, {200, 80}, "txt3Dec"},   // over Label1's bottom row
        {ScreenId::Calculator, {200, 192}, "txt3Oct"},  // over Label2's bottom row
        {ScreenId::Calculator, {200, 304}, "txt3Hex"},  // over Label3's bottom row
        {ScreenId::Calculator, {200, 79}, "Label1"},
    };
    for (const auto& c : cases) {
        testing::ScreenHarness harness(c.screen);
        ASSERT_TRUE(harness.showActive());
        QWidget* seen = harness.screen->childAt(c.pixel);
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(seen->objectName().toStdString(), c.inFront) << nameOf(c.screen);
    }
}

}  // namespace
}  // namespace screens
