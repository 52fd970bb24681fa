// A compute button explains its results where the pupil and a screen reader find them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>
#include <string>

#include "program_harness.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

// As the pupil sees it on hovering.
std::string shownTip(QWidget* field) {
    QHelpEvent hover(QEvent::ToolTip, field->rect().center(),
                     field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &hover);
    return QToolTip::isVisible() ? QToolTip::text().toStdString() : "(none)";
}

// As a screen reader has it.
std::string spoken(QWidget* field) {
    return QAccessible::queryAccessibleInterface(field)
        ->text(QAccessible::Description)
        .toStdString();
}

TEST(FormulaTips, AClickExplainsTheResultUntilThePupilTypesOverIt) {
    const std::string general = "Боковая поверхность: S = πrl, образующая l = √(r² + h²)";
    const std::string worked = general + "\nl = √(3² + 4²) = 5; S = 3.14 · 3 · 5 = 47.1";
    ProgramHarness harness;
    Screen& cone = harness.screen(ScreenId::frm5);
    cone.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cone));
    QWidget* lateral = harness.control(ScreenId::frm5, "txt3");
    EXPECT_EQ(shownTip(lateral), general);

    harness.type(ScreenId::frm5, "txt1", "3");
    harness.type(ScreenId::frm5, "txt2", "4");
    harness.click(ScreenId::frm5, "cmd1");
    EXPECT_EQ(shownTip(lateral), worked);
    EXPECT_EQ(spoken(lateral), worked);

    harness.type(ScreenId::frm5, "txt3", "50");
    EXPECT_EQ(shownTip(lateral), general);
    EXPECT_EQ(spoken(lateral), general);
}

}  // namespace
}  // namespace app
