// Computing through real clicks, and errors that end a click without losing anything.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "product.h"
#include "program_harness.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;
using Texts = std::vector<std::pair<const char*, const char*>>;

struct ComputeCase {
    const char* what;
    ScreenId screen;
    const char* button;
    Texts typed;
    Texts expected;
    const char* message;  // the error shown, or null when none
};

const ComputeCase kCases[] = {
    {"triangle 3, 4",
     ScreenId::Triangle,
     "cmd1",
     {{"txt1", "3"}, {"txt2", "4"}},
     {{"txt3", "5"}, {"txt4", "6"}},
     nullptr},
    {"circle 2.5",
     ScreenId::Circle,
     "cmd1",
     {{"txt1", "2.5"}},
     {{"txt2", "15.7"}, {"txt3", "19.625"}},
     nullptr},
    {"cylinder 2, 3",
     ScreenId::Cylinder,
     "cmd1",
     {{"txt1", "2"}, {"txt2", "3"}},
     {{"txt3", "37.68"}, {"txt4", "62.8"}},
     nullptr},
    {"cone 3, 4",
     ScreenId::Cone,
     "cmd1",
     {{"txt1", "3"}, {"txt2", "4"}},
     {{"txt3", "47.1"}, {"txt4", "75.36"}},
     nullptr},
    {"plus in every row",
     ScreenId::Calculator,
     "Command1",
     {{"txt1Dec", "7"},
      {"txt2Dec", "5"},
      {"txt1Oct", "7"},
      {"txt2Oct", "5"},
      {"txt1Hex", "7"},
      {"txt2Hex", "5"}},
     {{"txt3Dec", "12"}, {"txt3Oct", "14"}, {"txt3Hex", "C"}},
     nullptr},
    {"minus is left minus right",
     ScreenId::Calculator,
     "Command2",
     {{"txt1Dec", "8"}, {"txt2Dec", "2"}},
     {{"txt3Dec", "6"}},
     nullptr},
    {"times",
     ScreenId::Calculator,
     "cmd1",
     {{"txt1Dec", "6"}, {"txt2Dec", "7"}},
     {{"txt3Dec", "42"}},
     nullptr},
    {"divide is left by right",
     ScreenId::Calculator,
     "Command3",
     {{"txt1Dec", "8"}, {"txt2Dec", "2"}, {"txt2Oct", "1"}, {"txt2Hex", "1"}},
     {{"txt3Dec", "4"}},
     nullptr},
    // Faults: results already written stay, the failing one and later ones keep their text.
    {"circle area overflows",
     ScreenId::Circle,
     "cmd1",
     {{"txt1", "1e200"}, {"txt3", "old"}},
     {{"txt2", "6.28E+200"}, {"txt3", "old"}},
     "Переполнение."},
    {"division by zero in the hexadecimal row",
     ScreenId::Calculator,
     "Command3",
     {{"txt1Dec", "1"},
      {"txt2Dec", "2"},
      {"txt1Oct", "1"},
      {"txt2Oct", "2"},
      {"txt1Hex", "1"},
      {"txt2Hex", "0"},
      {"txt3Hex", "old"}},
     {{"txt3Dec", "0.5"}, {"txt3Oct", "0.4"}, {"txt3Hex", "old"}},
     "Деление на ноль невозможно."},
    {"height that is not a number",
     ScreenId::Cylinder,
     "cmd1",
     {{"txt1", "2"}, {"txt2", "abc"}, {"txt3", "old"}, {"txt4", "old"}},
     {{"txt1", "2"}, {"txt2", "abc"}, {"txt3", "old"}, {"txt4", "old"}},
     "Нужно ввести число."},
};

// Shows the screen, types into its fields and clicks the button: what message box came of it.
testing::SeenMessageBox typeAndClick(ProgramHarness& harness, ScreenId id, const Texts& typed,
                                     const char* button) {
    Screen& screen = harness.screen(id);
    screen.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&screen));
    for (const auto& [field, text] : typed) harness.type(id, field, text);
    testing::SeenMessageBox box;
    testing::closeNextMessageBox(box);
    harness.click(id, button);
    return box;
}

