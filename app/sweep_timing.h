#pragma once

#include <chrono>

#include "app/progress_sweep.h"

namespace app {

// How long the sweep spins in all: the drawing comes on top of it, and the whole stays between
// half a second and a second on this machine and on one ten times faster.
inline constexpr std::chrono::milliseconds kSpinTimePerSweep{580};

inline constexpr std::chrono::nanoseconds kSpinTimePerPass =
    std::chrono::duration_cast<std::chrono::nanoseconds>(kSpinTimePerSweep) /
    (static_cast<long long>(kSweepSteps) * kSpinPassesPerStep);

inline Spin calibratedSpin() {
    return Spin::calibrated(kSpinTimePerPass);
}

}  // namespace app
