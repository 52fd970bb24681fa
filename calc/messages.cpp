#include "runtime_error.h"

#include <array>
#include <string>
#include <utility>

namespace calc {

namespace {

// Every error text of the program, in the words pupils know from other calculators.
constexpr std::array<std::pair<int, std::string_view>, 5> kMessages{{
    {errors::InvalidOperation, "Недопустимая операция."},
    {errors::Overflow, "Переполнение."},
    {errors::DivisionByZero, "Деление на ноль невозможно."},
    {errors::TypeMismatch, "Нужно ввести число."},
    {errors::UnknownField, "На экране нет такого поля."},
}};

constexpr std::string_view kUnknownError = "Непредвиденная ошибка.";

std::string composeMessage(int number, std::string_view detail) {
    std::string message(messageFor(number));
    if (!detail.empty()) {
        message += ' ';
        message += detail;
    }
    return message;
}

bool isContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::string_view messageFor(int number) {
    for (const auto& [known, text] : kMessages) {
        if (known == number) return text;
    }
    return kUnknownError;
}

RuntimeError::RuntimeError(int number, std::string_view detail)
    : std::runtime_error(composeMessage(number, detail)), number_(number) {}

void raiseUnknownField(std::string_view name) {
    throw RuntimeError(errors::UnknownField, "Имя поля: «" + quoteForMessage(name) + "».");
}

std::string quoteForMessage(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(static_cast<unsigned char>(text[i]))) continue;
        if (chars == maxChars) return std::string(text.substr(0, i)) + "…";
        ++chars;
    }
    return std::string(text);
}

}  // namespace calc
