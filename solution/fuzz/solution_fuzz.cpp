// Feeds arbitrary pairs of texts to the five calculations and reads every solution line by
// line: a crash, a sanitizer report or a line not true as written is a finding.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calc.h"
#include "calc/tests/field_table.h"
#include "solution/tests/generic_solution.h"
#include "solution/tests/line_checker.h"
#include "solution/tests/notebook_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::size_t bar = rest.find('|');
    std::string a(rest.substr(0, bar));
    std::string b(bar == std::string_view::npos ? "" : rest.substr(bar + 1));
    calc::setDecimalSeparator((data[0] & 0x80) != 0 ? ',' : '.');
    calc::testing::FieldTable table(calc::testing::typedEverywhere(a, b));
    calc::WorkedFields worked(table);
    try {
        switch (data[0] % 8) {
            case 0:
                calc::computeTriangle(worked);
                break;
            case 1:
                calc::computeCircle(worked);
                break;
            case 2:
                calc::computeCylinder(worked);
                break;
            case 3:
                calc::computeCone(worked);
                break;
            default:
                calc::computeRows(worked, static_cast<calc::RowOp>(data[0] % 4));
                break;
        }
    } catch (const calc::RuntimeError&) {
    }
    std::string text = solution::testing::genericSolution(*worked.working());
    solution::testing::Exceptions seen;
    std::vector<std::string> findings = solution::testing::falseLines(text);
    for (std::string& line : solution::testing::brokenRules(text, *worked.working(), seen))
        findings.push_back(std::move(line));
    if (findings.empty()) return 0;
    std::fprintf(stderr, "%s\n---\n%s\n", findings.front().c_str(), text.c_str());
    __builtin_trap();
    return 0;
}
