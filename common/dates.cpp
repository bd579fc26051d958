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

void nextMonth(WalkDate& date, int month) {
  if (date.monthAs == HeldAs::Number)
    date.month = addToNumberText(date.month, 1);
  else
    date.month = monthNames[month % 12];
}

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

void advanceOneDay(WalkDate& date) {
  if (date.weekdayAs == HeldAs::Number) {
    date.weekday = addToNumberText(date.weekday, 1);
    if (date.weekday == "8") date.weekday = "1";
  } else if (const int weekday = weekdayNumber(date.weekday); weekday != 0) {
    date.weekday = weekdayNames[weekday % 7];
  }

  date.day = addToNumberText(date.day, 1);

  const int month = monthOf(date);
  bool monthEnds = false;
  switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
      monthEnds = date.day == "32";
      break;
    case 4:
    case 6:
    case 9:
    case 11:
      monthEnds = date.day == "31";
      break;
    case 2:
      monthEnds = date.day == (isLeapYear(date.year) ? "30" : "29");
      break;
    case 12:
      if (date.day == "32") {
        date.day = "1";
        date.month = date.monthAs == HeldAs::Number ? "1" : monthNames[0];
        date.year = addToNumberText(date.year, 1);
      }
      return;
    default:
      return;
  }
  if (monthEnds) {
    date.day = "1";
    nextMonth(date, month);
  }
}

}  // namespace common
