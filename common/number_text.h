#pragma once
// Number text: numbers held as text, read by their leading decimal number.

#include <string>
#include <string_view>

namespace common {

// The leading decimal number of a text: leading blanks skipped, an optional sign, digits and an
// optional fraction. "1,000" -> 1, " 2500" -> 2500, "-500" -> -500, "abc" and "" -> 0.
double numberValue(std::string_view text);

// Plain decimal text of a number: no blanks, no exponent, whole numbers without a fraction
// (3 -> "3", -2.5 -> "-2.5", 0.1 -> "0.1").
std::string numberText(double value);

// The leading number of a text, plus `step`, written back as plain decimal text.
std::string addToNumberText(std::string_view text, double step);

// Hundredths text: a typed decimal stored as floor(100 x value) in double precision
// ("2.5" -> "250", "0.29" -> "28", "-0.29" -> "-29").
std::string toHundredths(std::string_view typed);

// The stored hundredths shown back as the shortest decimal text of value / 100
// ("250" -> "2.5", "10" -> "0.1").
std::string fromHundredths(std::string_view stored);

}  // namespace common
