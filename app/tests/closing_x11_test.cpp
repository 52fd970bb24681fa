// The real program on the test display: closing it through the window manager, as a pupil does.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include "product.h"
#include "window_manager.h"

namespace app {
namespace {

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
    const QString menu = xdotool(
        {"search", "--sync", "--onlyvisible", "--name", "^" + QString::fromUtf8(product::kName)});
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
