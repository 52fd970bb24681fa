// Times the progress sweep as the program plays it: on the main menu, on the cone screen, and in
// a compute click on the cone screen (sweep and computation). Each row gives the median wall
// time of five runs, the frames shown in a run, the longest gap between two frames and the
// program's processor time per run; first on an idle machine, then beside three busy processes
// of normal priority, which the benchmark starts and ends itself.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "app/program.h"
#include "testing/busy_processes.h"

namespace {

using Clock = std::chrono::steady_clock;
using screens::ScreenId;

constexpr int kRuns = 5;
constexpr int kBusyProcesses = 3;

struct Figures {
    double seconds;
    int frames;
    double longestGapMs;
    double cpuMs;
};

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

Figures timeRun(screens::SweepDot& dot, const std::function<void()>& run) {
    std::vector<Clock::time_point> frames;
    dot.setFrameObserver([&](const screens::Dot&) { frames.push_back(Clock::now()); });
    const std::clock_t cpuStart = std::clock();
    const auto start = Clock::now();
    run();
    const auto end = Clock::now();
    const std::clock_t cpuEnd = std::clock();
    dot.setFrameObserver({});
    double longestGap = 0;
    Clock::time_point previous = start;
    for (auto t : frames) {
        longestGap = std::max(longestGap, msBetween(previous, t));
        previous = t;
    }
    longestGap = std::max(longestGap, msBetween(previous, end));
    return {msBetween(start, end) / 1000, static_cast<int>(frames.size()), longestGap,
            1000.0 * static_cast<double>(cpuEnd - cpuStart) / CLOCKS_PER_SEC};
}

void benchRow(const char* what, screens::SweepDot& dot, const std::function<void()>& run) {
    std::vector<Figures> runs;
    for (int i = 0; i < kRuns; ++i) runs.push_back(timeRun(dot, run));
    std::ranges::sort(runs, {}, &Figures::seconds);
    const Figures& median = runs[kRuns / 2];
    double longestGap = 0, cpuMs = 0;
    for (const Figures& r : runs) {
        longestGap = std::max(longestGap, r.longestGapMs);
        cpuMs += r.cpuMs / kRuns;
    }
    std::printf(
        "  %-20s median %.3f s, %d frames, longest gap %.1f ms, CPU %.1f ms a run (%.1f%%)\n", what,
        median.seconds, median.frames, longestGap, cpuMs, 100 * cpuMs / (1000 * median.seconds));
}

app::Screen& shown(app::Program& program, ScreenId id) {
    app::Screen& screen = program.registry().ensureScreen(id);
    app::bringUp(screen);
    if (!QTest::qWaitForWindowExposed(&screen)) std::puts("window not exposed");
    QTest::qWait(200);
    return screen;
}

void benchAll(app::Program& program) {
    app::Screen& menu = shown(program, ScreenId::MainMenu);
    benchRow("main menu sweep", menu.sweepDot(),
             [&] { app::playSweep(program.registry(), ScreenId::MainMenu); });
    menu.hide();
    app::Screen& cone = shown(program, ScreenId::Cone);
    benchRow("cone sweep", cone.sweepDot(),
             [&] { app::playSweep(program.registry(), ScreenId::Cone); });
    QTest::keyClicks(cone.findChild<QWidget*>("txt1"), "3");
    QTest::keyClicks(cone.findChild<QWidget*>("txt2"), "4");
    QWidget* compute = cone.findChild<QWidget*>("cmd1");
    benchRow("cone compute click", cone.sweepDot(),
             [&] { QTest::mouseClick(compute, Qt::LeftButton); });
    cone.hide();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(pictures);
    app::Program program;
    std::puts("idle:");
    benchAll(program);
    {
        const BusyProcesses busy(kBusyProcesses);
        QTest::qWait(500);  // until they have the cores
        std::printf("beside %d busy processes:\n", kBusyProcesses);
        benchAll(program);
    }
    return 0;
}
