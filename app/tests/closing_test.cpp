// Closing the visible screen ends the program, whatever screens are hidden behind it.
#include <gtest/gtest.h>

#include <QProcess>

#include "program_harness.h"
#include "window_manager.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

// Runs the event loop until the program quits, or gives up after a few seconds.
int runUntilQuit() {
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    return QApplication::exec();
}

TEST(Closing, TheVisibleScreensCloseBoxEndsTheProgram) {
    const struct {
        const char* what;
        std::vector<std::pair<ScreenId, const char*>> clicks;
    } cases[] = {
        {"the main menu at start", {}},
        {"a working screen, the menu hidden", {{ScreenId::MainMenu, "cmd4"}}},
        {"the menu after a visit", {{ScreenId::MainMenu, "cmd1"}, {ScreenId::Triangle, "cmd2"}}},
    };
    for (const auto& c : cases) {
        ProgramHarness harness;
        for (const auto& [screen, button] : c.clicks) harness.click(screen, button);
        Screen* visible = harness.visibleScreen();
        ASSERT_NE(visible, nullptr) << c.what;
        QTimer::singleShot(0, visible, [visible] { visible->close(); });
        EXPECT_EQ(runUntilQuit(), 0) << c.what;
    }
}

// The real program under the test display's window manager: closing the screen opened from
// the menu, as its close box does, ends the program with status 0.
TEST(Closing, TheProgramExitsCleanlyFromTheWindowManagersCloseBox) {
    QProcess program;
    program.start(QStringLiteral(RESHALKIN_BINARY), {});
    ASSERT_TRUE(program.waitForStarted());
    const auto xdotool = [](const QStringList& arguments) {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    };
    const QString menu = xdotool({"search", "--sync", "--onlyvisible", "--name", "^Решалкин"});
    ASSERT_FALSE(menu.isEmpty());
    // A click on the first "Открыть" (at 530, 100 in the window) opens the triangle screen. A
    // click that comes before the window manager has settled the new window may be lost, so it
    // is tried again.
    QString triangle;
    for (int attempt = 0; attempt < 5; ++attempt) {
        xdotool({"mousemove", "--window", menu.section('\n', 0, 0), "530", "100", "click", "1"});
        const auto opened = [&] {
            triangle = xdotool({"search", "--onlyvisible", "--name", "треугольника"});
            return !triangle.isEmpty();
        };
        if (QTest::qWaitFor(opened, 3000)) break;
    }
    ASSERT_FALSE(triangle.isEmpty());
    testing::pressCloseBox(triangle.section('\n', 0, 0).toUInt());
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace
}  // namespace app
