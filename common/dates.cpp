#include "common/dates.h"

#include <cmath>

#include "common/number_text.h"

namespace common {

namespace {

// The month a walked date is in, 1 to 12, or 0 when its text is none of them. A month held as a
// number is recognised only by its exact text "1" to "12".
int monthOf(const WalkDate& date) {
  if (date.monthAs == HeldAs::Name) return monthNumber(date.month);
  for (int m = 1; m <= 12; ++m)
    if (date.month == std::to_string(m)) return m;
  return 0;
}

// Days in each month of a year that is not a leap year.
constexpr int monthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

int weekdayNumber(std::string_view name) {
  for (std::size_t i = 0; i < weekdayNames.size(); ++i)
    if (weekdayNames[i] == name) return static_cast<int>(i) + 1;
  return 0;
}

int monthNumber(std::string_view name) {
  for (std::size_t i = 0; i < monthNames.size(); ++i)
    if (monthNames[i] == name) return static_cast<int>(i) + 1;
  return 0;
}

bool isLeapYear(std::string_view year) {
  // Rounded to the nearest whole number, halves to even.
  const double whole = std::nearbyint(numberValue(year));
  return std::fmod(whole, 4.0) == 0.0;
}

int daysInMonth(int month, std::string_view year) {
  if (month < 1 || month > 12) return 0;
  return month == 2 && isLeapYear(year) ? 29 : monthLengths[month - 1];
}

void advanceOneDay(WalkDate& date) {
  if (date.weekdayAs == HeldAs::Number) {
    date.weekday = addToNumberText(date.weekday, 1);
    if (date.weekday == "8") date.weekday = "1";
  } else if (const int weekday = weekdayNumber(date.weekday); weekday != 0) {
    date.weekday = weekdayNames[weekday % 7];
  }

  date.day = addToNumberText(date.day, 1);

  // A month that is none of the twelve never ends: the day only grows.
  const int month = monthOf(date);
  if (month == 0) return;
  const int length = daysInMonth(month, date.year);
  if (date.day != std::to_string(length + 1)) return;
  date.day = "1";
  date.month =
      date.monthAs == HeldAs::Number ? std::to_string(month % 12 + 1) : monthNames[month % 12];
  if (month == 12) date.year = addToNumberText(date.year, 1);
}

}  // namespace common
