#pragma once

#include <array>
#include <memory>

#include "screens/frame/screen.h"

namespace app {

using screens::Screen;
using screens::ScreenId;

// One slot per screen. A screen is created hidden on first use and lives until the registry
// ends with the program.
class ScreenRegistry {
  public:
    ScreenRegistry(Screen::ClickHandler onClick, Screen::CloseHandler onClose);

    Screen& ensureScreen(ScreenId id);
    Screen* find(ScreenId id) const;  // null while the slot is empty

  private:
    Screen::ClickHandler onClick_;
    Screen::CloseHandler onClose_;
    std::array<std::unique_ptr<Screen>, screens::kAllScreens.size()> slots_;
};

// Shows the target (creating it on first use), then hides the source.
void showScreen(ScreenRegistry& registry, ScreenId source, ScreenId target);

// Shows a screen as the active window, the one that takes the keys.
void bringUp(Screen& screen);

}  // namespace app
