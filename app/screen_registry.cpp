#include "app/screen_registry.h"

#include "screens/tables/screen_tables.h"

namespace app {

ScreenRegistry::ScreenRegistry(Screen::ClickHandler onClick, Screen::CloseHandler onClose)
    : onClick_(std::move(onClick)), onClose_(std::move(onClose)) {}

Screen* ScreenRegistry::find(ScreenId id) const {
    return slots_[static_cast<int>(id)].get();
}

Screen& ScreenRegistry::ensureScreen(ScreenId id) {
    auto& slot = slots_[static_cast<int>(id)];
    if (!slot) slot = std::make_unique<Screen>(screens::tableOf(id), onClick_, onClose_);
    return *slot;
}

void showScreen(ScreenRegistry& registry, ScreenId source, ScreenId target) {
    bringUp(registry.ensureScreen(target));
    registry.ensureScreen(source).setVisible(false);
}

// Some window managers give the focus to no window at all when a tool window is shown or the
// active one hidden; the pupil's keys must go to the screen they see.
void bringUp(Screen& screen) {
    screen.show();
    screen.raise();
    screen.activateWindow();
}

}  // namespace app
