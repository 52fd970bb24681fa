#include "app/progress_sweep.h"

namespace app {

namespace {

// The coordinate system: x from -1000 (left edge) to 1000, y from 1000 (top edge) to -1000.
constexpr float kLeft = -1000, kTop = 1000, kRight = 1000, kBottom = -1000;

constexpr double kFirstX = -794;
constexpr double kLastX = 800;
constexpr double kStepX = 0.1;
constexpr float kDotTop = -958;
constexpr float kDotBottom = -961;
constexpr int kPenWidth = 5;
constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kBlack = 0;

// The window is shown every so many steps while the dot is red: some fifty times a sweep,
// often enough to glide and rarely enough for a compositor that paces presentations.
constexpr int kStepsPerPresentation = 300;

// Shows what was drawn however the sweep ends, so the window's backing store is never left open.
struct PresentOnExit {
    screens::DrawingSurface& surface;
    ~PresentOnExit() { surface.present(); }
};

}  // namespace

void ProgressSweep::play(ScreenRegistry& registry, ScreenId id) const {
    screens::DrawingSurface& surface = registry.ensureScreen(id).surface();
    const PresentOnExit presentAtEnd{surface};
    surface.scale(kLeft, kTop, kRight, kBottom);
    // x accumulates the step, as a running double sum: 15,940 steps, the last at 799.9000000002254.
    int step = 0;
    for (double x = kFirstX; x <= kLastX; x += kStepX, ++step) {
        surface.setDrawWidth(kPenWidth);
        const auto dotX = static_cast<float>(x);
        surface.line(dotX, kDotTop, dotX, kDotBottom, kRed);
        if (step % kStepsPerPresentation == 0) surface.present();
        spin_.run(kSpinPassesPerStep);
        surface.line(dotX, kDotTop, dotX, kDotBottom, kBlack);
    }
}

}  // namespace app
