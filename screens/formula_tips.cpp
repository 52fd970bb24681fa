#include "screens/formula_tips.h"

#include <QLineEdit>

#include "calc/working.h"
#include "screens/error_field.h"
#include "screens/formulas.h"
#include "screens/screen.h"
#include "screens/solution_window.h"
#include "screens/utf8.h"

namespace screens {

namespace {

QLineEdit* fieldOf(Screen& screen, const Formula& formula) {
    return screen.fields().find(formula.field);
}

void explain(QLineEdit& field, const std::string& text) {
    const QString shown = fromUtf8(text);
    field.setToolTip(shown);
    field.setAccessibleDescription(shown);
}

void explainAll(Screen& screen, const calc::Working* working) {
    for (const Formula* formula : formulasOf(screen.id())) {
        if (QLineEdit* field = fieldOf(screen, *formula))
            explain(*field, explanation(*formula, working));
    }
}

}  // namespace

void attachFormulas(Screen& screen) {
    for (const Formula* formula : formulasOf(screen.id())) {
        QLineEdit* field = fieldOf(screen, *formula);
        if (!field) continue;
        explain(*field, explanation(*formula));
        QObject::connect(field, &QLineEdit::textEdited, field,
                         [field, formula] { explain(*field, explanation(*formula)); });
    }
}

void runExplained(Screen& screen, const std::function<void(calc::FieldAccess&)>& compute) {
    calc::WorkedFields fields(screen.fields());
    const auto explainWorking = [&] {
        explainAll(screen, fields.working());
        showWorking(screen, *fields.working());
    };
    try {
        fields.run(compute);
    } catch (const calc::RuntimeError& error) {  // explained on its way to the click that shows it
        fields.working()->faultMessage = messageOnScreen(screen, error);  // as the box words it
        explainWorking();
        throw;
    } catch (...) {
        explainWorking();
        throw;
    }
    explainWorking();
}

void runExplained(Screen& screen, calc::RowOp op) {
    runExplained(screen, [op](calc::FieldAccess& fields) { calc::computeRows(fields, op); });
}

}  // namespace screens
