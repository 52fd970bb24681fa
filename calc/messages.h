#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

// Error numbers. Their Russian texts live in one table, in messages.cpp.
namespace errors {
inline constexpr int InvalidOperation = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int Internal = 51;  // anything unforeseen
inline constexpr int UnknownField = 438;
}  // namespace errors

// What a message says after the error's own text; the wording is in the same table.
enum class Detail {
    None,
    EmptyField,
    Entered,  // quotes the user's text
    DecimalSeparator,
    NegativeRoot,
    TooLarge,   // quotes the user's text
    FieldName,  // quotes the field's name
    Hypotenuse,
    Circumference,
    Area,
    LateralArea,
    TotalArea,
    DecimalRow,
    OctalRow,
    HexRow,
};

// The one error type of the program: a number and a short Russian message a pupil understands.
// An error about the text of one field carries the field's name, so that the screen can name the
// field in the message and put the pupil back in it.
class RuntimeError : public std::runtime_error {
  public:
    // The table's text for `number`, then the detail's, quoting `quoted` where it says so.
    explicit RuntimeError(int number, Detail detail = Detail::None, std::string_view quoted = {});

    int number() const { return number_; }

    const std::string& field() const { return field_; }  // "txt1"; empty when about none
    void setField(std::string_view field) { field_ = field; }

    // The message naming the field as the screen shows it ("Поле «радиус» пустое."); what()
    // where `caption` is empty or the detail has no wording with the field.
    std::string messageNaming(std::string_view caption) const;

  private:
    int number_;
    Detail detail_;
    std::string quoted_;
    std::string field_;
};

// Raised by every FieldAccess for a field name its screen does not have.
[[noreturn]] void raiseUnknownField(std::string_view name);

// The table's text for an error number ("Переполнение." for Overflow).
std::string_view messageFor(int number);

// What went wrong in one step of a worked solution, in a pupil's words ("число слишком велико"
// for Overflow).
std::string_view stepFaultFor(int number);

}  // namespace calc
