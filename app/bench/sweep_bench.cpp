// Times the progress sweep on the main menu and on the cone screen as the program plays it:
// the median of five sweeps, how often the window is presented, and the longest gap between
// two presentations.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/program.h"
#include "app/sweep_timing.h"

namespace {

using Clock = std::chrono::steady_clock;

struct SweepFigures {
    double seconds;
    int presentations;
    double longestGapMs;
};

SweepFigures timeSweep(app::Program& program, app::ScreenId id, const app::Spin& spin) {
    screens::DrawingSurface& surface = program.registry().ensureScreen(id).surface();
    std::vector<Clock::time_point> presents;
    surface.setPresentHook([&] { presents.push_back(Clock::now()); });
    const auto start = Clock::now();
    app::ProgressSweep(spin).play(program.registry(), id);
    const auto end = Clock::now();
    surface.setPresentHook({});
    double longest = 0;
    Clock::time_point previous = start;
    for (auto t : presents) {
        longest =
            std::max(longest, std::chrono::duration<double, std::milli>(t - previous).count());
        previous = t;
    }
    longest = std::max(longest, std::chrono::duration<double, std::milli>(end - previous).count());
    return {std::chrono::duration<double>(end - start).count(), static_cast<int>(presents.size()),
            longest};
}

void benchScreen(app::Program& program, app::ScreenId id, const app::Spin& spin) {
    app::Screen& screen = program.registry().ensureScreen(id);
    screen.show();
    if (!QTest::qWaitForWindowExposed(&screen)) std::puts("window not exposed");
    QTest::qWait(200);
    std::vector<SweepFigures> runs;
    for (int i = 0; i < 5; ++i) runs.push_back(timeSweep(program, id, spin));
    std::ranges::sort(runs, {}, &SweepFigures::seconds);
    const SweepFigures& median = runs[runs.size() / 2];
    double longest = 0;
    for (const auto& run : runs) longest = std::max(longest, run.longestGapMs);
    // Without the spin, what is left is the drawing: on a machine ten times faster the spin
    // stays as calibrated and this part shrinks.
    const SweepFigures drawingOnly = timeSweep(program, id, app::Spin(0));
    std::printf(
        "%s: median sweep %.3f s, %d presentations per sweep, longest gap %.1f ms; "
        "drawing alone %.3f s\n",
        std::string(screens::nameOf(id)).c_str(), median.seconds, median.presentations, longest,
        drawingOnly.seconds);
    screen.hide();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(pictures);
    const auto calibrationStart = Clock::now();
    const app::Spin spin = app::calibratedSpin();
    const double calibrationMs =
        std::chrono::duration<double, std::milli>(Clock::now() - calibrationStart).count();
    std::printf("spin calibration: %d units a pass, %.1f ms at start-up\n", spin.workPerPass(),
                calibrationMs);
    app::Program program(spin);
    benchScreen(program, app::ScreenId::MainMenu, spin);
    benchScreen(program, app::ScreenId::Cone, spin);
    return 0;
}
