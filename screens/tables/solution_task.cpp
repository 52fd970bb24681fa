#include "screens/tables/solution_task.h"

#include "screens/tables/formulas.h"

namespace screens {

solution::Task solutionTask(const ScreenTable& table) {
    solution::Task task;
    for (const ControlRow* field : resultFields(table.id))
        task.results.push_back({field->name, field->formula});
    task.given = table.given;
    task.prompt = table.prompt;
    return task;
}

}  // namespace screens
