#pragma once

#include <string>
#include <vector>

#include "calc/calc.h"
#include "calc/tests/field_table.h"

// A table of field texts that remembers every access, in order ("read txt1", "write txt3").
class RecordingFields : public calc::testing::FieldTable {
  public:
    using calc::testing::FieldTable::FieldTable;

    std::string text(std::string_view name) override {
        calls_.push_back("read " + std::string(name));
        return FieldTable::text(name);
    }
    void setText(std::string_view name, std::string_view text) override {
        calls_.push_back("write " + std::string(name));
        FieldTable::setText(name, text);
    }
    const std::vector<std::string>& calls() const { return calls_; }

  private:
    std::vector<std::string> calls_;
};
