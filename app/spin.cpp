#include "app/spin.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// The calibration times whole passes, as the sweep runs them, at two amounts of work: the
// difference gives the cost of a unit, the rest the cost of a pass itself. A power-saving
// processor is first kept busy long enough to raise its clock, and the fastest of several rounds
// counts: a slow round, at a low clock or interrupted by another process, would make every
// sweep's spin too short.
constexpr std::chrono::milliseconds kWarmUp{20};
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

void warmUp() {
    const Spin spin(kCalibrationWork);
    const auto until = std::chrono::steady_clock::now() + kWarmUp;
    while (std::chrono::steady_clock::now() < until) spin.run(kCalibrationPasses);
}

}  // namespace

Spin Spin::calibrated(std::chrono::nanoseconds perPass) {
    warmUp();
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
