#pragma once

#include "screens/layout.h"

// Each screen's table, one file each.
namespace screens::tables {

const ScreenLayout& mainMenu();
const ScreenLayout& triangle();
const ScreenLayout& circle();
const ScreenLayout& cylinder();
const ScreenLayout& cone();
const ScreenLayout& calculator();

// Shared by the five working screens: the same back button everywhere.
inline constexpr ControlLayout backButton(int tabIndex) {
    return button("cmd2", "Главное меню", 6840, 5400, 1335, 300, tabIndex,
                  assets::Picture::ButtonFace, Navigate{ScreenId::MainMenu});
}

// Client sizes in twips.
inline constexpr int kWideClient = 9000;
inline constexpr int kNarrowClient = 8970;
inline constexpr int kClientHeight = 5985;

}  // namespace screens::tables
