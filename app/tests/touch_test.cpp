// A finger at a classroom's touch panel, through Qt's own touch path: touch points from a
// registered touch screen sent to the real windows, text from an input method.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointingDevice>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "program_harness.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

QPointingDevice* touchScreen() {
    static QPointingDevice* const device =
        QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return device;
}

// One finger on a control, at `at` in it (its centre when none). A window just shown is first let
// become the one the keys go to (Windows's style calls every tool window active): the window
// manager activating it between a press and its release would let go of a pressed button. One
// shown again after a sweep of synthetic input may stay inactive.
void press(QWidget* control, std::optional<QPoint> at = {}) {
    (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == control->window(); }, 1000);
    QTest::touchEvent(control->window(), touchScreen())
        .press(0, at.value_or(control->rect().center()), control);
}
void moveTo(QWidget* control, QPoint at) {
    QTest::touchEvent(control->window(), touchScreen()).move(0, at, control);
}
void lift(QWidget* control, std::optional<QPoint> at = {}) {
    QTest::touchEvent(control->window(), touchScreen())
        .release(0, at.value_or(control->rect().center()), control);
}
void tap(QWidget* control) {
    press(control);
    lift(control);
}

// Text as an on-screen keyboard gives it: composed first, then committed.
void commitText(const QString& text) {
    QInputMethodEvent composing(text, {});
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &composing);
    QInputMethodEvent committed;
    committed.setCommitString(text);
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &committed);
}

QMenu* openMenu() {
    const bool open =
        QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 300);
    return open ? qobject_cast<QMenu*>(QApplication::activePopupWidget()) : nullptr;
}

// The main menu's button for each working screen.
const std::pair<const char*, ScreenId> kMenu[] = {{"cmd1", ScreenId::Triangle},
                                                  {"cmd2", ScreenId::Circle},
                                                  {"cmd3", ScreenId::Cylinder},
                                                  {"cmd4", ScreenId::Cone},
                                                  {"cmd6", ScreenId::Calculator}};

// From the main menu to a working screen, as the program goes: one screen shown at a time.
Screen& open(ProgramHarness& harness, ScreenId id) {
    for (const auto& [button, target] : kMenu)
        if (target == id) harness.click(ScreenId::MainMenu, button);
    return harness.screen(id);
}

// The screen's solution window, waited for a while: a tap's events may still be on their way.
QWidget* solutionOf(ScreenId id, ProgramHarness& harness) {
    QWidget* solution = nullptr;
    const auto found = [&] {
        return (solution = harness.screen(id).findChild<QWidget*>("solution"));
    };
    return QTest::qWaitFor(found) ? solution : nullptr;
}

TEST(Touch, ATapOnAMenuPictureOpensItsScreenAndATapOnTheBackButtonReturns) {
    ProgramHarness harness;
    for (const auto& [button, id] : kMenu) {
        tap(harness.control(ScreenId::MainMenu, button));
        EXPECT_EQ(harness.visibleScreen(), harness.existing(id)) << button;
        tap(harness.control(id, "cmd2"));
        EXPECT_EQ(harness.visibleScreen(), &harness.screen(ScreenId::MainMenu)) << button;
    }
}

