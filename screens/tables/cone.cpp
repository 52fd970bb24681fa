// The cone: radius and height in, lateral and total surface out.
#include <array>

#include "screens/tables/screen_tables.h"
#include "screens/tables/shared.h"

namespace screens::tables {

namespace {

using assets::Picture;

// clang-format off
constexpr Formula kLateral{"Боковая поверхность: S = πrl, образующая l = √(r² + h²)",
    "l = √({r}² + {h}²) = {l}; S = {π} · {r} · {l} = {=}",
    "l = √(r² + h²) = √({r}² + {h}²) = √({r²} + {h²}) = √{r² + h²} = {l}\n"
    "Sбок = πrl ≈ {π} · {r} · {l} = {πr} · {l} = {S}", "Sбок"};
constexpr Formula kTotal{"Полная поверхность: S = πr(r + l), образующая l = √(r² + h²)",
    "l = √({r}² + {h}²) = {l}; S = {π} · {r} · ({r} + {l}) = {=}",
    "Sполн = πr(r + l) ≈ {π} · {r} · ({r} + {l}) = {πr} · {l + r} = {S}", "Sполн"};
// clang-format on

// One row a control (twips).
// clang-format off
constexpr std::array kControls{
    textBox("txt1", 4080, 1645, 1455, 285, 0, "радиус"),
    textBox("txt2", 4080, 2040, 1455, 285, 1, "высота"),
    button("cmd1", "вычислить", 5619, 2760, 1455, 375, 2, Picture::ButtonFace, Compute{calc::computeCone}),
    resultBox("txt3", 6240, 3960, 1455, 285, 3, "площадь боковой поверхности", kLateral),
    resultBox("txt4", 6240, 4320, 1455, 285, 4, "площадь полной поверхности", kTotal),
    backButton(5),
    solutionButton(6),
};
// clang-format on

}  // namespace

const ScreenTable& cone() {
    static const ScreenTable table{
        .id = ScreenId::Cone,
        .name = "frm5",
        .caption = "Находим полную и боковую поверхность конуса",
        .clientWidth = kNarrowClient,
        .clientHeight = kClientHeight,
        .background = Picture::ConeBackground,
        .hasIcon = false,
        .controls = kControls,
        .given = "r, h",
        .prompt = kComputePrompt,
        .figure = {Shape::Cone, "Чертёж: конус с радиусом основания r, высотой h и образующей l"},
        .subject = "конус",
    };
    return table;
}

}  // namespace screens::tables
