#include "screens/solution_window/beside_place.h"

#include <algorithm>
#include <array>

namespace screens {

namespace {

constexpr int kGap = 8;               // pixels between the screen and the window
constexpr QSize kReadable(320, 240);  // the frame's least size beside the screen

int overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.width() * common.height();
}

// The room on one side, within the wanted length and not below the readable one.
int fitted(int room, int least, int wanted) {
    return std::min(wanted, std::max(room - kGap, least));
}

QRect onDesk(QRect r, const QRect& desk) {
    r.moveRight(std::min(r.right(), desk.right()));
    r.moveLeft(std::max(r.left(), desk.left()));
    r.moveBottom(std::min(r.bottom(), desk.bottom()));
    r.moveTop(std::max(r.top(), desk.top()));
    return r;
}

}  // namespace

QRect besideScreen(const QRect& screen, const QSize& frame, const QRect& desk) {
    const int w = frame.width(), h = frame.height();
    const int right = fitted(desk.right() - screen.right(), kReadable.width(), w);
    const int left = fitted(screen.left() - desk.left(), kReadable.width(), w);
    const int below = fitted(desk.bottom() - screen.bottom(), kReadable.height(), h);
    const int above = fitted(screen.top() - desk.top(), kReadable.height(), h);
    const std::array places{
        QRect(screen.right() + 1 + kGap, screen.top(), right, h),
        QRect(screen.left() - kGap - left, screen.top(), left, h),
        QRect(screen.left(), screen.bottom() + 1 + kGap, w, below),
        QRect(screen.left(), screen.top() - kGap - above, w, above),
        QRect(desk.topLeft(), frame),
        QRect(QPoint(desk.right() + 1 - w, desk.top()), frame),
        QRect(QPoint(desk.left(), desk.bottom() + 1 - h), frame),
        QRect(QPoint(desk.right() + 1 - w, desk.bottom() + 1 - h), frame),
    };
    QRect best;
    for (const QRect& place : places) {
        const QRect r = onDesk(place, desk);
        if (overlap(r, screen) == 0) return r;
        if (best.isNull() || overlap(r, screen) < overlap(best, screen)) best = r;
    }
    return best;
}

}  // namespace screens