TEST(Touch, TextFromAnInputMethodComputesOnATapOrOnEnter) {
    const struct {
        ScreenId screen;
        std::vector<std::pair<const char*, const char*>> committed, results;
        const char* button;  // tapped; none: Enter from the keyboard
    } kCases[] = {
        {ScreenId::Cone,
         {{"txt1", "3"}, {"txt2", "4"}},
         {{"txt3", "47.1"}, {"txt4", "75.36"}},
         "cmd1"},
        {ScreenId::Circle, {{"txt1", "2.5"}}, {{"txt2", "15.7"}, {"txt3", "19.625"}}, nullptr},
        {ScreenId::Calculator,
         {{"txt1Dec", "7"},
          {"txt2Dec", "5"},
          {"txt1Oct", "7"},
          {"txt2Oct", "5"},
          {"txt1Hex", "7"},
          {"txt2Hex", "5"}},
         {{"txt3Dec", "12"}, {"txt3Oct", "14"}, {"txt3Hex", "C"}},
         "Command1"},
    };
    ProgramHarness harness;
    for (const auto& c : kCases) {
        open(harness, c.screen);
        for (const auto& [field, text] : c.committed) {
            tap(harness.control(c.screen, field));
            ASSERT_EQ(QGuiApplication::focusObject(), harness.control(c.screen, field));
            commitText(text);
            EXPECT_EQ(harness.text(c.screen, field), text);
        }
        if (c.button) {
            tap(harness.control(c.screen, c.button));
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        for (const auto& [field, text] : c.results)
            EXPECT_EQ(harness.text(c.screen, field), text) << screens::nameOf(c.screen);
        harness.click(c.screen, "cmd2");
    }
    // Typed over, a result is no longer the worked one, as when typed on keys.
    open(harness, ScreenId::Cone);
    tap(harness.control(ScreenId::Cone, "txt3"));
    commitText("50");
    EXPECT_FALSE(harness.control(ScreenId::Cone, "txt3")->toolTip().contains("47.1"));
}

// The solution as F1 opens it: at once, with no sweep, beside the screen.
TEST(Touch, ATapOnSolutionOpensItsWindowBesideTheScreen) {
    int sweeps = 0;
    ProgramHarness harness([&](ScreenRegistry&, ScreenId) { ++sweeps; });
    for (const auto& [menuButton, id] : kMenu) {
        Screen& screen = open(harness, id);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        screen.move(screen.screen()->availableGeometry().topLeft());  // room beside it
        QWidget* button = harness.control(id, "cmdSolution");
        EXPECT_EQ(button->toolTip(), "F1 — решение по шагам");
        EXPECT_EQ(button->accessibleName(), "Решение по шагам");
        sweeps = 0;
        tap(button);
        QWidget* solution = solutionOf(id, harness);
        ASSERT_NE(solution, nullptr) << screens::nameOf(id);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(solution));
        EXPECT_EQ(sweeps, 0) << "as F1: no sweep";
        const auto buttons = solution->findChildren<QAbstractButton*>();
        EXPECT_FALSE(buttons.isEmpty());
        for (const QAbstractButton* b : buttons) {
            EXPECT_GE(b->width(), 34) << "9 mm for a finger: " << b->text().toStdString();
            EXPECT_GE(b->height(), 34) << "9 mm for a finger: " << b->text().toStdString();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return !solution->frameGeometry().intersects(screen.frameGeometry());
        })) << screens::nameOf(id);
        tap(harness.control(id, "cmd2"));
        EXPECT_FALSE(solution->isVisible());
    }
}

