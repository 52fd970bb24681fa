// A click on «вычислить» always acts, also when its release comes together with the pointer's
// next motion and the window system reports the release where the pointer went next.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "program_harness.h"
#include "testing/busy_processes.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

struct CircleHarness {
    CircleHarness() {
        harness.click(ScreenId::MainMenu, "cmd2");
        circle = &harness.screen(ScreenId::Circle);
        button = harness.control(ScreenId::Circle, "cmd1");
    }
    QPoint onButton() const { return button->mapTo(circle, button->rect().center()); }
    QPoint offButton() const { return onButton() + QPoint(60, 40); }
    bool computed(int radius) {
        return harness.text(ScreenId::Circle, "txt2") == calc::textOf(radius * 2 * calc::kPi);
    }

    ProgramHarness harness;
    Screen* circle = nullptr;
    QWidget* button = nullptr;
};

// As Qt sees them: the release at the same place, at the place the pointer went next (Qt then
// makes up a motion there, stamped with the release's time), and after a drag away by the pupil.
TEST(Clicks, AReleaseReportedOffTheButtonActsUnlessThePupilDraggedAway) {
    const struct {
        const char* what;
        bool dragFirst;
        bool releaseOff;
        bool acts;
    } cases[] = {
        {"released on the button", false, false, true},
        {"release reported where the pointer went next", false, true, true},
        {"dragged off, then released", true, true, false},
    };
    for (const auto& c : cases) {
        CircleHarness h;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(h.circle));
        h.harness.type(ScreenId::Circle, "txt1", "3");
        QWindow* window = h.circle->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, h.onButton());
        if (c.dragFirst) QTest::mouseMove(window, h.offButton());
        QTest::mouseRelease(window, Qt::LeftButton, {},
                            c.releaseOff ? h.offButton() : h.onButton());
        EXPECT_EQ(h.computed(3), c.acts) << c.what;
    }
}

// The real path: xdotool sends the typing, the press, the release and the next motion at once,
// while busy processes load the machine; every click acts.
TEST(Clicks, NoClickLostInABatchUnderLoad) {
    if (QGuiApplication::platformName() != "xcb" ||
        QStandardPaths::findExecutable("xdotool").isEmpty())
        GTEST_SKIP() << "needs an X display and xdotool";
    const BusyProcesses busy(3);
    CircleHarness h;
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.circle));
    const QString window = QString::number(h.circle->winId());
    const auto to = [&window](QPoint at) {
        return QStringList{"mousemove", "--window", window, QString::number(at.x()),
                           QString::number(at.y())};
    };
    QWidget* field = h.harness.control(ScreenId::Circle, "txt1");
    const QPoint inField = field->mapTo(h.circle, field->rect().center());
    constexpr int kTries = 20;
    int acted = 0;
    for (int radius = 1; radius <= kTries; ++radius) {
        QStringList batch = to(inField) << "click"
                                        << "1"
                                        << "key"
                                        << "ctrl+a";
        for (const QChar digit : QString::number(radius)) batch << "key" << digit;
        batch << to(h.onButton()) << "mousedown"
              << "1"
              << "mouseup"
              << "1" << to(h.offButton());
        // The program handles nothing until xdotool is done: all of it comes at once.
        ASSERT_EQ(QProcess::execute("xdotool", batch), 0);
        if (QTest::qWaitFor([&] { return h.computed(radius); }, 3000)) ++acted;
    }
    EXPECT_EQ(acted, kTries);
}

}  // namespace
}  // namespace app
