#pragma once

class QWidget;

namespace screens {

// Asks the window manager to leave a window off the taskbar; call it before each mapping, as the
// request is forgotten when the window is hidden.
void keepOffTaskbar(QWidget& window);

}  // namespace screens
