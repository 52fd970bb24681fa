#include "app/progress_sweep.h"

#include <QSize>
#include <algorithm>
#include <vector>

#include "app/frame_wait.h"

namespace app {

namespace {

using Clock = std::chrono::steady_clock;

// The coordinate system: x from -1000 (left edge) to 1000, y from 1000 (top edge) to -1000.
constexpr float kLeft = -1000, kTop = 1000, kRight = 1000, kBottom = -1000;

constexpr double kFirstX = -794;
constexpr double kLastX = 800;
constexpr double kStepX = 0.1;
constexpr float kDotTop = -958;
constexpr float kDotBottom = -961;
constexpr int kPenWidth = 5;
constexpr std::uint32_t kRed = 255;

// Often enough for the dot to glide, rarely enough to cost next to nothing.
constexpr std::chrono::milliseconds kFrameTime{10};

QPointF toPixels(QSize client, float x, float y) {
    return {(x - kLeft) * client.width() / (kRight - kLeft),
            (y - kTop) * client.height() / (kBottom - kTop)};
}

// Takes the dot away however the sweep ends.
struct HideOnExit {
    screens::SweepDot& dot;
    ~HideOnExit() { dot.hide(); }
};

// The dot's x at each step, in the sweep's coordinates (-1000 at the left edge, 1000 at the
// right): from -794 by 0.1, summed as a double while it is at most 800, and drawn as a float.
const std::vector<float>& sweepPath() {
    static const std::vector<float> path = [] {
        std::vector<float> xs;
        for (double x = kFirstX; x <= kLastX; x += kStepX) xs.push_back(static_cast<float>(x));
        return xs;
    }();
    return path;
}

// The dot at x on a client area of that size.
screens::Dot dotAt(QSize client, float x) {
    return {QLineF(toPixels(client, x, kDotTop), toPixels(client, x, kDotBottom)), kPenWidth, kRed};
}

}  // namespace

// Each frame shows the step the clock has reached, so a late frame on a busy machine does not
// make the sweep longer.
void playSweep(ScreenRegistry& registry, ScreenId id) {
    Screen& screen = registry.ensureScreen(id);
    const std::vector<float>& path = sweepPath();
    const HideOnExit hideAtEnd{screen.sweepDot()};
    const auto start = Clock::now();
    const auto end = start + kSweepLength;
    bool last = false;
    for (auto now = start; !last; now = Clock::now()) {
        // The last frame, however late it comes, shows the dot at the end of its path.
        last = now + kFrameTime >= end;
        const auto step = last ? path.size() - 1 : path.size() * (now - start) / kSweepLength;
        screen.sweepDot().show(dotAt(screen.size(), path[step]));
        waitUntil(std::min(now + kFrameTime, end));
    }
}

}  // namespace app
