#pragma once

#include <QString>

namespace screens {

class Screen;

// Says through the screen's announcer what a screen reader says after a compute, without the
// pupil moving: each result with what it is, «Длина окружности 15,7. Площадь круга 19,625.»
void sayAnswer(Screen& screen);

}  // namespace screens
