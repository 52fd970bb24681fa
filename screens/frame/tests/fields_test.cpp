// A screen's fields as the calculations see them.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <new>

#include "calc/messages.h"
#include "screen_harness.h"
#include "screens/frame/error_field.h"

namespace screens {
namespace {

TEST(Fields, TextsPassByNameAsUtf8) {
    const struct {
        ScreenId screen;
        const char* field;
        std::string text;
    } cases[] = {
        {ScreenId::Triangle, "txt1", "3"},
        {ScreenId::Circle, "txt3", "19,625"},
        {ScreenId::Calculator, "txt3Hex", "-1F.8"},
        {ScreenId::Cylinder, "txt2", "три метра"},
        {ScreenId::Cone, "txt4", ""},
        {ScreenId::Calculator, "txt1Oct", std::string(40'000, '7')},  // beyond 32767 characters
    };
    for (const auto& c : cases) {
        testing::ScreenHarness harness(c.screen);
        calc::FieldAccess& fields = harness.screen->fields();
        fields.setText(c.field, c.text);
        EXPECT_EQ(fields.text(c.field), c.text) << c.field;
        auto* box = qobject_cast<QLineEdit*>(harness.control(c.field));
        EXPECT_EQ(box->text().toStdString(), c.text) << "the field itself shows it";
        EXPECT_EQ(box->cursorPosition(), 0) << "from its beginning";
    }
}

TEST(Fields, UnknownNamesAreErrors) {
    const struct {
        ScreenId screen;
        const char* name;
    } cases[] = {
        {ScreenId::MainMenu, "txt1"},      // the main menu has no fields
        {ScreenId::Circle, "txt4"},        // the circle has three
        {ScreenId::Calculator, "cmd1"},    // a button is not a field
        {ScreenId::Calculator, "Label1"},  // nor is a label
        {ScreenId::Triangle, "TXT1"},      // names are exact
    };
    for (const auto& c : cases) {
        testing::ScreenHarness harness(c.screen);
        calc::FieldAccess& fields = harness.screen->fields();
        for (bool write : {false, true}) {
            try {
                if (write)
                    fields.setText(c.name, "1");
                else
                    fields.text(c.name);
                ADD_FAILURE() << c.name << " accepted";
            } catch (const calc::RuntimeError& error) {
                EXPECT_EQ(error.code(), calc::Error::UnknownField) << c.name;
            }
        }
    }
}

// An error that stops a compute is worded once: the solution says what the message box will.
TEST(Fields, AnErrorIsWordedAlikeForTheBoxAndTheSolution) {
    calc::RuntimeError empty(calc::Error::TypeMismatch, calc::Detail::EmptyField);
    empty.setField("txt1");
    const struct {
        std::function<void()> raise;
        const char* message;
    } cases[] = {
        {[&] { throw empty; }, "Нужно ввести число. Поле «радиус» пустое."},
        {[] { throw calc::RuntimeError(calc::Error::Overflow, calc::Detail::Area); },
         "Переполнение. Не удалось найти площадь."},
        {[] { throw std::bad_alloc(); }, "Не хватает памяти."},
        {[] { throw std::out_of_range("a fault of the program's own"); }, "Непредвиденная ошибка."},
    };
    testing::ScreenHarness harness(ScreenId::Circle);
    ASSERT_TRUE(harness.showActive());
    QTest::keyClick(harness.screen->focusWidget(), Qt::Key_F1);
    const auto* solution = harness.screen->findChild<QPlainTextEdit*>();
    ASSERT_TRUE(solution);
    for (const auto& c : cases) {
        try {
            harness.screen->runExplained([&](calc::FieldAccess&) { c.raise(); });
            ADD_FAILURE() << c.message << " not passed on";
        } catch (const std::exception& error) {
            EXPECT_EQ(calc::messageOf(error, harness.screen->fields()), c.message);
        }
        EXPECT_TRUE(solution->toPlainText().contains(QString::fromUtf8(c.message)))
            << solution->toPlainText().toStdString();
    }
}

}  // namespace
}  // namespace screens
