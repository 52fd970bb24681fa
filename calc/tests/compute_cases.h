#pragma once

#include <functional>
#include <optional>
#include <string>

#include "calc/calc.h"
#include "calc/tests/field_table.h"

// One click's worth of calculation over a plain table of field texts: the texts before, the
// texts expected after, the error expected to stop it (none when it completes) and the field that
// error is about (none for a fault in the arithmetic).
struct ComputeCase {
    const char* name;
    std::function<void(calc::FieldAccess&)> compute;
    calc::testing::Texts before;
    calc::testing::Texts after;
    std::optional<calc::Error> error = std::nullopt;
    const char* field = "";
};

inline void runCase(const ComputeCase& c) {
    calc::testing::FieldTable fields(c.before);
    std::optional<calc::Error> error;
    std::string field;
    try {
        c.compute(fields);
    } catch (const calc::RuntimeError& e) {
        error = e.code();
        field = e.field();
    }
    EXPECT_EQ(error, c.error) << c.name;
    EXPECT_EQ(field, c.field) << c.name;
    EXPECT_EQ(fields.texts(), c.after) << c.name;
}
