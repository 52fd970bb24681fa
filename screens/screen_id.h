#pragma once

#include <array>
#include <string_view>

namespace screens {

// The six screens, in the order the program declares them; frm1 is the main menu.
enum class ScreenId { frm1, frm2, frm3, frm4, frm5, frm6 };

inline constexpr std::array kAllScreens{ScreenId::frm1, ScreenId::frm2, ScreenId::frm3,
                                        ScreenId::frm4, ScreenId::frm5, ScreenId::frm6};

std::string_view nameOf(ScreenId id);

}  // namespace screens
