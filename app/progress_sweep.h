#pragma once

#include "app/screen_registry.h"
#include "app/spin.h"

namespace app {

// The red dot that glides along the black bar of a screen before every button's action.
// A fixed amount of work with no clock and no event processing in it.
class ProgressSweep {
  public:
    explicit ProgressSweep(Spin spin) : spin_(spin) {}

    void play(ScreenRegistry& registry, ScreenId id) const;

  private:
    Spin spin_;
};

// What the sweep costs in spin passes, for calibrating a pass from a wanted sweep time.
inline constexpr int kSweepSteps = 15'940;
inline constexpr int kSpinPassesPerStep = 600;

}  // namespace app
