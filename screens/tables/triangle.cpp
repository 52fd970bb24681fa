// The right triangle: two legs in, hypotenuse and area out.
#include <array>

#include "screens/tables/screen_tables.h"
#include "screens/tables/shared.h"

namespace screens::tables {

namespace {

using assets::Picture;

// clang-format off
constexpr Formula kHypotenuse{"Гипотенуза: c = √(a² + b²)", "c = √({a}² + {b}²) = {=}",
    "c = √(a² + b²) = √({a}² + {b}²) = √({a²} + {b²}) = √{a² + b²} = {c}", "c"};
constexpr Formula kArea{"Площадь: S = a·b : 2", "S = {a} · {b} : 2 = {=}",
    "S = a · b : 2 = {a} · {b} : 2 = {ab} : 2 = {S}", "S"};
// clang-format on

// One row a control (twips).
// clang-format off
constexpr std::array kControls{
    textBox("txt1", 4200, 1530, 1575, 285, 0, "первый катет"),
    textBox("txt2", 4200, 1770, 1575, 285, 1, "второй катет"),
    resultBox("txt3", 4920, 4080, 1935, 285, 2, "гипотенуза", kHypotenuse),
    resultBox("txt4", 4920, 4440, 1935, 285, 3, "площадь", kArea),
    button("cmd1", "вычислить", 5640, 2760, 1455, 375, 4, Picture::ButtonFace, Compute{calc::computeTriangle}),
    backButton(5),
    solutionButton(6),
};
// clang-format on

}  // namespace

const ScreenTable& triangle() {
    static const ScreenTable table{
        .id = ScreenId::Triangle,
        .name = "frm2",
        .caption = "Находим площадь и гипотенузу треугольника",
        .clientWidth = kWideClient,
        .clientHeight = kClientHeight,
        .background = Picture::TriangleBackground,
        .hasIcon = false,
        .controls = kControls,
        .given = "a, b",
        .prompt = kComputePrompt,
        .figure = {Shape::RightTriangle,
                   "Чертёж: прямоугольный треугольник с катетами a, b и гипотенузой c"},
        .subject = "треугольник",
    };
    return table;
}

}  // namespace screens::tables