// Held still for half a second, a result field shows its formula with the pupil's numbers above
// the finger, then, lifted, its menu; a tap, a drag and a mouse's press show neither.
TEST(Touch, HoldingAResultFieldShowsItsTipThenItsMenu) {
    ProgramHarness harness;
    Screen& cone = open(harness, ScreenId::Cone);
    harness.type(ScreenId::Cone, "txt1", "3");
    harness.type(ScreenId::Cone, "txt2", "4");
    harness.click(ScreenId::Cone, "cmd1");
    QWidget* field = harness.control(ScreenId::Cone, "txt3");
    ASSERT_TRUE(field->toolTip().contains("S = 3.14 · 3 · 5 = 47.1"));
    const QPoint at = field->rect().center();
    const struct {
        const char* what;
        bool finger;
        int heldMs, movedBy;
        bool shown;
    } kCases[] = {
        {"held", true, 700, 0, true},
        {"tapped", true, 0, 0, false},
        {"dragged off first", true, 700, 30, false},
        {"a mouse held", false, 700, 0, false},
    };
    for (const auto& c : kCases) {
        QElapsedTimer clock;
        clock.start();
        if (c.finger) {
            press(field, at);
            if (c.movedBy) moveTo(field, at + QPoint(c.movedBy, 0));
        } else {
            QTest::mousePress(field, Qt::LeftButton, {}, at);
        }
        const bool tip = QTest::qWaitFor([] { return QToolTip::isVisible(); }, c.heldMs);
        EXPECT_EQ(tip, c.shown) << c.what;
        if (tip) {
            EXPECT_GE(clock.elapsed(), 450) << c.what << ": about half a second";
            EXPECT_EQ(QToolTip::text(), field->toolTip());
            const QList<QWidget*> windows = QApplication::topLevelWidgets();
            const auto tipLabel = std::ranges::find_if(windows, [](const QWidget* w) {
                return w->objectName() == "qtooltip_label" && w->isVisible();
            });
            ASSERT_NE(tipLabel, windows.end());
            EXPECT_LT((*tipLabel)->frameGeometry().bottom(), field->mapToGlobal(at).y())
                << "above the finger";
        }
        if (c.finger) {
            lift(field, at + QPoint(c.movedBy, 0));
        } else {
            QTest::mouseRelease(field, Qt::LeftButton, {}, at);
        }
        QMenu* menu = openMenu();
        EXPECT_EQ(menu != nullptr, c.shown) << c.what;
        if (!menu) continue;
        EXPECT_FALSE(QToolTip::isVisible()) << "the menu takes the tip's place";
        ASSERT_EQ(menu->actions().back()->text(), "Показать решение");
        menu->actions().back()->trigger();
        menu->close();
        ASSERT_NE(solutionOf(ScreenId::Cone, harness), nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(solutionOf(ScreenId::Cone, harness)));
        bringUp(cone);
    }
}

// The solution of the triangle, at a size that needs scrolling.
QPlainTextEdit* largeSolution(ProgramHarness& harness) {
    open(harness, ScreenId::Triangle);
    harness.type(ScreenId::Triangle, "txt1", "3");
    harness.type(ScreenId::Triangle, "txt2", "4");
    harness.click(ScreenId::Triangle, "cmd1");
    tap(harness.control(ScreenId::Triangle, "cmdSolution"));
    QWidget* solution = solutionOf(ScreenId::Triangle, harness);
    if (!solution || !QTest::qWaitForWindowExposed(solution)) return nullptr;
    auto* text = solution->findChild<QPlainTextEdit*>();
    for (int i = 0; i < 8; ++i) QTest::keyClick(text, Qt::Key_Plus, Qt::ControlModifier);
    return text;
}

TEST(Touch, ADragScrollsTheSolutionAndAFlickRunsOn) {
    ProgramHarness harness;
    QPlainTextEdit* text = largeSolution(harness);
    ASSERT_NE(text, nullptr);
    QScrollBar* bar = text->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->maximum() > 4; }))
        << "a text longer than its window";
    QWidget* page = text->viewport();
    const QPoint start(page->width() / 2, page->height() - 10);

    // Slowly, a line's height at a time: the text follows the finger and stops with it.
    press(page, start);
    const int line = text->fontMetrics().height();
    for (int i = 1; i <= 6; ++i) {
        moveTo(page, start - QPoint(0, i * line / 2));
        QTest::qWait(40);
    }
    QTest::qWait(200);
    lift(page, start - QPoint(0, 3 * line));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->value() >= 2; }, 1000)) << bar->value();
    EXPECT_LE(bar->value(), 4) << "as far as the finger went";
    QTest::qWait(300);
    const int dragged = bar->value();

    // A flick back: the text runs on after the finger has gone.
    const QPoint top(page->width() / 2, 10);
    press(page, top);
    for (int i = 1; i <= 4; ++i) {
        moveTo(page, top + QPoint(0, i * line / 2));
        QTest::qWait(10);
    }
    lift(page, top + QPoint(0, 2 * line));
    const int atLift = bar->value();
    EXPECT_LT(atLift, dragged);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->value() < atLift; }, 1000)) << "runs on";
    QTest::keyClick(text, Qt::Key_0, Qt::ControlModifier);
}

