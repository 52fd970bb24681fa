// Thousands of random computes, each solution read line by line with exact numbers of the
// test's own: every line true as written.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>
#include <random>
#include <string>

#include "calc/calc.h"
#include "line_checker.h"
#include "solution/solution_text.h"

namespace solution {
namespace {

using Compute = std::function<void(calc::FieldAccess&)>;

// A pupil's number: whole, up to 6 decimals, negative, tiny or huge, or no number at all.
std::string randomInput(std::mt19937_64& random) {
    std::uniform_int_distribution<int> kind(0, 9), digits(0, 999999), exponent(-300, 300);
    std::string sign = random() % 4 == 0 ? "-" : "";
    switch (kind(random)) {
        case 0:
            return sign + std::to_string(digits(random));
        case 1:
            return sign + std::to_string(digits(random) % 1000) + "," +
                   std::to_string(digits(random));
        case 2:
            return sign + std::to_string(digits(random) % 100) + "," +
                   std::to_string(digits(random) % 1000);
        case 3:
            return sign + "0," + std::to_string(digits(random) % 100);
        case 4:
            return sign + std::to_string(1 + digits(random) % 9) + "e" +
                   std::to_string(exponent(random));
        case 5:
            return "0";
        case 6:
            return random() % 2 ? "abc" : "";
        default:
            return std::to_string(digits(random) % 50) + "," + std::to_string(digits(random) % 10);
    }
}

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
                std::string sign(kSigns[static_cast<int>(step.op)]);
                std::string a = "{" + std::string(step.a.name) + "}";
                std::string line = step.op == calc::StepOp::SquareRoot
                                       ? sign + a
                                       : a + sign + "{" + std::string(step.b.name) + "}";
                steps +=
                    (steps.empty() ? "" : "\n") + line + " = {" + std::string(step.label) + "}";
            }
            int base = result.field.ends_with("Oct") ? 8 : result.field.ends_with("Hex") ? 16 : 10;
            formulas.push_back({"", "", keep(steps), keep("{a} {op} {b}"), base});
            task.results.push_back({result.field, &formulas.back()});
        }
    }
};

std::string fieldsDescribed(const calc::FieldTable::Texts& texts) {
    std::string text;
    for (const auto& [name, value] : texts) text += name + "=" + value + " ";
    return text;
}

TEST(EveryLineTrue, ThousandsOfRandomComputes) {
    std::mt19937_64 random(21);
    const Compute computes[] = {calc::computeTriangle,
                                calc::computeCircle,
                                calc::computeCylinder,
                                calc::computeCone,
                                calc::computeRowsWith<calc::RowOp::Add>,
                                calc::computeRowsWith<calc::RowOp::Subtract>,
                                calc::computeRowsWith<calc::RowOp::Multiply>,
                                calc::computeRowsWith<calc::RowOp::Divide>};
    int solutions = 0;
    for (char separator : {',', '.'}) {
        calc::setDecimalSeparator(separator);
        for (int i = 0; i < 1500; ++i) {
            std::string a = randomInput(random), b = randomInput(random);
            calc::FieldTable::Texts texts{{"txt1", a}, {"txt2", b}, {"txt3", ""}, {"txt4", ""}};
            for (std::string row : {"Dec", "Oct", "Hex"}) {
                texts["txt1" + row] = a;
                texts["txt2" + row] = b;
                texts["txt3" + row] = "";
            }
            calc::FieldTable table(texts);
            calc::WorkedFields worked(table);
            try {
                worked.run(computes[i % std::size(computes)]);
            } catch (const calc::RuntimeError&) {
            }
            GenericFormulas formulas(*worked.working());
            std::string text = solutionText(formulas.task, worked.working());
            for (const std::string& line : testing::falseLines(text))
                ADD_FAILURE() << line << "\nin\n" << text << "\nfrom " << fieldsDescribed(texts);
            ++solutions;
        }
    }
    calc::setDecimalSeparator('.');
    EXPECT_EQ(solutions, 3000);
}

}  // namespace
}  // namespace solution
