#include "screens/formulas.h"

#include "screens/screen_tables.h"
#include "solution/solution_text.h"

namespace screens {

namespace {

constexpr std::string_view kComputePrompt = "Ваши числа появятся здесь после нажатия «вычислить».";
constexpr std::string_view kOperatorPrompt =
    "Ваши числа появятся здесь после нажатия кнопки действия: +, −, ·, :.";

}  // namespace

std::vector<const ControlLayout*> resultFields(ScreenId screen) {
    std::vector<const ControlLayout*> found;
    for (const ControlLayout& control : layoutOf(screen).controls) {
        if (control.formula) found.push_back(&control);
    }
    return found;
}

std::string explanation(const ControlLayout& result, const calc::Working* working) {
    std::string text = solution::generalOf(*result.formula);
    const calc::WorkedResult* worked = working ? working->find(result.name) : nullptr;
    if (worked) text.append("\n").append(solution::workedLine(*result.formula, *working, *worked));
    return text.append("\n").append(tables::kSolutionKey);
}

std::string_view promptOf(ScreenId screen) {
    return screen == ScreenId::Calculator ? kOperatorPrompt : kComputePrompt;
}

}  // namespace screens
