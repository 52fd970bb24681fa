// The solution window on real widgets: opened by F1 and the result fields' menu, beside its
// screen, closed by Escape, gone with its screen, copied as plain text.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include "program_harness.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

QWidget* solutionOf(Screen& screen) {
    return screen.findChild<QWidget*>("solution");
}

// On the screen, active as the pupil sees it.
QWidget* pressF1(ProgramHarness& harness, ScreenId id) {
    Screen& screen = harness.screen(id);
    // Windows's style calls every tool window active: wait for the one the keys go to.
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &screen; })) return nullptr;
    QTest::keyClick(screen.focusWidget() ? screen.focusWidget() : &screen, Qt::Key_F1);
    QWidget* solution = solutionOf(screen);
    // Qt calls a window active while its transient parent is: wait for the keys to go to it.
    const bool active =
        solution && QTest::qWaitFor([&] { return QApplication::activeWindow() == solution; });
    return active ? solution : nullptr;
}

QString solutionText(QWidget* solution) {
    return solution->findChild<QPlainTextEdit*>()->toPlainText();
}

// The text as a test writes it: the no-break spaces that keep numbers whole as plain ones.
QString readable(QString text) {
    return text.replace(QChar(0x00A0), ' ');
}

const struct {
    const char* menuButton;
    ScreenId screen;
    const char* firstLine;
} kScreens[] = {
    {"cmd1", ScreenId::Triangle, "Гипотенуза: c = √(a² + b²)"},
    {"cmd2", ScreenId::Circle, "Длина окружности: C = 2πr, π ≈ 3.14"},
    {"cmd3", ScreenId::Cylinder, "Боковая поверхность: S = 2πrh"},
    {"cmd4", ScreenId::Cone, "Боковая поверхность: S = πrl, образующая l = √(r² + h²)"},
    {"cmd6", ScreenId::Calculator, "Результат в десятичной системе"},
};

TEST(SolutionWindow, F1OpensItBesideEachScreenEscapeClosesItAndLeavingHidesIt) {
    ProgramHarness harness;
    for (const auto& s : kScreens) {
        harness.click(ScreenId::MainMenu, s.menuButton);
        Screen& screen = harness.screen(s.screen);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        screen.move(screen.screen()->availableGeometry().topLeft());  // room beside it
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return screen.frameGeometry().topLeft() ==
                   screen.screen()->availableGeometry().topLeft();
        }));
        QWidget* solution = pressF1(harness, s.screen);
        ASSERT_NE(solution, nullptr) << screens::nameOf(s.screen);
        EXPECT_TRUE(solution->windowTitle().startsWith("Решение")) << screens::nameOf(s.screen);
        EXPECT_TRUE(solutionText(solution).startsWith(s.firstLine));
        EXPECT_FALSE(solution->frameGeometry().intersects(screen.frameGeometry()))
            << "covers " << screens::nameOf(s.screen);
        EXPECT_EQ(harness.visibleScreen(), &screen) << "one screen on show, the window aside";
        const QPoint place = solution->pos();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !solution->isVisible(); }));
        EXPECT_TRUE(QTest::qWaitForWindowActive(&screen)) << "the keys go back to the screen";
        ASSERT_EQ(pressF1(harness, s.screen), solution) << "one window a screen";
        EXPECT_EQ(solution->pos(), place) << "opened again where it was";

        harness.click(s.screen, "cmd2");  // the main menu
        EXPECT_TRUE(QTest::qWaitFor([&] { return !solution->isVisible(); }))
            << "left with " << screens::nameOf(s.screen);
    }
}

