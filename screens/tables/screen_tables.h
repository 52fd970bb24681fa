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

// The key that opens a working screen's solution, as its tooltips name it.
inline constexpr std::string_view kSolutionKey = "F1 — решение по шагам";

// Shared by the five working screens: the solution within a finger's reach, left of the back
// button, where no screen paints a word.
inline constexpr ControlLayout solutionButton(int tabIndex) {
    ControlLayout opener = button("cmdSolution", "Решение", 5400, 5400, 1335, 300, tabIndex,
                                  assets::Picture::ButtonFace, OpenSolution{}, "Решение по шагам");
    opener.toolTip = kSolutionKey;
    return opener;
}

// Client sizes in twips.
inline constexpr int kWideClient = 9000;
inline constexpr int kNarrowClient = 8970;
inline constexpr int kClientHeight = 5985;

}  // namespace screens::tables
