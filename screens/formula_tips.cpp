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

void explain(QLineEdit& field, const std::string& text) {
    const QString shown = fromUtf8(text);
    field.setToolTip(shown);
    field.setAccessibleDescription(shown);
}

void explainAll(Screen& screen, const calc::Working* working) {
    for (const ControlLayout* result : resultFields(screen.id()))
        explain(screen.fields().at(result->name), explanation(*result, working));
}

}  // namespace

void attachFormulas(Screen& screen) {
    for (const ControlLayout* result : resultFields(screen.id())) {
        QLineEdit* field = &screen.fields().at(result->name);
        explain(*field, explanation(*result));
        QObject::connect(field, &QLineEdit::textEdited, field,
                         [field, result] { explain(*field, explanation(*result)); });
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

}  // namespace screens
