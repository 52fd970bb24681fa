#pragma once

#include <chrono>

// Sizes for a finger on a touch screen, after Microsoft's guidance for touch targets, in pixels at
// the 96 to the inch that Qt's device-independent pixels stand for (and that `--scale` enlarges).
namespace screens::finger {

constexpr int pixelsOf(double millimetres) {
    constexpr double kPixelsPerMillimetre = 96 / 25.4;
    return static_cast<int>(millimetres * kPixelsPerMillimetre + 0.5);
}

// A target a finger hits without aiming: 9 mm square or larger.
inline constexpr int kTarget = pixelsOf(9);
// A finger that has moved less than this is still where it came down: a tap or a hold, not a drag.
inline constexpr int kSlop = pixelsOf(2.7);
// Held still this long, a finger asks for what hover and the right button give a mouse.
inline constexpr std::chrono::milliseconds kHold{500};

}  // namespace screens::finger
