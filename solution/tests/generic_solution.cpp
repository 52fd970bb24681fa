#include "generic_solution.h"

#include <deque>
#include <string_view>

#include "solution/solution_text.h"

namespace solution::testing {

namespace {

// Every step shown on a line of its own: "{a} · {b} = {ab}", as the screens' formulas name them.
struct GenericFormulas {
    std::deque<std::string> texts;
    std::deque<Formula> formulas;
    Task task;

    std::string_view keep(std::string text) { return texts.emplace_back(std::move(text)); }

    explicit GenericFormulas(const calc::Working& working) {
        static constexpr std::string_view kSigns[] = {" + ", " − ", " · ", " : ", "√"};
        for (const calc::WorkedResult& result : working.results) {
            std::string steps;
            for (const calc::Step& step : result.steps) {
                auto named = [](std::string_view name) {
                    return std::string("{").append(name).append("}");
                };
                std::string_view sign = kSigns[static_cast<int>(step.op)];
                if (!steps.empty()) steps.append("\n");
                if (step.op == calc::StepOp::SquareRoot)
                    steps.append(sign).append(named(step.a.name));
                else
                    steps.append(named(step.a.name)).append(sign).append(named(step.b.name));
                steps.append(" = ").append(named(step.label));
            }
            int base = result.field.ends_with("Oct") ? 8 : result.field.ends_with("Hex") ? 16 : 10;
            std::string_view answer = working.op ? "{a} {op} {b}" : "x";
            formulas.push_back({"", "", keep(steps), answer, base});
            task.results.push_back({result.field, &formulas.back()});
        }
    }
};

}  // namespace

std::string genericSolution(const calc::Working& working) {
    GenericFormulas formulas(working);
    return solutionText(formulas.task, &working);
}

}  // namespace solution::testing
