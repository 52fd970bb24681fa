#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

// Error numbers. Their Russian texts live in one table, in messages.cpp.
namespace errors {
inline constexpr int InvalidOperation = 5;
inline constexpr int Overflow = 6;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int UnknownField = 438;
}  // namespace errors

// The one error type of the program: a number and a short Russian message a pupil understands.
class RuntimeError : public std::runtime_error {
  public:
    // The message is the table's text for `number`, followed by `detail` when there is one.
    explicit RuntimeError(int number, std::string_view detail = {});

    int number() const { return number_; }

  private:
    int number_;
};

// Raised by every FieldAccess for a field name its screen does not have.
[[noreturn]] void raiseUnknownField(std::string_view name);

// The table's text for an error number ("Переполнение." for Overflow).
std::string_view messageFor(int number);

// A user's text made safe to quote in a message: at most `maxChars` characters, whole UTF-8
// sequences only, with "…" where it was cut.
std::string quoteForMessage(std::string_view text, std::size_t maxChars = 40);

}  // namespace calc
