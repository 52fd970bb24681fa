#pragma once

#include <string_view>

#include "screens/tables/screen_table.h"

// What the screens' tables share: rows, texts and sizes.
namespace screens::tables {

// Shared by the five working screens: the same back button everywhere.
inline constexpr ControlRow backButton(int tabIndex) {
    return button("cmd2", "Главное меню", 6840, 5400, 1335, 300, tabIndex,
                  assets::Picture::ButtonFace, Navigate{ScreenId::MainMenu});
}

// The key that opens a working screen's solution, as its tooltips name it.
inline constexpr std::string_view kSolutionKey = "F1 — решение по шагам";

// Shared by the five working screens: the solution within a finger's reach, left of the back
// button, where no screen paints a word.
inline constexpr ControlRow solutionButton(int tabIndex) {
    ControlRow opener = button("cmdSolution", "Решение", 5400, 5400, 1335, 300, tabIndex,
                               assets::Picture::ButtonFace, OpenSolution{}, "Решение по шагам");
    opener.toolTip = kSolutionKey;
    return opener;
}

// Where the pupil's numbers appear, before a screen's first compute.
inline constexpr std::string_view kComputePrompt =
    "Ваши числа появятся здесь после нажатия «вычислить».";
inline constexpr std::string_view kOperatorPrompt =
    "Ваши числа появятся здесь после нажатия кнопки действия: +, −, ·, :.";

// Client sizes in twips.
inline constexpr int kWideClient = 9000;
inline constexpr int kNarrowClient = 8970;
inline constexpr int kClientHeight = 5985;

}  // namespace screens::tables
