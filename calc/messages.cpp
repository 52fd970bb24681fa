#include "messages.h"

#include <array>
#include <new>
#include <string>
#include <utility>

#include "field_access.h"

namespace calc {

namespace {

// Every error text of the program, in the words pupils know from other calculators.
constexpr std::array<std::pair<Error, std::string_view>, 7> kMessages{{
    {Error::InvalidOperation, "Недопустимая операция."},
    {Error::Overflow, "Переполнение."},
    {Error::OutOfMemory, "Не хватает памяти."},
    {Error::DivisionByZero, "Деление на ноль невозможно."},
    {Error::TypeMismatch, "Нужно ввести число."},
    {Error::Internal, "Непредвиденная ошибка."},
    {Error::UnknownField, "На экране нет такого поля."},
}};

// The faults one step of the arithmetic can run into, as a worked solution names them.
constexpr std::array<std::pair<Error, std::string_view>, 3> kStepFaults{{
    {Error::Overflow, "число слишком велико"},
    {Error::DivisionByZero, "делить на ноль нельзя"},
    {Error::InvalidOperation, "получается не число"},
}};

constexpr std::size_t kMostQuoted = 40;

// In Detail order; "%" stands for the quoted text.
constexpr std::array<std::string_view, 15> kDetails{{
    "",
    "Поле пустое.",
    "Введено: «%».",
    "Разделитель дробной части — точка или запятая.",
    "Корень из отрицательного числа.",
    "Число слишком велико: «%».",
    "Имя поля: «%».",
    "Не удалось найти гипотенузу.",
    "Не удалось найти длину окружности.",
    "Не удалось найти площадь.",
    "Не удалось найти площадь боковой поверхности.",
    "Не удалось найти площадь полной поверхности.",
    "Строка: десятичная система.",
    "Строка: восьмеричная система.",
    "Строка: шестнадцатеричная система.",
}};
static_assert(kDetails.size() == static_cast<std::size_t>(Detail::HexRow) + 1);

// The details that name the field, "@" standing for its name as the screen shows it.
constexpr std::array<std::pair<Detail, std::string_view>, 3> kFieldDetails{{
    {Detail::EmptyField, "Поле «@» пустое."},
    {Detail::Entered, "В поле «@» введено: «%»."},
    {Detail::TooLarge, "Число в поле «@» слишком велико: «%»."},
}};

// In PaperProblem order; "%" stands for the file's path.
constexpr std::array<std::string_view, 2> kPaperProblems{{
    "Не удалось записать файл «%». Возможно, в эту папку нельзя записывать или на диске нет "
    "места. Выберите другую папку; решение в окне осталось.",
    "Не удалось напечатать решение. Проверьте принтер; решение в окне осталось.",
}};
static_assert(kPaperProblems.size() == static_cast<std::size_t>(PaperProblem::NotPrinted) + 1);

std::string_view detailText(Detail detail, std::string_view caption) {
    if (!caption.empty()) {
        for (const auto& [known, text] : kFieldDetails) {
            if (known == detail) return text;
        }
    }
    return kDetails[static_cast<std::size_t>(detail)];
}

void replaceMark(std::string& text, char mark, std::string_view by) {
    if (const std::size_t at = text.find(mark); at != std::string::npos) text.replace(at, 1, by);
}

bool isContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// `quoted` is already cut to size. It goes in last, so that a mark the pupil typed stays as typed.
std::string composeMessage(Error code, Detail detail, std::string_view quoted,
                           std::string_view caption = {}) {
    std::string message(messageFor(code));
    std::string text(detailText(detail, caption));
    if (text.empty()) return message;
    replaceMark(text, '@', caption);
    replaceMark(text, '%', quoted);
    return message + ' ' + text;
}

}  // namespace

std::string_view messageFor(Error code) {
    for (const auto& [known, text] : kMessages) {
        if (known == code) return text;
    }
    return messageFor(Error::Internal);
}

std::string_view stepFaultFor(Error code) {
    for (const auto& [known, text] : kStepFaults) {
        if (known == code) return text;
    }
    return messageFor(code);
}

Error errorOf(const std::exception& error) {
    if (const auto* runtime = dynamic_cast<const RuntimeError*>(&error)) return runtime->code();
    if (dynamic_cast<const std::bad_alloc*>(&error)) return Error::OutOfMemory;
    return Error::Internal;
}

std::string messageOf(const std::exception& error, const FieldAccess& fields) {
    if (const auto* runtime = dynamic_cast<const RuntimeError*>(&error))
        return runtime->messageNaming(fields.caption(runtime->field()));
    return std::string(messageFor(errorOf(error)));
}

std::string quotedText(std::string_view text) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(static_cast<unsigned char>(text[i]))) continue;
        if (chars == kMostQuoted) return std::string(text.substr(0, i)) + "…";
        ++chars;
    }
    return std::string(text);
}

// A path the user chose in a dialog: quoted whole, so the message names the folder.
std::string paperMessage(PaperProblem problem, std::string_view given) {
    std::string text(kPaperProblems[static_cast<std::size_t>(problem)]);
    replaceMark(text, '%', given);
    return text;
}

RuntimeError::RuntimeError(Error code, Detail detail, std::string_view quoted)
    : std::runtime_error(composeMessage(code, detail, quotedText(quoted))),
      code_(code),
      detail_(detail),
      quoted_(quotedText(quoted)) {}

std::string RuntimeError::messageNaming(std::string_view caption) const {
    return composeMessage(code_, detail_, quoted_, caption);
}

void raiseUnknownField(std::string_view name) {
    throw RuntimeError(Error::UnknownField, Detail::FieldName, name);
}

}  // namespace calc
