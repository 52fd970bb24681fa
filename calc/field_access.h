#pragma once

#include <string>
#include <string_view>

namespace calc {

struct Working;

// The calculations' view of one screen's text fields, by field name ("txt1", "txt3Dec").
// Texts are UTF-8. A name the screen does not have raises RuntimeError (UnknownField).
class FieldAccess {
  public:
    virtual ~FieldAccess() = default;
    virtual std::string text(std::string_view name) = 0;
    virtual void setText(std::string_view name, std::string_view text) = 0;
    // Where a compute records what each result it writes was worked from; most keep no record.
    virtual Working* working() { return nullptr; }
    // The name a message gives the field, as the screen shows it («радиус»); none by default.
    virtual std::string caption(std::string_view /*name*/) const { return {}; }
};

}  // namespace calc
