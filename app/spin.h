#pragma once

#include <chrono>
#include <optional>

namespace app {

// The sweep's counted spin. One pass does `workPerPass` units of work that the optimiser cannot
// remove; the work is calibrated once at start-up so that a pass costs about the same time on
// a slow machine and on a fast one.
class Spin {
  public:
    explicit Spin(int workPerPass = 0) : workPerPass_(workPerPass) {}

    // Measures this machine once; reads the clock only here.
    static Spin calibrated(std::chrono::nanoseconds perPass);
    // The same, measured when the spin first runs: start-up need not wait for it.
    static Spin calibratedOnFirstUse(std::chrono::nanoseconds perPass);

    void run(int passes) const;
    int workPerPass() const;

  private:
    void calibrateIfPending() const;

    mutable int workPerPass_;
    mutable std::optional<std::chrono::nanoseconds> pendingCalibration_;
};

}  // namespace app
