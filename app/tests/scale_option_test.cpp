// The `--scale` start option read from the command line, and the scale `fit` chooses.
#include <gtest/gtest.h>

#include <vector>

#include "app/scale_option.h"

namespace app {
namespace {

TEST(ScaleOption, FactorsFromOneToThreeWithCommaOrPoint) {
    const struct {
        const char* text;
        std::optional<double> factor;
    } cases[] = {
        {"1,5", 1.5}, {"1.5", 1.5}, {"1", 1.0},  {"3", 3.0},      {"2,25", 2.25}, {"0,99", {}},
        {"3.01", {}}, {"-2", {}},   {"", {}},    {"1,5x", {}},    {"1,5,0", {}},  {" 2", {}},
        {"nan", {}},  {"inf", {}},  {"1e0", {}}, {"полтора", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(scaleFactorOf(c.text), c.factor) << c.text;
}

TEST(ScaleOption, TheCommandLineAsksForAFactorFitOrNothing) {
    using Kind = ScaleRequest::Kind;
    const struct {
        std::vector<const char*> arguments;
        Kind kind;
        double factor;
        const char* said;  // in the message of a bad request
    } cases[] = {
        {{}, Kind::None, 1, ""},
        {{"-platform", "xcb"}, Kind::None, 1, ""},
        {{"--scale", "1,5"}, Kind::Factor, 1.5, ""},
        {{"--scale=2"}, Kind::Factor, 2, ""},
        {{"--scale", "fit"}, Kind::Fit, 1, ""},
        {{"--scale", "4"}, Kind::Bad, 1, "Масштаб «4» не подходит: нужно число от 1 до 3"},
        {{"--scale=\x1b[2J"}, Kind::Bad, 1, "Масштаб «?[2J»"},
        {{"--scale=\x7f"}, Kind::Bad, 1, "Масштаб «?»"},           // DEL
        {{"--scale=\u009b[2J"}, Kind::Bad, 1, "Масштаб «?[2J»"},   // C1, as UTF-8 writes it
        {{"--scale=\u00a0x"}, Kind::Bad, 1, "Масштаб «\u00a0x»"},  // a no-break space stays
        {{"--scale"}, Kind::Bad, 1, "После --scale нужен масштаб"},
        {{"--scale", "4", "--scale", "2"}, Kind::Factor, 2, ""},
    };
    for (const auto& c : cases) {
        std::vector<char*> line{const_cast<char*>("reshalkin")};
        for (const char* a : c.arguments) line.push_back(const_cast<char*>(a));
        const ScaleRequest request = scaleRequestOf(line);
        EXPECT_EQ(request.kind, c.kind) << line.size();
        EXPECT_EQ(request.factor, c.factor) << line.size();
        EXPECT_NE(request.problem.find(c.said), std::string::npos) << request.problem;
        EXPECT_EQ(request.problem.empty(), c.kind != Kind::Bad);
    }
}

TEST(ScaleOption, FitTakesTheLargestScaleAtWhichAScreenAndItsFrameFit) {
    constexpr PixelSize kScreen{600, 399}, kFrame{16, 39};
    const struct {
        PixelSize available;
        double scale;
    } cases[] = {
        {{1024, 768}, 1.5}, {{1024, 728}, 1.5},  // a projector, bare or with a taskbar
        {{1920, 1080}, 2},  {{1920, 1040}, 2},   {{1366, 728}, 1.5},
        {{1280, 1024}, 2},  {{1440, 800}, 1.75}, {{800, 600}, 1.25},
        {{640, 480}, 1},    {{1216, 837}, 2},    {{1215, 837}, 1.75},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fittingScale(c.available, kScreen, kFrame), c.scale)
            << c.available.width << "x" << c.available.height;
}

}  // namespace
}  // namespace app
