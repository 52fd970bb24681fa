// The start-up thread: what it decodes ahead is what the first screen shows, and the program
// neither waits for it nor loses a picture when it never gets to the application step.
#include <gtest/gtest.h>

#include <QPixmapCache>

#include "app/early_start.h"
#include "program_harness.h"

namespace app {
namespace {

using testing::ProgramHarness;

// Whether the main menu shows its picture one to one, away from its buttons.
bool showsMenuPicture(Screen& menu) {
    const QImage picture = QImage(assets::resourcePath(assets::Picture::MenuBackground))
                               .convertToFormat(QImage::Format_RGB32);
    const QImage shown = menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); y += 7)
        for (int x = 0; x < 480; x += 7)
            if (shown.pixel(x, y) != picture.pixel(x, y)) return false;
    return true;
}

TEST(EarlyStart, FirstScreenShowsItsPicturesWhetherOrNotTheyWereDecodedAhead) {
    const struct {
        const char* what;
        bool applicationStep;
    } kCases[] = {
        {"decoded ahead", true},
        {"ended before the application step", false},
    };
    for (const auto& c : kCases) {
        QPixmapCache::clear();
        EarlyStart early(ScreenId::frm1);
        if (c.applicationStep)
            early.applicationReady();
        else
            early.finish();
        ProgramHarness harness;
        Screen& menu = *harness.existing(ScreenId::frm1);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu)) << c.what;
        EXPECT_TRUE(showsMenuPicture(menu)) << c.what;
        early.finish();
    }
}

}  // namespace
}  // namespace app
