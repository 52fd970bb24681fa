// The circle: radius in, circumference and area out.
#include <array>

#include "screens/tables/screen_tables.h"
#include "screens/tables/shared.h"

namespace screens::tables {

namespace {

using assets::Picture;

// clang-format off
constexpr Formula kCircumference{"Длина окружности: C = 2πr, π ≈ {π}", "C = 2 · {π} · {r} = {=}",
    "C = 2πr ≈ 2 · {π} · {r} = {C}", "C"};
constexpr Formula kArea{"Площадь круга: S = πr²", "S = {π} · {r}² = {=}",
    "S = πr² ≈ {π} · {r}² = {π} · {r²} = {S}", "S"};
// clang-format on

// One row a control (twips).
// clang-format off
constexpr std::array kControls{
    textBox("txt1", 4080, 1960, 1695, 285, 0, "радиус"),
    button("cmd1", "вычислить", 5620, 2760, 1455, 375, 1, Picture::ButtonFace, Compute{calc::computeCircle}),
    resultBox("txt2", 4560, 3960, 1455, 285, 2, "длина", kCircumference),
    resultBox("txt3", 4560, 4320, 1455, 285, 3, "площадь", kArea),
    backButton(4),
    solutionButton(5),
};
// clang-format on

}  // namespace

// "длинну", with a double "н": the title is the program's own text, kept exactly as it stands,
// spelling included.
const ScreenTable& circle() {
    static const ScreenTable table{
        .id = ScreenId::Circle,
        .name = "frm3",
        .caption = "Находим площадь и длинну окружности",
        .clientWidth = kWideClient,
        .clientHeight = kClientHeight,
        .background = Picture::CircleBackground,
        .hasIcon = false,
        .controls = kControls,
        .given = "r",
        .prompt = kComputePrompt,
        .figure = {Shape::Circle, "Чертёж: круг, его радиус r проведён из центра"},
        .subject = "окружность",
    };
    return table;
}

}  // namespace screens::tables
