#pragma once

class QWidget;

namespace screens {

// Asks the window manager to leave a window off the taskbar. Call it just before the window is
// mapped: the window manager forgets the request when the window is hidden. Does nothing where
// the platform has no such request.
void keepOffTaskbar(QWidget& window);

}  // namespace screens
