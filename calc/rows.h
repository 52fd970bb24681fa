#pragma once

#include <string_view>

#include "field_access.h"

namespace calc {

enum class RowOp { Add, Subtract, Multiply, Divide };

// The operation's sign, as its step's (working.h).
std::string_view signOf(RowOp op);

// Applies `op` to the decimal, octal and hexadecimal rows in turn (txt1Dec op txt2Dec ->
// txt3Dec, and so on), writing each result in its row's number system.
void computeRows(FieldAccess& fields, RowOp op);

// The same with the operation fixed: a compute like any other, for a button's table row.
template <RowOp op>
void computeRowsWith(FieldAccess& fields) {
    computeRows(fields, op);
}

}  // namespace calc
