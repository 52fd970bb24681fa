#include "app/spin.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// The calibration times whole passes, as the sweep runs them, at two amounts of work: the
// difference gives the cost of a unit, the rest the cost of a pass itself. The fastest of several
// rounds counts: a round interrupted by another process, or run before a power-saving processor
// has raised its clock (the rounds take some 20 ms in all), would make the spin too short.
constexpr int kCalibrationPasses = 50'000;
constexpr int kCalibrationWork = 100;
constexpr int kCalibrationRounds = 10;
constexpr double kMostWorkPerPass = 1e6;

// An opaque no-op: the compiler must assume the counter is read and changed.
inline void burn(int units) {
    for (int i = 0; i < units; ++i) asm volatile("" : "+r"(i));
}

double secondsPerPass(int workPerPass) {
    const Spin spin(workPerPass);
    double fastest = 0;
    for (int round = 0; round < kCalibrationRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        spin.run(kCalibrationPasses);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (round == 0 || elapsed.count() < fastest) fastest = elapsed.count();
    }
    return fastest / kCalibrationPasses;
}

}  // namespace

Spin Spin::calibrated(std::chrono::nanoseconds perPass) {
    const double loaded = secondsPerPass(kCalibrationWork);
    const double bare = secondsPerPass(0);
    const double perUnit = std::max(loaded - bare, 1e-12) / kCalibrationWork;
    const double wanted = (std::chrono::duration<double>(perPass).count() - bare) / perUnit;
    return Spin(static_cast<int>(std::lround(std::clamp(wanted, 0.0, kMostWorkPerPass))));
}

Spin Spin::calibratedOnFirstUse(std::chrono::nanoseconds perPass) {
    Spin spin;
    spin.pendingCalibration_ = perPass;
    return spin;
}

void Spin::calibrateIfPending() const {
    if (!pendingCalibration_) return;
    workPerPass_ = calibrated(*pendingCalibration_).workPerPass_;
    pendingCalibration_.reset();
}

int Spin::workPerPass() const {
    calibrateIfPending();
    return workPerPass_;
}

void Spin::run(int passes) const {
    calibrateIfPending();
    for (int pass = 1; pass <= passes; ++pass) burn(workPerPass_);
}

}  // namespace app