// Back and forth between the main menu and a screen, F1 each time: the window and the screen the
// window manager placed stay where they were, their title bars on the desk.
TEST(SolutionWindow, ComesBackWhereItWasAfterRoundTrips) {
    ProgramHarness harness;
    for (const auto& s : kScreens) {
        harness.click(ScreenId::MainMenu, s.menuButton);
        Screen& screen = harness.screen(s.screen);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        // Where the window manager put it, once it has framed it.
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen.frameGeometry() != screen.geometry(); }));
        QWidget* solution = pressF1(harness, s.screen);
        ASSERT_NE(solution, nullptr) << screens::nameOf(s.screen);
        const QRect desk = screen.screen()->availableGeometry();
        const QRect place = solution->frameGeometry(), screenPlace = screen.frameGeometry();
        for (int trip = 1; trip <= 4; ++trip) {
            harness.click(s.screen, "cmd2");
            ASSERT_TRUE(QTest::qWaitForWindowActive(&harness.screen(ScreenId::MainMenu)));
            harness.click(ScreenId::MainMenu, s.menuButton);
            ASSERT_EQ(pressF1(harness, s.screen), solution);
            ASSERT_TRUE(QTest::qWaitFor([&] { return solution->frameGeometry() == place; }))
                << screens::nameOf(s.screen) << " trip " << trip << ": from " << place.y() << " to "
                << solution->frameGeometry().y();
            EXPECT_EQ(screen.frameGeometry(), screenPlace) << screens::nameOf(s.screen);
            EXPECT_TRUE(desk.contains(solution->frameGeometry().topLeft()));
        }
        // Dragged to the window's place, the screen is not covered when the window opens again.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !solution->isVisible(); }));
        screen.move(place.topLeft());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return screen.frameGeometry().topLeft() == place.topLeft(); }));
        ASSERT_EQ(pressF1(harness, s.screen), solution);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return !solution->frameGeometry().intersects(screen.frameGeometry());
        })) << screens::nameOf(s.screen);
        harness.click(s.screen, "cmd2");
    }
}

TEST(SolutionWindow, FollowsEachComputeAndCopiesPlainText) {
    ProgramHarness harness;
    harness.click(ScreenId::MainMenu, "cmd1");
    harness.type(ScreenId::Triangle, "txt1", "3");
    harness.type(ScreenId::Triangle, "txt2", "4");
    harness.click(ScreenId::Triangle, "cmd1");
    harness.control(ScreenId::Triangle, "txt1")->setFocus();
    QWidget* solution = pressF1(harness, ScreenId::Triangle);
    ASSERT_NE(solution, nullptr);
    const QString expected =
        "Дано: a = 3, b = 4. Найти: c, S.\n\n"
        "Гипотенуза: c = √(a² + b²)\nc = √(a² + b²) = √(3² + 4²) = √(9 + 16) = √25 = 5\n"
        "Ответ: c = 5\n\nПлощадь: S = a·b : 2\nS = a · b : 2 = 3 · 4 : 2 = 12 : 2 = 6\n"
        "Ответ: S = 6";
    const QString shown = solutionText(solution);
    EXPECT_EQ(readable(shown), expected);

    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    auto* text = solution->findChild<QPlainTextEdit*>();
    EXPECT_EQ(text->accessibleName(), "Решение");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_GE(text->font().pointSizeF(), 1.2 * QApplication::font().pointSizeF());
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), shown) << "Ctrl+A, Ctrl+C";
    EXPECT_EQ(clipboard->mimeData()->formats(), QStringList{"text/plain"});
    clipboard->clear();
    QTest::mouseClick(solution->findChild<QWidget*>("copy"), Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), shown) << "«Копировать»";

    harness.type(ScreenId::Triangle, "txt1", "6");
    harness.type(ScreenId::Triangle, "txt2", "8");
    harness.click(ScreenId::Triangle, "cmd1");
    EXPECT_TRUE(readable(solutionText(solution)).contains("√(6² + 8²) = √(36 + 64) = √100 = 10"));
}

// A long working (the cone's 3,3 and 83,75; the calculator's long quotient in every row): where the
// desk has room the window is as tall as its text, nothing scrolls, and it stays beside the
// screen; where the desk has none, it fits the desk and the text scrolls.
TEST(SolutionWindow, TallEnoughForTheWholeTextWhereTheDeskHasRoom) {
    ProgramHarness harness;
    const struct {
        const char* menuButton;
        ScreenId screen;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* compute;
        bool scrolls;
    } kCases[] = {
        {"cmd4", ScreenId::Cone, {{"txt1", "3,3"}, {"txt2", "83,75"}}, "cmd1", false},
        {"cmd6",
         ScreenId::Calculator,
         {{"txt1Dec", "-564,468"},
          {"txt1Oct", "-564,468"},
          {"txt1Hex", "-564,468"},
          {"txt2Dec", "-0,978177593338024"},
          {"txt2Oct", "-0,978177593338024"},
          {"txt2Hex", "-0,978177593338024"}},
         "Command3",
         true},
    };
    for (const auto& c : kCases) {
        harness.click(ScreenId::MainMenu, c.menuButton);
        Screen& screen = harness.screen(c.screen);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        screen.move(screen.screen()->availableGeometry().topLeft());  // room beside it
        for (const auto& [field, text] : c.typed) harness.type(c.screen, field, text);
        harness.click(c.screen, c.compute);
        QWidget* solution = pressF1(harness, c.screen);
        ASSERT_NE(solution, nullptr) << screens::nameOf(c.screen);
        auto* text = solution->findChild<QPlainTextEdit*>();
        const QRect desk = screen.screen()->availableGeometry();
        EXPECT_TRUE(QTest::qWaitFor([&] { return text->verticalScrollBar()->isVisible(); }, 300) ==
                    c.scrolls)
            << screens::nameOf(c.screen) << ": " << solution->height() << " of " << desk.height();
        EXPECT_GT(solution->height(), screen.height()) << screens::nameOf(c.screen);
        EXPECT_TRUE(QTest::qWaitFor([&] { return desk.contains(solution->frameGeometry()); }))
            << screens::nameOf(c.screen);
        EXPECT_FALSE(solution->frameGeometry().intersects(screen.frameGeometry()))
            << screens::nameOf(c.screen);
        harness.click(c.screen, "cmd2");  // the main menu
    }
}

