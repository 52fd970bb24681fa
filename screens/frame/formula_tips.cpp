#include "screens/frame/formula_tips.h"

#include <QLineEdit>

#include "screens/tables/formulas.h"
#include "screens/widgets/utf8.h"

namespace screens {

namespace {

void explain(QLineEdit& field, const std::string& text) {
    const QString shown = fromUtf8(text);
    field.setToolTip(shown);
    field.setAccessibleDescription(shown);
}

}  // namespace

void attachFormulas(ScreenId screen, ScreenFields& fields) {
    for (const ControlRow* result : resultFields(screen)) {
        QLineEdit* field = &fields.at(result->name);
        explain(*field, explanation(*result));
        QObject::connect(field, &QLineEdit::textEdited, field,
                         [field, result] { explain(*field, explanation(*result)); });
    }
}

void explainResults(ScreenId screen, ScreenFields& fields, const calc::Working& working) {
    for (const ControlRow* result : resultFields(screen))
        explain(fields.at(result->name), explanation(*result, &working));
}

}  // namespace screens
