// A compute button explains its results where the pupil and a screen reader find them.
#include <gtest/gtest.h>

#include <string>

#include "program_harness.h"

namespace app {
namespace {

using screens::ScreenId;

TEST(FormulaTips, AClickExplainsTheResultUntilThePupilTypesOverIt) {
    const std::string formula = "Боковая поверхность: S = πrl, образующая l = √(r² + h²)";
    const std::string key = "\nF1 — решение по шагам";
    const std::string general = formula + key;
    const std::string worked = formula + "\nl = √(3² + 4²) = 5; S = 3.14 · 3 · 5 = 47.1" + key;
    testing::ProgramHarness harness;
    harness.click(ScreenId::MainMenu, "cmd4");
    QWidget* lateral = harness.control(ScreenId::Cone, "txt3");
    const auto shown = [lateral](const std::string& text) {
        EXPECT_EQ(lateral->toolTip().toStdString(), text);
        EXPECT_EQ(lateral->accessibleDescription().toStdString(), text);
    };
    shown(general);
    harness.type(ScreenId::Cone, "txt1", "3");
    harness.type(ScreenId::Cone, "txt2", "4");
    harness.click(ScreenId::Cone, "cmd1");
    shown(worked);
    harness.type(ScreenId::Cone, "txt3", "50");
    shown(general);
}

}  // namespace
}  // namespace app
