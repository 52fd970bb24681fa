#pragma once

#include <string>
#include <string_view>

#include "solution/exact.h"

namespace solution {

// Inside a number and around signs other than "=" and "≈": the window breaks lines only at
// those, never inside a number.
inline constexpr std::string_view kNoBreakSpace = "\u00A0";

// The longest period a decimal is written with; a longer one is written as a fraction.
inline constexpr std::size_t kLongestPeriod = 16;

// The most significant digits of a number the working writes, where it is not the pupil's or
// the field's: a pupil copies and checks it by hand.
inline constexpr int kCopiedDigits = 8;

// Written whole: a finite decimal of at most `mostDigits` significant digits, or, below 1E+15,
// one with at most two decimals (2 947 592,27).
bool isShort(const Exact& x, int mostDigits);

// "7/12" where numerator and denominator have at most four digits each; none otherwise.
std::optional<std::string> shortFraction(const Exact& x);

// Where a number stands: an operand is bracketed where it is negative, in exponent form or a
// fraction, as "3,14 · (-2)²" must be.
enum class Place { Alone, Operand };

// An exact number in base 10 as the window writes it: a finite decimal in full, in exponent form
// as the fields write it beyond 1E+15 and below 1E-04, a period in parentheses ("0,(3)"), or a
// fraction ("1/97") where the period is long. Five or more integer digits are grouped by three.
std::string numberText(const Exact& x, Place place = Place::Operand);

// A field's text as the window writes it: grouped as numberText groups it.
std::string fieldNumber(double value, Place place = Place::Operand);

// Every space but those around "=" and "≈" made a no-break space.
std::string breakingAtSigns(std::string_view line);

std::string subscript(int number);    // "₁₆"
std::string superscript(int number);  // "⁻²"

// The text without the brackets round all of it, for a number that ends a line; "(a) · (b)"
// keeps both pairs.
std::string unbracketed(std::string text);

}  // namespace solution
