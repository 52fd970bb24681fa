#include "screens/tables/formulas.h"

#include "screens/tables/screen_tables.h"
#include "screens/tables/shared.h"
#include "solution/solution_text.h"

namespace screens {

std::vector<const ControlRow*> resultFields(ScreenId screen) {
    std::vector<const ControlRow*> found;
    for (const ControlRow& control : tableOf(screen).controls) {
        if (control.formula) found.push_back(&control);
    }
    return found;
}

std::string explanation(const ControlRow& result, const calc::Working* working) {
    std::string text = solution::generalOf(*result.formula);
    const calc::WorkedResult* worked = working ? working->find(result.name) : nullptr;
    if (worked) text.append("\n").append(solution::workedLine(*result.formula, *working, *worked));
    return text.append("\n").append(tables::kSolutionKey);
}

}  // namespace screens
