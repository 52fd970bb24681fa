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
    {ScreenId::frm1, "cmd1", {504, 88, 57, 25}},
    {ScreenId::frm1, "cmd2", {504, 120, 57, 25}},
    {ScreenId::frm1, "cmd3", {504, 152, 57, 25}},
    {ScreenId::frm1, "cmd4", {504, 200, 57, 25}},
    {ScreenId::frm1, "cmd6", {504, 240, 57, 25}},
    {ScreenId::frm2, "txt1", {280, 102, 105, 19}},
    {ScreenId::frm2, "txt2", {280, 118, 105, 19}},
    {ScreenId::frm2, "txt3", {328, 272, 129, 19}},
    {ScreenId::frm2, "txt4", {328, 296, 129, 19}},
    {ScreenId::frm2, "cmd1", {376, 184, 97, 25}},
    {ScreenId::frm2, "cmd2", {456, 360, 89, 20}},
    {ScreenId::frm3, "txt1", {272, 131, 113, 19}},  // top 130 2/3
    {ScreenId::frm3, "cmd1", {375, 184, 97, 25}},   // left 374 2/3
    {ScreenId::frm3, "txt2", {304, 264, 97, 19}},
    {ScreenId::frm3, "txt3", {304, 288, 97, 19}},
    {ScreenId::frm3, "cmd2", {456, 360, 89, 20}},
    {ScreenId::frm4, "txt1", {272, 110, 97, 19}},  // top 109 2/3
    {ScreenId::frm4, "txt2", {272, 139, 97, 19}},  // top 139 1/3
    {ScreenId::frm4, "cmd1", {375, 183, 97, 25}},  // 374.6, 183 1/3
    {ScreenId::frm4, "txt3", {416, 262, 97, 19}},
    {ScreenId::frm4, "txt4", {416, 286, 97, 19}},
    {ScreenId::frm4, "cmd2", {456, 360, 89, 20}},
    {ScreenId::frm5, "txt1", {272, 110, 97, 19}},
    {ScreenId::frm5, "txt2", {272, 136, 97, 19}},
    {ScreenId::frm5, "cmd1", {375, 184, 97, 25}},
    {ScreenId::frm5, "txt3", {416, 264, 97, 19}},
    {ScreenId::frm5, "txt4", {416, 288, 97, 19}},
    {ScreenId::frm5, "cmd2", {456, 360, 89, 20}},
    {ScreenId::frm6, "Label1", {168, 64, 89, 17}},
    {ScreenId::frm6, "Label2", {168, 176, 97, 17}},
    {ScreenId::frm6, "Label3", {168, 288, 169, 17}},
    {ScreenId::frm6, "txt3Dec", {160, 80, 313, 19}},
    {ScreenId::frm6, "txt3Oct", {160, 192, 313, 19}},
    {ScreenId::frm6, "txt3Hex", {160, 304, 313, 19}},
    {ScreenId::frm6, "txt1Dec", {176, 112, 57, 19}},
    {ScreenId::frm6, "txt1Oct", {176, 224, 57, 19}},
    {ScreenId::frm6, "txt1Hex", {176, 336, 57, 19}},
    {ScreenId::frm6, "txt2Dec", {248, 112, 57, 19}},
    {ScreenId::frm6, "txt2Oct", {248, 224, 57, 19}},
    {ScreenId::frm6, "txt2Hex", {248, 336, 57, 19}},
    {ScreenId::frm6, "Command1", {520, 104, 25, 25}},
    {ScreenId::frm6, "Command2", {520, 152, 25, 25}},
    {ScreenId::frm6, "cmd1", {520, 200, 25, 25}},
    {ScreenId::frm6, "Command3", {520, 248, 25, 25}},
    {ScreenId::frm6, "cmd2", {456, 360, 89, 20}},
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
        {ScreenId::frm1, 5, 0, 0}, {ScreenId::frm2, 2, 4, 0}, {ScreenId::frm3, 2, 3, 0},
        {ScreenId::frm4, 2, 4, 0}, {ScreenId::frm5, 2, 4, 0}, {ScreenId::frm6, 5, 9, 3},
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
        {ScreenId::frm2, {300, 119}, "txt2"},     // txt2 over the bottom of txt1
        {ScreenId::frm2, {300, 117}, "txt1"},     // above the overlap
        {ScreenId::frm6, {200, 80}, "txt3Dec"},   // over Label1's bottom row
        {ScreenId::frm6, {200, 192}, "txt3Oct"},  // over Label2's bottom row
        {ScreenId::frm6, {200, 304}, "txt3Hex"},  // over Label3's bottom row
        {ScreenId::frm6, {200, 79}, "Label1"},
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
