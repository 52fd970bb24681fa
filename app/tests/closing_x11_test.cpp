// The real program on the test display: closing it through the window manager, as a pupil does.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include "product.h"
#include "screens/frame/twips.h"
#include "screens/tables/screen_tables.h"
#include "window_manager.h"

namespace app {
namespace {

// The centre of the main menu's button that opens the triangle, in client pixels, as xdotool
// takes it.
QStringList triangleButton() {
    for (const screens::ControlRow& c : screens::tableOf(screens::ScreenId::MainMenu).controls) {
        const auto* navigate = std::get_if<screens::Navigate>(&c.action);
        if (!navigate || navigate->target != screens::ScreenId::Triangle) continue;
        const QPoint centre = screens::pixelRect(c.left, c.top, c.width, c.height).center();
        return {QString::number(centre.x()), QString::number(centre.y())};
    }
    return {};
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
    const QString menu = xdotool(
        {"search", "--sync", "--onlyvisible", "--name", "^" + QString::fromUtf8(product::kName)});
    ASSERT_FALSE(menu.isEmpty());
    ASSERT_EQ(triangleButton().size(), 2);
    // A click on the "Открыть" beside the triangle opens its screen. A click that comes before the
    // window manager has settled the new window may be lost, so it is tried again.
    QString triangle;
    for (int attempt = 0; attempt < 5; ++attempt) {
        xdotool(QStringList{"mousemove", "--window", menu.section('\n', 0, 0)} + triangleButton() +
                QStringList{"click", "1"});
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
