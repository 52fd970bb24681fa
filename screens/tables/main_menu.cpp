// The main menu: five "Открыть" buttons beside the painted menu items.
#include <array>

#include "product.h"
#include "screens/tables/screen_tables.h"
#include "screens/tables/shared.h"

namespace screens::tables {

namespace {

using assets::Picture;

// One row a control (twips). The buttons all read "Открыть"; their
// accessible names say which painted menu item each opens.
// clang-format off
constexpr std::array kControls{
    button("cmd1", "Открыть", 7560, 1320, 855, 375, 0, Picture::ButtonFace, Navigate{ScreenId::Triangle}, "Открыть: площадь и гипотенуза треугольника"),
    button("cmd2", "Открыть", 7560, 1800, 855, 375, 1, Picture::ButtonFace, Navigate{ScreenId::Circle}, "Открыть: площадь и длина окружности"),
    button("cmd3", "Открыть", 7560, 2280, 855, 375, 2, Picture::ButtonFace, Navigate{ScreenId::Cylinder}, "Открыть: площадь полной и боковой поверхности цилиндра"),
    button("cmd4", "Открыть", 7560, 3000, 855, 375, 3, Picture::ButtonFace, Navigate{ScreenId::Cone}, "Открыть: площадь полной и боковой поверхности конуса"),
    button("cmd6", "Открыть", 7560, 3600, 855, 375, 4, Picture::ButtonFace, Navigate{ScreenId::Calculator}, "Открыть: калькулятор"),
};
// clang-format on

}  // namespace

const ScreenTable& mainMenu() {
    static const ScreenTable table{
        .id = ScreenId::MainMenu,
        .name = "frm1",
        .caption = product::kMainMenuCaption,
        .clientWidth = kWideClient,
        .clientHeight = kClientHeight,
        .background = Picture::MenuBackground,
        .hasIcon = true,
        .controls = kControls,
    };
    return table;
}

}  // namespace screens::tables
