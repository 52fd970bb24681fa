// The cylinder: radius and height in, lateral and total surface out.
#include <array>

#include "screens/tables/screen_tables.h"
#include "screens/tables/shared.h"

namespace screens::tables {

namespace {

using assets::Picture;

// clang-format off
constexpr Formula kLateral{"Боковая поверхность: S = 2πrh", "S = 2 · {π} · {r} · {h} = {=}",
    "Sбок = 2πrh ≈ 2 · {π} · {r} · {h} = {2πr} · {h} = {S}", "Sбок"};
constexpr Formula kTotal{"Полная поверхность: S = 2πr(r + h)",
    "S = 2 · {π} · {r} · ({r} + {h}) = {=}",
    "Sполн = 2πr(r + h) ≈ {2π} · {r} · ({r} + {h}) = {2πr} · {r + h} = {S}", "Sполн"};
// clang-format on

// One row a control (twips).
// clang-format off
constexpr std::array kControls{
    textBox("txt1", 4080, 1645, 1455, 285, 0, "радиус"),
    textBox("txt2", 4080, 2090, 1455, 285, 1, "высота"),
    button("cmd1", "вычислить", 5619, 2750, 1455, 375, 2, Picture::ButtonFace, Compute{calc::computeCylinder}),
    resultBox("txt3", 6240, 3930, 1455, 285, 3, "площадь боковой поверхности", kLateral),
    resultBox("txt4", 6240, 4290, 1455, 285, 4, "площадь полной поверхности", kTotal),
    backButton(5),
    solutionButton(6),
};
// clang-format on

}  // namespace

const ScreenTable& cylinder() {
    static const ScreenTable table{
        .id = ScreenId::Cylinder,
        .name = "frm4",
        .caption = "Находим площадь боковой и полной поверхности цилиндра",
        .clientWidth = kWideClient,
        .clientHeight = kClientHeight,
        .background = Picture::CylinderBackground,
        .hasIcon = false,
        .controls = kControls,
        .given = "r, h",
        .prompt = kComputePrompt,
        .figure = {Shape::Cylinder, "Чертёж: цилиндр с радиусом основания r и высотой h"},
        .subject = "цилиндр",
    };
    return table;
}

}  // namespace screens::tables
