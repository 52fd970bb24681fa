#pragma once

#include <chrono>

#include "app/screen_registry.h"

namespace app {

// How long the dot takes along the bar, whatever the machine and whatever else runs.
inline constexpr std::chrono::milliseconds kSweepLength{700};

// Plays the red dot that glides along the black bar of a screen before every button's action.
// The dot stands where the clock has reached, and the thread waits between frames (frame_wait.h);
// no events are handled meanwhile, so input waits until the action is done.
void playSweep(ScreenRegistry& registry, ScreenId id);

}  // namespace app
