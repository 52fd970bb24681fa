// Every control where its screen's table puts it, in whole pixels, in front of or behind its
// neighbours as laid out, and clear of the words painted on the background.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "screen_harness.h"
#include "screens/frame/twips.h"

namespace screens {
namespace {

QRect pixelsOf(const ControlRow& c) {
    return pixelRect(c.left, c.top, c.width, c.height);
}

// Edges round to the nearest pixel one by one; the cases are edges of real controls.
TEST(Placement, TwipsRoundToTheNearestPixelEdge) {
    const struct {
        int left, top, width, height;
        QRect pixels;
    } cases[] = {
        {4080, 1960, 1695, 285, {272, 131, 113, 19}},  // top 130 2/3
        {5620, 2760, 1455, 375, {375, 184, 97, 25}},   // left 374 2/3
        {5619, 2750, 1455, 375, {375, 183, 97, 25}},   // 374.6, 183 1/3
        {4080, 2090, 1455, 285, {272, 139, 97, 19}},   // top 139 1/3
        {6840, 5400, 1335, 300, {456, 360, 89, 20}},   // whole pixels
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixelRect(c.left, c.top, c.width, c.height), c.pixels) << c.left << " " << c.top;
}

const char* classOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::CommandButton:
            return "QPushButton";
        case ControlKind::TextBox:
            return "QLineEdit";
        case ControlKind::Label:
            return "QLabel";
    }
    return "";
}

// Each control of the table is built once, of its kind, where the table says; nothing else.
TEST(Placement, EveryScreenBuildsExactlyItsTable) {
    for (ScreenId id : kAllScreens) {
        testing::ScreenHarness harness(id);
        const ScreenTable& table = tableOf(id);
        for (const ControlRow& c : table.controls) {
            SCOPED_TRACE(std::string(nameOf(id)) + " " + std::string(c.name));
            QWidget* control = harness.control(std::string(c.name).c_str());
            ASSERT_NE(control, nullptr);
            EXPECT_TRUE(control->inherits(classOf(c.kind)));
            EXPECT_EQ(control->geometry(), pixelsOf(c));
        }
        int built = 0;
        for (QObject* child : harness.screen->children())
            built += child->inherits("QPushButton") || child->inherits("QLineEdit") ||
                     child->inherits("QLabel");
        EXPECT_EQ(built, static_cast<int>(table.controls.size())) << nameOf(id);
    }
}

// Where two controls overlap, the one the user sees is the one in front; beside the overlap,
// the one behind.
TEST(Placement, OverlapsStackAsLaidOut) {
    const struct {
        ScreenId screen;
        const char* behind;
        const char* inFront;
    } cases[] = {
        {ScreenId::Triangle, "txt1", "txt2"},
        {ScreenId::Calculator, "Label1", "txt3Dec"},
        {ScreenId::Calculator, "Label2", "txt3Oct"},
        {ScreenId::Calculator, "Label3", "txt3Hex"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(nameOf(c.screen)) + " " + c.behind + " " + c.inFront);
        testing::ScreenHarness harness(c.screen);
        ASSERT_TRUE(harness.showActive());
        const QRect behind = harness.control(c.behind)->geometry();
        const QRect overlap = behind & harness.control(c.inFront)->geometry();
        ASSERT_FALSE(overlap.isEmpty());
        const QPoint beside = overlap.top() > behind.top() ? behind.topLeft() : behind.bottomLeft();
        const auto seenAt = [&](QPoint pixel) {
            QWidget* widget = harness.screen->childAt(pixel);
            return widget ? widget->objectName().toStdString() : "(none)";
        };
        EXPECT_EQ(seenAt(overlap.center()), c.inFront);
        EXPECT_EQ(seenAt(beside), c.behind);
    }
}

// Painted letters are black with smoothed edges: clearly darker than the white ground is ink.
constexpr int kInkGrayBelow = 200;
// The clear margin kept around every control: a word must not run under a field or button.
constexpr int kControlMargin = 4;

TEST(Placement, NoPaintedWordRunsUnderAControl) {
    for (ScreenId id : kAllScreens) {
        const ScreenTable& table = tableOf(id);
        const QImage background(assets::resourcePath(table.background));
        ASSERT_FALSE(background.isNull()) << nameOf(id);
        for (const ControlRow& c : table.controls) {
            const QRect margin = pixelsOf(c).adjusted(-kControlMargin, -kControlMargin,
                                                      kControlMargin, kControlMargin) &
                                 background.rect();
            int ink = 0;
            for (int y = margin.top(); y <= margin.bottom(); ++y)
                for (int x = margin.left(); x <= margin.right(); ++x)
                    ink += qGray(background.pixel(x, y)) < kInkGrayBelow;
            EXPECT_EQ(ink, 0) << nameOf(id) << " " << c.name;
        }
    }
}

}  // namespace
}  // namespace screens
