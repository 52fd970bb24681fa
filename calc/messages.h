#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

// What went wrong, by its error number. The Russian texts live in one table, in messages.cpp.
// A number never changes its meaning: a teacher's or pupil's report of "ошибка 6" must mean the
// same fault in every version of the program, so a new kind of error takes a number of its own.
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

class FieldAccess;

// The error that stopped a compute: a runtime error's own; OutOfMemory for running out of
// memory; Internal for anything unforeseen.
Error errorOf(const std::exception& error);

// Its message, as the message box and the working both show it: a runtime error's own, naming
// the field it is about as `fields` shows that field; the table's text for the others.
std::string messageOf(const std::exception& error, const FieldAccess& fields);

// A user's text made fit to quote in a message: at most 40 characters, whole UTF-8 sequences
// only, with "…" where it was cut.
std::string quotedText(std::string_view text);

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
