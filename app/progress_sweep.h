#pragma once

#include <QSize>
#include <chrono>
#include <vector>

#include "app/screen_registry.h"

namespace app {

// How long the dot takes along the bar, whatever the machine and whatever else runs.
inline constexpr std::chrono::milliseconds kSweepLength{700};

// The red dot that glides along the black bar of a screen before every button's action. The
// dot stands where the clock has reached, and the thread waits between frames (frame_wait.h); no
// events are handled meanwhile, so input waits until the action is done.
class ProgressSweep {
  public:
    // Tests ask for a shorter sweep; a zero one shows only the last frame.
    explicit ProgressSweep(std::chrono::milliseconds length = kSweepLength) : length_(length) {}

    void play(ScreenRegistry& registry, ScreenId id) const;

  private:
    std::chrono::milliseconds length_;
};

// The dot's x at each step, in the sweep's coordinates (-1000 at the left edge, 1000 at the
// right): from -794 by 0.1, summed as a double while it is at most 800, and drawn as a float.
const std::vector<float>& sweepPath();

// The dot at x on a client area of that size.
screens::Dot dotAt(QSize client, float x);

}  // namespace app
