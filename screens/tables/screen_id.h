#pragma once

#include <array>
#include <string_view>

namespace screens {

// The six screens, in the order the program declares them; the first is the main menu.
enum class ScreenId { MainMenu, Triangle, Circle, Cylinder, Cone, Calculator };

inline constexpr std::array kAllScreens{ScreenId::MainMenu, ScreenId::Triangle,
                                        ScreenId::Circle,   ScreenId::Cylinder,
                                        ScreenId::Cone,     ScreenId::Calculator};

struct ScreenLayout;

// The form name ("frm1") and the table of a screen.
std::string_view nameOf(ScreenId id);
const ScreenLayout& layoutOf(ScreenId id);

}  // namespace screens
