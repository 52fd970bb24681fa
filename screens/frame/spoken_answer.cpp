#include "screens/frame/spoken_answer.h"

#include <QLineEdit>
#include <QStringList>

#include "screens/frame/screen.h"
#include "screens/tables/formulas.h"
#include "screens/widgets/utf8.h"

namespace screens {

namespace {

// What a result is: its formula's words before the letters, «Длина окружности».
QString titleOf(const Formula& formula) {
    const std::string_view general = formula.general;
    return fromUtf8(general.substr(0, general.find(':')));
}

// What a screen reader says after a compute, without the pupil moving: each result with what it
// is, «Длина окружности 15,7. Площадь круга 19,625.»
QString answerSentence(Screen& screen) {
    QStringList said;
    for (const ControlRow* result : resultFields(screen.id())) {
        const QString value = screen.fields().at(result->name).text();
        if (!value.isEmpty()) said << titleOf(*result->formula) + u' ' + value + u'.';
    }
    return said.join(u' ');
}

}  // namespace

void sayAnswer(Screen& screen) {
    screen.announcer().announce(answerSentence(screen));
}

}  // namespace screens
