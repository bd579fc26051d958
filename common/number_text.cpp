#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace common {

namespace {

constexpr double largest = std::numeric_limits<double>::max();

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double numberValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t wholeStart = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  const std::string_view whole = text.substr(wholeStart, i - wholeStart);
  std::string_view fraction;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionStart = ++i;
    while (i < text.size() && isDigit(text[i])) ++i;
    fraction = text.substr(fractionStart, i - fractionStart);
  }
  if (whole.empty() && fraction.empty()) return 0.0;

  // Rebuilt as "whole.fraction" so the conversion sees nothing but digits and one point.
  std::string digits;
  digits.reserve(whole.size() + fraction.size() + 3);
  digits.append(whole.empty() ? std::string_view("0") : whole);
  digits.push_back('.');
  digits.append(fraction.empty() ? std::string_view("0") : fraction);

  double value = 0.0;
  const std::errc error = std::from_chars(digits.data(), digits.data() + digits.size(), value).ec;
  if (error == std::errc::result_out_of_range) {
    // Too many digits for a double: a huge number is held as the largest one, a tiny one as 0.
    const bool huge = whole.find_first_not_of('0') != std::string_view::npos;
    value = huge ? largest : 0.0;
  } else if (error != std::errc()) {
    value = 0.0;
  }
  if (value == 0.0) return 0.0;  // never -0
  return negative ? -value : value;
}

std::string numberText(double value) {
  if (std::isnan(value) || value == 0.0) return "0";
  if (std::isinf(value)) value = value > 0 ? largest : -largest;
  // Fixed notation in the shortest digits that read back as the same double: whole numbers come
  // out without a point, and no exponent is ever written.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

std::string addToNumberText(std::string_view text, double step) {
  return numberText(numberValue(text) + step);
}

std::string toHundredths(std::string_view typed) {
  return numberText(std::floor(100.0 * numberValue(typed)));
}

std::string fromHundredths(std::string_view stored) {
  return numberText(numberValue(stored) / 100.0);
}

}  // namespace common
