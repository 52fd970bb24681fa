// The circle: radius in, circumference and area out.
#include <array>

#include "screens/screen_tables.h"

namespace screens::tables {

namespace {

using assets::Picture;

// One row a control, as the layout gives them (twips).
// clang-format off
constexpr std::array kControls{
    textBox("txt1", 4080, 1960, 1695, 285, 0, "радиус"),
    button("cmd1", "вычислить", 5620, 2760, 1455, 375, 1, Picture::ButtonFace, Compute{calc::computeCircle}),
    textBox("txt2", 4560, 3960, 1455, 285, 2, "длина"),
    textBox("txt3", 4560, 4320, 1455, 285, 3, "площадь"),
    backButton(4),
};
// clang-format on

}  // namespace

const ScreenLayout& circle() {
    static const ScreenLayout layout{ScreenId::Circle,
                                     "Находим площадь и длинну окружности",
                                     kWideClient,
                                     kClientHeight,
                                     Picture::CircleBackground,
                                     false,
                                     kControls};
    return layout;
}

}  // namespace screens::tables
