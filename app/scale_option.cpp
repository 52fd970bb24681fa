#include "app/scale_option.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iostream>
#include <vector>

#include "calc/messages.h"
#include "screens/frame/twips.h"
#include "screens/tables/screen_tables.h"

namespace app {

namespace {

constexpr std::string_view kOption = "--scale";
constexpr std::string_view kFit = "fit";
constexpr double kSmallest = 1;
constexpr double kLargest = 3;
// From the largest down; what a projector's picture is still sharp at.
constexpr std::array<double, 4> kFitScales{2, 1.75, 1.5, 1.25};
// Room for a window's frame, in pixels at the normal size: Windows 10's borders and title bar,
// which are larger than the usual Linux desktops'. Frames are not scaled with the program.
constexpr PixelSize kFrame{16, 39};

// What the program says on standard error about an option it cannot follow. These messages stay
// beside the option whose name and limits they state; "%" stands for what was given.
constexpr std::string_view kScaleMissing =
    "После --scale нужен масштаб: число от 1 до 3 (например, 1,5) или fit. "
    "Программа откроется в обычном размере.";
constexpr std::string_view kScaleBad =
    "Масштаб «%» не подходит: нужно число от 1 до 3 (например, 1,5) или fit. "
    "Программа откроется в обычном размере.";

// What was given, fit for a terminal: cut as every quoted text is, and with "?" for each control
// character (C0, DEL, and C1 as UTF-8 writes it), which a terminal would obey.
std::string printable(std::string_view given) {
    const std::string quoted = calc::quotedText(given);
    std::string text;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        const auto byte = static_cast<unsigned char>(quoted[i]);
        const auto next = i + 1 < quoted.size() ? static_cast<unsigned char>(quoted[i + 1]) : 0;
        const bool c1 = byte == 0xC2 && next >= 0x80 && next <= 0x9F;
        if (byte < 0x20 || byte == 0x7F || c1) {
            text += '?';
            i += c1 ? 1 : 0;
        } else {
            text += quoted[i];
        }
    }
    return text;
}

ScaleRequest requestFor(std::string_view value) {
    if (value == kFit) return {ScaleRequest::Kind::Fit, 1, {}};
    if (const auto factor = scaleFactorOf(value)) return {ScaleRequest::Kind::Factor, *factor, {}};
    std::string problem(kScaleBad);
    return {ScaleRequest::Kind::Bad, 1, problem.replace(problem.find('%'), 1, printable(value))};
}

// The largest screen's client area at the normal size.
PixelSize largestScreen() {
    PixelSize largest{0, 0};
    for (const screens::ScreenId id : screens::kAllScreens) {
        const screens::ScreenTable& table = screens::tableOf(id);
        const QSize size = screens::pixelSize(table.clientWidth, table.clientHeight);
        largest = {std::max(largest.width, size.width()), std::max(largest.height, size.height())};
    }
    return largest;
}

// Asks the window system for the desktop's free area before the program itself starts.
double fitOfDesktop(int argc, char* argv[]) {
    qunsetenv("QT_SCALE_FACTOR");  // measured at the normal size
    // Qt takes its own options out of the list it gets; the program's application needs them too.
    std::vector<char*> arguments(argv, argv + argc + 1);
    int count = argc;
    const QGuiApplication probe(count, arguments.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1;
    const QSize area = screen->availableGeometry().size();
    return fittingScale({area.width(), area.height()}, largestScreen(), kFrame);
}

}  // namespace

std::optional<double> scaleFactorOf(std::string_view text) {
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    double factor = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] =
        std::from_chars(number.data(), end, factor, std::chars_format::fixed);
    if (error != std::errc{} || stop != end || !(factor >= kSmallest && factor <= kLargest))
        return std::nullopt;
    return factor;
}

ScaleRequest scaleRequestOf(std::span<char* const> arguments) {
    ScaleRequest request;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == kOption) {
            if (i + 1 == arguments.size()) {
                request = {ScaleRequest::Kind::Bad, 1, std::string(kScaleMissing)};
            } else {
                request = requestFor(arguments[++i]);
            }
        } else if (argument.starts_with(kOption) && argument[kOption.size()] == '=') {
            request = requestFor(argument.substr(kOption.size() + 1));
        }
    }
    return request;
}

double fittingScale(PixelSize available, PixelSize window, PixelSize frame) {
    for (const double scale : kFitScales) {
        if (std::ceil(window.width * scale) + frame.width <= available.width &&
            std::ceil(window.height * scale) + frame.height <= available.height)
            return scale;
    }
    return 1;
}

void applyScaleOption(int argc, char* argv[]) {
    const ScaleRequest request = scaleRequestOf({argv, static_cast<std::size_t>(argc)});
    double factor = request.factor;
    switch (request.kind) {
        case ScaleRequest::Kind::None:
            return;
        case ScaleRequest::Kind::Bad:
            std::cerr << request.problem << std::endl;
            return;
        case ScaleRequest::Kind::Fit:
            factor = fitOfDesktop(argc, argv);
            break;
        case ScaleRequest::Kind::Factor:
            break;
    }
    // Qt reads the factor with a point, whatever the user's language.
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size() - 1, factor);
    *written.ptr = '\0';
    qputenv("QT_SCALE_FACTOR", text.data());
}

}  // namespace app