// Keys and the wheel step the text from 1.25 times the interface font to 3 times; the size stays
// for the next window, and the text's menu names the keys.
TEST(SolutionWindow, KeysAndWheelSizeTheTextAndTheSizeStays) {
    ProgramHarness harness;
    harness.click(ScreenId::MainMenu, "cmd1");
    QWidget* solution = pressF1(harness, ScreenId::Triangle);
    ASSERT_NE(solution, nullptr);
    auto* text = solution->findChild<QPlainTextEdit*>();
    const qreal base = QApplication::font().pointSizeF();
    const struct {
        int key, times, wheel;  // a key pressed with Ctrl, or the wheel turned with it
        qreal scale;
    } kSteps[] = {
        {Qt::Key_0, 1, 0, 1.25},     {Qt::Key_Plus, 1, 0, 1.5},
        {Qt::Key_Equal, 1, 0, 1.75}, {0, 1, 120, 2.0},
        {Qt::Key_Plus, 6, 0, 3.0},   {Qt::Key_Minus, 1, 0, 2.75},
        {0, 1, -240, 2.25},          {0, 3, 40, 2.5},
        {Qt::Key_0, 1, 0, 1.25},     {Qt::Key_Minus, 1, 0, 1.25},
        {Qt::Key_Plus, 2, 0, 1.75},
    };
    for (const auto& s : kSteps) {
        for (int i = 0; i < s.times; ++i) {
            if (s.key) QTest::keyClick(text, static_cast<Qt::Key>(s.key), Qt::ControlModifier);
            if (!s.wheel) continue;
            const QPoint at = text->viewport()->rect().center();
            QWheelEvent wheel(at, text->viewport()->mapToGlobal(at), {}, {0, s.wheel}, Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(text->viewport(), &wheel);
        }
        EXPECT_NEAR(text->font().pointSizeF(), s.scale * base, 0.01) << s.key << " " << s.wheel;
    }

    const int width = text->width();
    solution->resize(solution->size() + QSize(200, 100));
    EXPECT_TRUE(QTest::qWaitFor([&] { return text->width() == width + 200; }))
        << "the text grows with the window";

    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            text->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(text->viewport(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << action->text() + "  " + action->shortcut().toString(QKeySequence::NativeText);
    menu->close();
    EXPECT_GT(entries.size(), 3) << "the text's own entries stay";
    EXPECT_EQ(entries.mid(entries.size() - 3),
              (QStringList{"Крупнее  Ctrl++", "Мельче  Ctrl+-", "Обычный размер  Ctrl+0"}));

    harness.click(ScreenId::Triangle, "cmd2");
    harness.click(ScreenId::MainMenu, "cmd2");
    QWidget* other = pressF1(harness, ScreenId::Circle);
    ASSERT_NE(other, nullptr);
    EXPECT_NEAR(other->findChild<QPlainTextEdit*>()->font().pointSizeF(), 1.75 * base, 0.01)
        << "kept for the next window";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0, Qt::ControlModifier);
}

TEST(SolutionWindow, AResultFieldsMenuOffersIt) {
    ProgramHarness harness;
    harness.click(ScreenId::MainMenu, "cmd6");
    QWidget* field = harness.control(ScreenId::Calculator, "txt3Hex");
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    EXPECT_GT(actions.size(), 2) << "the field's own entries stay";
    ASSERT_EQ(actions.back()->text(), "Показать решение");
    actions.back()->trigger();
    menu->close();
    QWidget* solution = solutionOf(harness.screen(ScreenId::Calculator));
    ASSERT_NE(solution, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(solution));
}

}  // namespace
}  // namespace app
