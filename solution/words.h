#pragma once

#include <string_view>

// Every word of the solution's text, in one place; "{1}", "{2}" take the values in turn.
namespace solution::words {

inline constexpr std::string_view kIntegerZero = "Целая часть: 0.";
inline constexpr std::string_view kDivide = "Целую часть делим на {1}:";
inline constexpr std::string_view kDivision = "{1} : {2} = {3}, остаток {4}";
inline constexpr std::string_view kRestRemainders = "Остальные остатки снизу вверх: {1}";
inline constexpr std::string_view kReadRemainders = "Читаем остатки снизу вверх: {1}";
inline constexpr std::string_view kMultiply = "Дробную часть умножаем на {1}:";
inline constexpr std::string_view kMultiplication = "{1} · {2} = {3}";
inline constexpr std::string_view kDigitOfProduct = "{1}, целая часть {2}";
inline constexpr std::string_view kRestDigits = "Остальные цифры: {1}";
inline constexpr std::string_view kReadDigits = "Читаем целые части сверху вниз: {1}";
inline constexpr std::string_view kCheck = "Проверка: {1}";
inline constexpr std::string_view kSign = "Число отрицательное, знак сохраняется: {1}";

inline constexpr std::string_view kGiven = "Дано: {1}. Найти: {2}.";
inline constexpr std::string_view kAnswer = "Ответ: {1}";
inline constexpr std::string_view kToHundredths = "{1} (округлили до сотых)";
inline constexpr std::string_view kNotComputed = "Не вычислено.";
// Where the field shows fewer digits than the exact value has.
inline constexpr std::string_view kFieldRounds =
    "В поле {2} значащих цифр, последняя округлена: {1}";
// Where the computer's value differs from the exact one in a digit the field shows.
inline constexpr std::string_view kFieldDiffers =
    "Компьютер считает в двоичной системе, и в поле чуть другое число: {1}";
// Where the field shows 0 for a number too small for the computer.
inline constexpr std::string_view kFieldVanished =
    "В поле 0: число слишком маленькое для компьютера, и он записал 0.";
// Where a step's exact value is too small for the computer.
inline constexpr std::string_view kVanished =
    "{1} — слишком маленькое число: компьютер считает его нулём.";
// The rounding of a root or a long quotient in the working.
inline constexpr std::string_view kRoundedSteps = "≈ — округлили до {1} значащих цифр, как в поле.";

}  // namespace solution::words
