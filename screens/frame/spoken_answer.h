#pragma once

#include <QString>

namespace screens {

class Screen;

// What a screen reader says after a compute, without the pupil moving: each result with what it
// is, «Длина окружности 15,7. Площадь круга 19,625.»
QString answerSentence(Screen& screen);

// Says it through the screen's announcer.
void sayAnswer(Screen& screen);

}  // namespace screens
