#pragma once

#include <chrono>

namespace app {

// Waits until the given time between two frames of the sweep, handling no event meanwhile. On
// Windows the thread waits as for messages, taking none: Wine copies a window's drawing to the
// screen only while its thread waits so, and would show no frame of the sweep in a plain sleep.
void waitUntil(std::chrono::steady_clock::time_point until);

}  // namespace app