// Two fingers spread or close the text to the nearest size step, within those of the keys.
TEST(Touch, APinchSizesTheSolutionWithinTheKeysSteps) {
    ProgramHarness harness;
    QPlainTextEdit* text = largeSolution(harness);
    ASSERT_NE(text, nullptr);
    QTest::keyClick(text, Qt::Key_0, Qt::ControlModifier);
    const qreal base = QApplication::font().pointSizeF();
    QWidget* page = text->viewport();
    const QPoint centre = page->rect().center();
    // Half the fingers' distance, in pixels: they come down, move one pixel apart (where Qt's
    // pinch begins) and then go on to `to`.
    const struct {
        int from, to;
        qreal scale;
    } kPinches[] = {{40, 80, 2.5}, {40, 60, 3.0}, {80, 20, 1.25}, {40, 20, 1.25}, {30, 42, 1.75}};
    for (const auto& p : kPinches) {
        const auto fingers = [&](int half) {
            return std::pair{centre - QPoint(half, 0), centre + QPoint(half, 0)};
        };
        auto [left, right] = fingers(p.from);
        QTest::touchEvent(page->window(), touchScreen()).press(0, left, page).press(1, right, page);
        const int steps = 8;
        for (int i = 0; i <= steps; ++i) {
            std::tie(left, right) =
                fingers(i == 0 ? p.from + 1 : p.from + (p.to - p.from) * i / steps);
            QTest::touchEvent(page->window(), touchScreen())
                .move(0, left, page)
                .move(1, right, page);
            QTest::qWait(10);
        }
        QTest::touchEvent(page->window(), touchScreen())
            .release(0, left, page)
            .release(1, right, page);
        EXPECT_NEAR(text->font().pointSizeF(), p.scale * base, 0.01) << p.from << " to " << p.to;
    }
    QTest::keyClick(text, Qt::Key_0, Qt::ControlModifier);
}

// Input waits while the sweep plays: a tap on the bar meanwhile acts, afterwards, as a click
// there would, which is not at all; on a screen the click's action has hidden, nothing reaches it.
TEST(Touch, ATapOnTheBarDuringTheSweepDoesNothing) {
    int sweeps = 0;
    std::function<void(Screen&)> duringSweep;
    ProgramHarness harness([&](ScreenRegistry& registry, ScreenId id) {
        ++sweeps;
        Screen& screen = registry.ensureScreen(id);
        bool tapped = false;
        screen.sweepDot().setFrameObserver([&](const screens::Dot&) {
            if (!std::exchange(tapped, true)) duringSweep(screen);
        });
        playSweep(registry, id);
        screen.sweepDot().setFrameObserver({});
    });
    const struct {
        ScreenId from;
        const char* button;
        ScreenId shownAfter;
        const char* lateral;  // as the click leaves it
    } kCases[] = {
        {ScreenId::MainMenu, "cmd4", ScreenId::Cone, ""},
        {ScreenId::Cone, "cmd1", ScreenId::Cone, "47.1"},
    };
    duringSweep = [](Screen&) {};
    harness.click(ScreenId::MainMenu, "cmd4");
    harness.type(ScreenId::Cone, "txt1", "3");
    harness.type(ScreenId::Cone, "txt2", "4");
    harness.click(ScreenId::Cone, "cmd2");
    for (const auto& c : kCases) {
        // Made while the sweep plays, it reaches the program when the click is done, like
        // anything else a window system holds meanwhile.
        int taps = 0;
        duringSweep = [&taps](Screen& screen) {
            QTimer::singleShot(0, &screen, [&screen, &taps] {
                ++taps;
                const QPoint bar(screen.width() / 2, 391);
                QTest::touchEvent(screen.windowHandle(), touchScreen()).press(0, bar);
                QTest::touchEvent(screen.windowHandle(), touchScreen()).release(0, bar);
            });
        };
        sweeps = 0;
        tap(harness.control(c.from, c.button));
        QTest::qWait(100);
        EXPECT_EQ(taps, 1) << c.button;
        EXPECT_EQ(sweeps, 1) << c.button << ": the tap clicked nothing";
        EXPECT_EQ(harness.visibleScreen(), &harness.screen(c.shownAfter));
        EXPECT_EQ(harness.text(ScreenId::Cone, "txt3"), c.lateral);
    }
}

}  // namespace
}  // namespace app
