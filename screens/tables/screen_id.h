#pragma once

#include <array>

namespace screens {

// The six screens, in the order the program declares them; the first is the main menu.
enum class ScreenId { MainMenu, Triangle, Circle, Cylinder, Cone, Calculator };

inline constexpr std::array kAllScreens{ScreenId::MainMenu, ScreenId::Triangle,
                                        ScreenId::Circle,   ScreenId::Cylinder,
                                        ScreenId::Cone,     ScreenId::Calculator};

}  // namespace screens
