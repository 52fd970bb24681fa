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
inline constexpr std::string_view kToHundredths = " (округлили до сотых)";
inline constexpr std::string_view kToSignificant = " (округлили до трёх значащих цифр)";
inline constexpr std::string_view kNotComputed = "Не вычислено.";

// The one note a result may have, where the field shows more or other digits than the working.
// The working rounded a value on the way and went on from it.
inline constexpr std::string_view kRoundedOnTheWay =
    "В поле — {1}: компьютер не округляет по пути.";
// The field shows the value to its significant digits.
inline constexpr std::string_view kFieldDigitsShown =
    "В поле — {1}: компьютер пишет {2} значащих цифр.";
// The field shows the value to its digits in base 8 or 16, the last rounded.
inline constexpr std::string_view kFieldRounds = "В поле {1} {2} цифр, последняя округлена: {3}";
inline constexpr std::string_view kOctal = "восьмеричных";
inline constexpr std::string_view kHexadecimal = "шестнадцатеричных";
// The computer's value differs from the exact one in a digit the field shows.
inline constexpr std::string_view kFieldDiffers =
    "В поле — {1}: компьютер считает в двоичной системе, и число чуть другое.";
// Where the field shows 0 for a number too small for the computer.
inline constexpr std::string_view kFieldVanished =
    "В поле 0: число слишком маленькое для компьютера, и он записал 0.";
// Where a step's exact value is too small for the computer.
inline constexpr std::string_view kVanished =
    "В поле {1}, потому что {2} — слишком маленькое число: компьютер считает его нулём.";

}  // namespace solution::words
