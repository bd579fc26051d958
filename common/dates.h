#pragma once
// Date texts and day stepping. Whether a date exists, and how far apart two dates are, is found by
// walking day by day from a known date with advanceOneDay; no calendar arithmetic is used.

#include <array>
#include <string>
#include <string_view>

namespace common {

inline const std::array<std::string, 7> weekdayNames = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
inline const std::array<std::string, 12> monthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// 1 to 7 for "Monday" to "Sunday" by exact comparison; 0 for any other text.
int weekdayNumber(std::string_view name);
// 1 to 12 for "January" to "December" by exact comparison; 0 for any other text.
int monthNumber(std::string_view name);

// Whether a part of a walked date is held as its name ("Sunday", "January") or its number.
enum class HeldAs { Name, Number };

// A date being walked: four texts, and how the weekday and month are held.
struct WalkDate {
  std::string weekday, day, month, year;
  HeldAs weekdayAs = HeldAs::Name;
  HeldAs monthAs = HeldAs::Name;

  // Equal when all four texts are equal, exactly and case-sensitively.
  bool sameDay(const WalkDate& other) const {
    return weekday == other.weekday && day == other.day && month == other.month &&
           year == other.year;
  }
};

// Moves the date one day on, in place: the weekday cycles Monday to Sunday (a name that is not one
// of the seven stays as it is; a number past 7 becomes "1"); the day grows by one, and at a month's
// end becomes "1" with the month one on (December: January, and the year one on). February has 29
// days when the year, rounded to a whole number, is divisible by 4; there is no century rule.
void advanceOneDay(WalkDate& date);

// Whether the year text, read as a number and rounded, is divisible by 4.
bool isLeapYear(std::string_view year);

// The days of month 1 to 12 in the year text: 31, 30 or 28, and 29 for February in a year that
// isLeapYear. 0 for a month outside 1 to 12.
int daysInMonth(int month, std::string_view year);

}  // namespace common
