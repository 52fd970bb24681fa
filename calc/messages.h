#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

// What went wrong, by its error number. The Russian texts live in one table, in messages.cpp.
// The numbers are Basic's run-time error numbers, of the Windows runtime the program was first
// written for (5 invalid procedure call, 6 overflow, 7 out of memory, 11 division by zero,
// 13 type mismatch, 51 internal error, 438 object doesn't support this property or method). They
// are kept so that a teacher's or pupil's report of "ошибка 6" means what it meant in the program
// they know.
enum class Error {
    InvalidOperation = 5,
    Overflow = 6,
    OutOfMemory = 7,
    DivisionByZero = 11,
    TypeMismatch = 13,
    Internal = 51,  // anything unforeseen
    UnknownField = 438,
};

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
    // The table's text for `code`, then the detail's, quoting `quoted` where it says so.
    explicit RuntimeError(Error code, Detail detail = Detail::None, std::string_view quoted = {});

    Error code() const { return code_; }

    const std::string& field() const { return field_; }  // "txt1"; empty when about none
    void setField(std::string_view field) { field_ = field; }

    // The message naming the field as the screen shows it ("Поле «радиус» пустое."); what()
    // where `caption` is empty or the detail has no wording with the field.
    std::string messageNaming(std::string_view caption) const;

  private:
    Error code_;
    Detail detail_;
    std::string quoted_;
    std::string field_;
};

// Raised by every FieldAccess for a field name its screen does not have.
[[noreturn]] void raiseUnknownField(std::string_view name);

// A start option the program cannot follow; it then starts as if the option were not given.
enum class StartProblem {
    ScaleMissing,
    ScaleBad,  // quotes what was given
};

// What the program says about it on standard error.
std::string startMessage(StartProblem problem, std::string_view given = {});

// What can go wrong putting a solution on paper; nothing of the solution is lost by it.
enum class PaperProblem {
    FileNotWritten,  // quotes the file's path
    NotPrinted,
};

// What the program says about it in a message box.
std::string paperMessage(PaperProblem problem, std::string_view given = {});

// The table's text for an error ("Переполнение." for Overflow).
std::string_view messageFor(Error code);

// What went wrong in one step of a worked solution, in a pupil's words ("число слишком велико"
// for Overflow).
std::string_view stepFaultFor(Error code);

}  // namespace calc
