// The main menu: five "Открыть" buttons beside the painted menu items.
#include <array>
#include <string>

#include "screens/screen_tables.h"

namespace screens::tables {

namespace {

using assets::Picture;

constexpr int kBlanksBeforeVersion = 138;

// One row a control, as the layout gives them (twips). The buttons all read "Открыть"; their
// accessible names say which painted menu item each opens.
// clang-format off
constexpr std::array kControls{
    button("cmd1", "Открыть", 7560, 1320, 855, 375, 0, Picture::ButtonFace, Navigate{ScreenId::frm2}, "Открыть: площадь и гипотенуза треугольника"),
    button("cmd2", "Открыть", 7560, 1800, 855, 375, 1, Picture::ButtonFace, Navigate{ScreenId::frm3}, "Открыть: площадь и длина окружности"),
    button("cmd3", "Открыть", 7560, 2280, 855, 375, 2, Picture::ButtonFace, Navigate{ScreenId::frm4}, "Открыть: площадь полной и боковой поверхности цилиндра"),
    button("cmd4", "Открыть", 7560, 3000, 855, 375, 3, Picture::ButtonFace, Navigate{ScreenId::frm5}, "Открыть: площадь полной и боковой поверхности конуса"),
    button("cmd6", "Открыть", 7560, 3600, 855, 375, 4, Picture::ButtonFace, Navigate{ScreenId::frm6}, "Открыть: калькулятор"),
};
// clang-format on

}  // namespace

const ScreenLayout& frm1() {
    static const std::string caption =
        std::string(kProductName) + std::string(kBlanksBeforeVersion, ' ') + "ver 1.1";
    static const ScreenLayout layout{ScreenId::frm1,          caption, kWideClient, kClientHeight,
                                     Picture::MenuBackground, true,    kControls};
    return layout;
}

}  // namespace screens::tables
