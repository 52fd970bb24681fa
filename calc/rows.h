#pragma once

#include "field_access.h"

namespace calc {

enum class RowOp { Add, Subtract, Multiply, Divide };

// Applies `op` to the decimal, octal and hexadecimal rows in turn (txt1Dec op txt2Dec ->
// txt3Dec, and so on), writing each result in its row's number system.
void computeRows(FieldAccess& fields, RowOp op);

}  // namespace calc
