#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "field_access.h"
#include "rows.h"

namespace calc {

// A number a compute read or worked out, by the name its formula gives it ("r", "l").
struct UsedValue {
    std::string_view name;
    double value;
};

// How one result came about: the numbers it was computed from and the text its field was given.
struct WorkedResult {
    std::string field;
    std::vector<UsedValue> values;
    std::string text;
};

// What one compute wrote, result by result. A result it did not write (it stopped at an error
// first) has no entry.
struct Working {
    std::optional<RowOp> op;  // the calculator's operation
    std::vector<WorkedResult> results;

    const WorkedResult* find(std::string_view field) const;
};

// A screen's fields seen through one compute that keeps its working.
class WorkedFields : public FieldAccess {
  public:
    explicit WorkedFields(FieldAccess& fields) : fields_(fields) {}

    std::string text(std::string_view name) override { return fields_.text(name); }
    void setText(std::string_view name, std::string_view text) override {
        fields_.setText(name, text);
    }
    Working* working() override { return &working_; }

  private:
    FieldAccess& fields_;
    Working working_;
};

}  // namespace calc
