// Times F1 to the solution window's first painted frame: the first time on each screen, when the
// window is made and its text written, and again after Escape, when it is only shown. Each row
// gives the median and the longest of its runs, and the median of the program's own part: the
// key's handling and the painting, without the wait for the window manager to map the window.
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

#include "app/program.h"

namespace {

using Clock = std::chrono::steady_clock;
using screens::ScreenId;

constexpr int kAgain = 15;
constexpr ScreenId kScreens[] = {ScreenId::Triangle, ScreenId::Circle, ScreenId::Cylinder,
                                 ScreenId::Cone, ScreenId::Calculator};

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Hands the window its first expose itself, so that the time taken is the painting's end.
class FirstFrame : public QObject {
  public:
    explicit FirstFrame(QWindow& window) : window_(window) { window.installEventFilter(this); }
    bool painted() const { return painted_.has_value(); }
    Clock::time_point exposed() const { return exposed_; }
    Clock::time_point painted_at() const { return *painted_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Expose || !window_.isExposed()) return false;
        window_.removeEventFilter(this);
        exposed_ = Clock::now();
        QCoreApplication::sendEvent(&window_, event);
        painted_ = Clock::now();
        return true;
    }

  private:
    QWindow& window_;
    Clock::time_point exposed_;
    std::optional<Clock::time_point> painted_;
};

struct Run {
    double total, own;  // milliseconds
};

// Presses F1 on the active screen, then Escape once the window is painted.
Run timeF1(app::Screen& screen) {
    if (!QTest::qWaitForWindowActive(&screen)) std::puts("screen not active");
    const auto start = Clock::now();
    QTest::keyClick(screen.focusWidget() ? screen.focusWidget() : &screen, Qt::Key_F1);
    const auto handled = Clock::now();
    auto* solution = screen.findChild<QWidget*>("solution");
    FirstFrame frame(*solution->windowHandle());
    if (!QTest::qWaitFor([&] { return frame.painted(); })) std::puts("window not painted");
    const Run run{msBetween(start, frame.painted_at()),
                  msBetween(start, handled) + msBetween(frame.exposed(), frame.painted_at())};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    if (!QTest::qWaitFor([&] { return !solution->isVisible(); })) std::puts("window not closed");
    return run;
}

void printRow(const char* what, std::vector<Run> runs) {
    const auto median = [&](double Run::*part) {
        std::ranges::sort(runs, {}, part);
        return runs[runs.size() / 2].*part;
    };
    const double own = median(&Run::own), total = median(&Run::total);
    std::printf(
        "  %-34s median %.1f ms, longest %.1f ms; the program's own part %.1f ms (%zu runs)\n",
        what, total, runs.back().total, own, runs.size());
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(pictures);
    app::Program program;
    program.start();
    std::vector<Run> first, again;
    for (ScreenId id : kScreens) {
        app::showScreen(program.registry(), ScreenId::MainMenu, id);
        QTest::qWait(200);
        app::Screen& screen = program.registry().ensureScreen(id);
        first.push_back(timeF1(screen));
        for (int i = 0; i < kAgain; ++i) again.push_back(timeF1(screen));
        app::showScreen(program.registry(), id, ScreenId::MainMenu);
    }
    std::puts("F1 to the solution window's first painted frame:");
    printRow("first on each screen (window made)", first);
    printRow("again after Escape", again);
    return 0;
}
