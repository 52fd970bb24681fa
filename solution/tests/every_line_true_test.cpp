// Thousands of random computes, each solution read line by line with exact numbers of the
// test's own: every line true as written, and as a pupil can copy it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "calc/calc.h"
#include "calc/tests/field_table.h"
#include "generic_solution.h"
#include "line_checker.h"
#include "notebook_rules.h"

namespace solution {
namespace {

using Compute = std::function<void(calc::FieldAccess&)>;

// A pupil's number: whole, up to 6 decimals, negative, tiny or huge, or no number at all.
std::string randomInput(std::mt19937_64& random) {
    std::uniform_int_distribution<int> kind(0, 11), digits(0, 999999), exponent(-300, 300);
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
        case 7:
        case 8:  // as pupils type them: up to 4 decimals
            return sign + std::to_string(digits(random) % 1000) + "," +
                   std::to_string(digits(random) % 10000);
        default:
            return std::to_string(digits(random) % 50) + "," + std::to_string(digits(random) % 10);
    }
}

std::string fieldsDescribed(const calc::testing::Texts& texts) {
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
    std::size_t lines = 0;
    testing::Exceptions exceptions;
    for (char separator : {',', '.'}) {
        calc::setDecimalSeparator(separator);
        for (int i = 0; i < 1500; ++i) {
            std::string a = randomInput(random), b = randomInput(random);
            const calc::testing::Texts texts = calc::testing::typedEverywhere(a, b);
            calc::testing::FieldTable table(texts);
            calc::WorkedFields worked(table);
            try {
                worked.run(computes[i % std::size(computes)]);
            } catch (const calc::RuntimeError&) {
            }
            std::string text = testing::genericSolution(*worked.working());
            for (const std::string& line : testing::falseLines(text))
                ADD_FAILURE() << line << "\nin\n" << text << "\nfrom " << fieldsDescribed(texts);
            for (const std::string& line :
                 testing::brokenRules(text, *worked.working(), exceptions))
                ADD_FAILURE() << line << "\nin\n" << text << "\nfrom " << fieldsDescribed(texts);
            lines += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
            // The window never contradicts a field silently: each field's number is in it.
            std::string unspaced = testing::readable(text);
            std::erase(unspaced, ' ');
            for (const calc::WorkedResult& result : worked.working()->results)
                EXPECT_NE(unspaced.find(result.text), std::string::npos)
                    << result.field << " = " << result.text << " not in\n"
                    << text;
            ++solutions;
        }
    }
    calc::setDecimalSeparator('.');
    EXPECT_EQ(solutions, 3000);
    std::printf(
        "%d computes, %zu lines checked, %zu numbers: %zu rounded past 8 digits to reach "
        "the field's answer; %zu decimal answers: %zu not the field's, a note says why\n",
        solutions, lines, exceptions.numbers, exceptions.longRounded, exceptions.answers,
        exceptions.otherAnswers);
}

}  // namespace
}  // namespace solution
