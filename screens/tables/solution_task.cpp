#include "screens/solution_text.h"

#include "screens/formulas.h"
#include "solution/solution_text.h"

namespace screens {

std::string solutionText(ScreenId screen, const calc::Working* working) {
    solution::Task task;
    for (const ControlLayout* field : resultFields(screen))
        task.results.push_back({field->name, field->formula});
    task.given = layoutOf(screen).given;
    task.prompt = promptOf(screen);
    return solution::solutionText(task, working);
}

}  // namespace screens
