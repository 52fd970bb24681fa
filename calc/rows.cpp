#include "rows.h"

#include <array>

#include "calc/detail/calculation.h"
#include "conversions.h"
#include "positional_text.h"
#include "working.h"

namespace calc {

namespace {

struct Row {
    std::string_view left;
    std::string_view right;
    std::string_view result;
    std::string (*text)(double);
    Detail where;  // for messages
};

std::string decimalText(double value) {
    return textOf(value);
}

// Computed in this order; each row reads its own operands and writes its own result.
const std::array<Row, 3> kRows{{
    {"txt1Dec", "txt2Dec", "txt3Dec", decimalText, Detail::DecimalRow},
    {"txt1Oct", "txt2Oct", "txt3Oct", octalText, Detail::OctalRow},
    {"txt1Hex", "txt2Hex", "txt3Hex", hexText, Detail::HexRow},
}};

// The result is labelled "x": "{x}" in a row's formula.
double apply(detail::Calculation& calc, RowOp op, UsedValue a, UsedValue b) {
    switch (op) {
        case RowOp::Add:
            return calc.add(a, b, "x").value;
        case RowOp::Subtract:
            return calc.subtract(a, b, "x").value;
        case RowOp::Multiply:
            return calc.multiply(a, b, "x").value;
        case RowOp::Divide:
            return calc.divide(a, b, "x").value;
    }
    return 0.0;
}

}  // namespace

std::string_view signOf(RowOp op) {
    static constexpr std::array<StepOp, 4> kSteps{StepOp::Add, StepOp::Subtract, StepOp::Multiply,
                                                  StepOp::Divide};  // as RowOp
    return signOf(kSteps.at(static_cast<std::size_t>(op)));
}

void computeRows(FieldAccess& fields, RowOp op) {
    detail::Calculation calc(fields);
    if (Working* working = fields.working()) working->op = op;
    for (const Row& row : kRows) {
        UsedValue b{"b", valueOf(calc.read(row.right))};
        UsedValue a{"a", valueOf(calc.read(row.left))};
        double x = apply(calc, op, a, b);
        calc.raiseRecordedFault(row.where);
        calc.write(row.result, row.text(x), {a, b});
    }
}

}  // namespace calc
