// The solution window's place beside its screen, over desks and screens of every size and place.
#include <gtest/gtest.h>

#include <random>

#include "screens/solution_window/beside_place.h"

namespace screens {
namespace {

constexpr QSize kFrame(562, 445);

TEST(BesidePlace, RightOfTheScreenElseWhereThereIsRoomNarrowedToIt) {
    const QRect desk(0, 0, 1280, 1024);
    const struct {
        QRect screen, expected;
    } cases[] = {
        {{0, 0, 602, 445}, {610, 0, 562, 445}},        // where the window manager puts it
        {{339, 302, 602, 420}, {949, 302, 331, 445}},  // centred: the right side's room
        {{678, 0, 602, 445}, {108, 0, 562, 445}},      // at the right edge: left of it
        {{0, 100, 1280, 420}, {0, 528, 562, 445}},     // as wide as the desk: below
        {{0, 500, 1280, 524}, {0, 47, 562, 445}},      // at the bottom: above
        {{0, 0, 1280, 1024}, {0, 784, 562, 240}},      // no room anywhere: least covered
    };
    for (const auto& c : cases)
        EXPECT_EQ(besideScreen(c.screen, kFrame, desk), c.expected) << c.screen.x();
}

// Where a side has room for a readable window, the window covers nothing of the screen; it stays
// on the desk and is never larger than asked.
TEST(BesidePlace, NeverCoversTheScreenWhereASideHasRoom) {
    std::mt19937 random(21);
    const auto any = [&](int from, int to) {
        return std::uniform_int_distribution(from, to)(random);
    };
    for (int i = 0; i < 20000; ++i) {
        const QRect desk(any(-1000, 1000), any(-500, 500), any(640, 3840), any(480, 2160));
        const QSize screenSize(any(300, desk.width()), any(200, desk.height()));
        const QRect screen(QPoint(desk.left() + any(0, desk.width() - screenSize.width()),
                                  desk.top() + any(0, desk.height() - screenSize.height())),
                           screenSize);
        const QRect place = besideScreen(screen, kFrame, desk);
        const bool room =
            desk.right() - screen.right() >= 328 || screen.left() - desk.left() >= 328 ||
            desk.bottom() - screen.bottom() >= 248 || screen.top() - desk.top() >= 248;
        if (room) {
            EXPECT_FALSE(place.intersects(screen)) << i;
        }
        if (desk.width() >= kFrame.width() && desk.height() >= kFrame.height()) {
            EXPECT_TRUE(desk.contains(place)) << i;
        }
        EXPECT_TRUE(place.width() <= kFrame.width() && place.height() <= kFrame.height()) << i;
    }
}

}  // namespace
}  // namespace screens
