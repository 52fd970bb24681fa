// Times building the solution's text for the inputs that make it longest: the largest and the
// smallest numbers in every row of the calculator, a quotient whose period is long, and a
// triangle whose squares are too small for the computer, a long quotient, and geometry whose
// roundings take the longest to find. Prints the median of many builds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "calc/calc.h"
#include "calc/tests/field_table.h"
#include "screens/tables/screen_tables.h"
#include "screens/tables/solution_task.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 21;

struct Input {
    const char* name;
    screens::ScreenId screen;
    void (*compute)(calc::FieldAccess&);
    const char* left;
    const char* right;
};

}  // namespace

int main() {
    using calc::RowOp;
    using screens::ScreenId;
    const Input inputs[] = {
        {"1e308 + 0, every row", ScreenId::Calculator, calc::computeRowsWith<RowOp::Add>, "1e308",
         "0"},
        {"1 : 7e-300, every row", ScreenId::Calculator, calc::computeRowsWith<RowOp::Divide>, "1",
         "7e-300"},
        {"1 : 9,973 (period of 9972 digits)", ScreenId::Calculator,
         calc::computeRowsWith<RowOp::Divide>, "1", "9,973"},
        {"1e-300 : 7, every row", ScreenId::Calculator, calc::computeRowsWith<RowOp::Divide>,
         "1e-300", "7"},
        {"triangle, legs 1e-200", ScreenId::Triangle, calc::computeTriangle, "1e-200", "1e-200"},
        {"(-564,468) : (-0,97…), every row", ScreenId::Calculator,
         calc::computeRowsWith<RowOp::Divide>, "-564,468", "-0,978177593338024"},
        {"cone 999999,9999 and 0,0001", ScreenId::Cone, calc::computeCone, "999999,9999", "0,0001"},
        {"cylinder 123456,789 and 9876,5432", ScreenId::Cylinder, calc::computeCylinder,
         "123456,789", "9876,5432"},
    };
    calc::setDecimalSeparator(',');
    std::printf("%-36s %10s %10s %8s\n", "input", "median ms", "worst ms", "chars");
    for (const Input& input : inputs) {
        calc::testing::FieldTable table(calc::testing::typedEverywhere(input.left, input.right));
        calc::WorkedFields worked(table);
        try {
            worked.run(input.compute);
        } catch (const calc::RuntimeError&) {
        }
        const solution::Task task = screens::solutionTask(screens::tableOf(input.screen));
        std::vector<double> times;
        std::size_t size = 0;
        for (int run = 0; run < kRuns; ++run) {
            Clock::time_point start = Clock::now();
            size = solution::solutionText(task, worked.working()).size();
            times.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        std::sort(times.begin(), times.end());
        std::printf("%-36s %10.2f %10.2f %8zu\n", input.name, times[kRuns / 2], times.back(), size);
    }
    return 0;
}
