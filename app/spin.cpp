#include "app/spin.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// Units of work the calibration times, in a few rounds; the fastest round counts, so a
// round interrupted by another process does not make the spin too short.
constexpr int kCalibrationUnits = 2'000'000;
constexpr int kCalibrationRounds = 5;

// An opaque no-op: the compiler must assume the counter is read and changed.
inline void burn(int units) {
    for (int i = 0; i < units; ++i) asm volatile("" : "+r"(i));
}

double secondsFor(int units) {
    const auto start = std::chrono::steady_clock::now();
    burn(units);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

}  // namespace

Spin Spin::calibrated(std::chrono::nanoseconds perPass) {
    double fastest = secondsFor(kCalibrationUnits);
    for (int round = 1; round < kCalibrationRounds; ++round) {
        fastest = std::min(fastest, secondsFor(kCalibrationUnits));
    }
    const double unitSeconds = std::max(fastest, 1e-9) / kCalibrationUnits;
    const double wanted = std::chrono::duration<double>(perPass).count() / unitSeconds;
    return Spin(static_cast<int>(std::lround(std::clamp(wanted, 0.0, 1e6))));
}

void Spin::run(int passes) const {
    for (int pass = 1; pass <= passes; ++pass) burn(workPerPass_);
}

}  // namespace app
