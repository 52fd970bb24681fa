// Closing the visible screen ends the program, whatever screens are hidden behind it.
#include <gtest/gtest.h>

#include "program_harness.h"

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

}  // namespace
}  // namespace app