TEST(Compute, ClicksWriteTheResultsOrShowTheError) {
    for (const ComputeCase& c : kCases) {
        ProgramHarness harness;
        const testing::SeenMessageBox box = typeAndClick(harness, c.screen, c.typed, c.button);
        for (const auto& [field, text] : c.expected) {
            EXPECT_EQ(harness.text(c.screen, field), text) << c.what << ": " << field;
        }
        EXPECT_EQ(box.shown, c.message != nullptr) << c.what;
        if (c.message) {
            EXPECT_EQ(box.title, QString::fromUtf8(product::kName)) << c.what;
            EXPECT_TRUE(box.text.startsWith(QString::fromUtf8(c.message))) << c.what;
        }
    }
}

// A message about a field names it as the screen shows it and, once closed, leaves the pupil in
// that field with its text selected; a fault in the arithmetic leaves the focus on the button.
TEST(Compute, AnErrorAboutAFieldPutsTheFocusThere) {
    const struct {
        ScreenId screen;
        const char* button;
        Texts typed;
        const char* focus;
        const char* message;
    } cases[] = {
        {ScreenId::Cylinder,
         "cmd1",
         {{"txt1", "2"}, {"txt2", ""}},
         "txt2",
         "Нужно ввести число. Поле «высота» пустое."},
        {ScreenId::Cone,
         "cmd1",
         {{"txt1", "abc"}, {"txt2", "4"}},
         "txt1",
         "Нужно ввести число. В поле «радиус» введено: «abc»."},
        {ScreenId::Triangle,
         "cmd1",
         {{"txt1", "1e999"}, {"txt2", "4"}},
         "txt1",
         "Переполнение. Число в поле «первый катет» слишком велико: «1e999»."},
        {ScreenId::Calculator,
         "Command1",
         {{"txt1Hex", "1"}, {"txt2Hex", "1e999"}},
         "txt2Hex",
         "Переполнение. Число в поле «шестнадцатеричная система счисления, второе число» слишком "
         "велико: "
         "«1e999»."},
        {ScreenId::Circle,
         "cmd1",
         {{"txt1", "1e200"}},
         "cmd1",
         "Переполнение. Не удалось найти площадь."},
    };
    for (const auto& c : cases) {
        ProgramHarness harness;
        const testing::SeenMessageBox box = typeAndClick(harness, c.screen, c.typed, c.button);
        EXPECT_EQ(box.text, QString::fromUtf8(c.message));
        QWidget* focus = harness.screen(c.screen).focusWidget();
        ASSERT_TRUE(focus) << c.focus;
        EXPECT_EQ(focus->objectName(), QString::fromUtf8(c.focus));
        if (auto* field = qobject_cast<QLineEdit*>(focus)) {
            EXPECT_EQ(field->selectedText(), field->text()) << c.focus;
        }
    }
}

TEST(Compute, TheProgramGoesOnAfterAnError) {
    ProgramHarness harness;
    harness.click(ScreenId::MainMenu, "cmd6");
    harness.type(ScreenId::Calculator, "txt1Dec", "1");
    harness.type(ScreenId::Calculator, "txt2Dec", "0");
    testing::SeenMessageBox box;
    testing::closeNextMessageBox(box);
    harness.click(ScreenId::Calculator, "Command3");
    ASSERT_TRUE(box.shown);
    EXPECT_TRUE(harness.screen(ScreenId::Calculator).isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&harness.screen(ScreenId::Calculator)))
        << "keys reach it";

    harness.click(ScreenId::Calculator, "Command1");  // 1 + 0, and empty rows give 0
    EXPECT_EQ(harness.text(ScreenId::Calculator, "txt3Dec"), "1");
    EXPECT_EQ(harness.text(ScreenId::Calculator, "txt3Hex"), "0");
    harness.click(ScreenId::Calculator, "cmd2");
    EXPECT_EQ(harness.visibleScreen(), harness.existing(ScreenId::MainMenu));
}

}  // namespace
}  // namespace app
