#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace app {

// The `--scale` start option: the program drawn larger, for a projector, as Qt's own scale factor
// does it. `--scale 1,5` (or `--scale=1.5`) asks for a factor from 1 to 3; `--scale fit` for the
// largest of kFitScales at which a screen still fits the desktop.
struct ScaleRequest {
    enum class Kind { None, Factor, Fit, Bad };
    Kind kind = Kind::None;
    double factor = 1;    // for Factor
    std::string problem;  // for Bad: what to tell the user
};

struct PixelSize {
    int width, height;
};

// "1,5" or "1.5" as a factor; nothing for a text that is not a number from 1 to 3.
std::optional<double> scaleFactorOf(std::string_view text);

// What the command line (the program's name first) asks; the last `--scale` counts.
ScaleRequest scaleRequestOf(std::span<char* const> arguments);

// The largest fit scale at which `window` and its frame fit `available`; 1 when none does.
double fittingScale(PixelSize available, PixelSize window, PixelSize frame);

// Sets Qt's scale factor as the command line asks. Called before the application is made: Qt
// reads the factor when it starts. A bad value is reported on standard error and changes nothing.
void applyScaleOption(int argc, char* argv[]);

}  // namespace app
