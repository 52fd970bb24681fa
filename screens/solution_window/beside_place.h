#pragma once

#include <QRect>

namespace screens {

// Where a window's frame goes beside a screen's frame on the desk: right of the screen, else
// left, below or above, narrowed or lowered to the room on that side down to a readable size,
// and moved along it to stay on the desk. Where no side has room even so, the place on the desk
// that covers the least of the screen.
QRect besideScreen(const QRect& screen, const QSize& frame, const QRect& desk);

}  // namespace screens
