// Date texts and day stepping.

#include "common/dates.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

namespace {

using common::advanceOneDay;
using common::HeldAs;
using common::isLeapYear;
using common::monthNumber;
using common::WalkDate;
using common::weekdayNumber;

std::string describe(const WalkDate& d) {
  return '"' + d.weekday + "\" \"" + d.day + "\" \"" + d.month + "\" \"" + d.year + '"';
}

WalkDate named(std::string weekday, std::string day, std::string month, std::string year) {
  return {std::move(weekday), std::move(day), std::move(month),
          std::move(year),    HeldAs::Name,   HeldAs::Name};
}

WalkDate numbered(std::string weekday, std::string day, std::string month, std::string year) {
  return {std::move(weekday), std::move(day), std::move(month),
          std::move(year),    HeldAs::Number, HeldAs::Number};
}

TEST(DateWords, NamesAndNumbersByExactComparison) {
  const struct {
    std::string text;
    int weekday, month;
  } cases[] = {
      {"Monday", 1, 0},  {"Sunday", 7, 0},    {"Thursday", 4, 0}, {"January", 0, 1},
      {"May", 0, 5},     {"December", 0, 12}, {"monday", 0, 0},   {"MAY", 0, 0},
      {"Sunday ", 0, 0}, {" May", 0, 0},      {"", 0, 0},         {"Mon", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(weekdayNumber(c.text), c.weekday) << '"' << c.text << '"';
    EXPECT_EQ(monthNumber(c.text), c.month) << '"' << c.text << '"';
  }
  for (int i = 0; i < 7; ++i) EXPECT_EQ(weekdayNumber(common::weekdayNames[i]), i + 1);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(monthNumber(common::monthNames[i]), i + 1);
}

TEST(DateWords, LeapYearsHaveNoCenturyRule) {
  const struct {
    std::string year;
    bool leap;
  } cases[] = {
      {"2000", true},    {"1900", true},   {"2100", true},   {"1950", false},   {"2051", false},
      {"2004", true},    {"1999", false},  {"0", true},      {"", true},        {"abc", true},
      {"-4", true},      {"2003.6", true}, {"2004.4", true}, {"2004.6", false}, {"2005.5", false},
      {"2003.5", true},  // halves go to the even whole number
      {"1996 AD", true},
  };
  for (const auto& c : cases) EXPECT_EQ(isLeapYear(c.year), c.leap) << '"' << c.year << '"';
}

TEST(DateWords, MonthLengthsFollowTheLeapRule) {
  const struct {
    int month;
    std::string year;
    int days;
  } cases[] = {
      {1, "2003", 31},  {2, "2003", 28}, {2, "2004", 29}, {2, "1900", 29},
      {4, "2004", 30},  {6, "2004", 30}, {9, "2004", 30}, {11, "2004", 30},
      {12, "2004", 31}, {0, "2004", 0},  {13, "2004", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(common::daysInMonth(c.month, c.year), c.days) << c.month << " " << c.year;
}

TEST(AdvanceOneDay, StepsEachCaseOfTheCalendar) {
  const struct {
    WalkDate from, to;
  } cases[] = {
      // February, leap and not, without a century rule.
      {named("Monday", "28", "February", "2000"), named("Tuesday", "29", "February", "2000")},
      {named("Tuesday", "29", "February", "2000"), named("Wednesday", "1", "March", "2000")},
      {named("Tuesday", "28", "February", "1950"), named("Wednesday", "1", "March", "1950")},
      {named("Wednesday", "28", "February", "1900"), named("Thursday", "29", "February", "1900")},
      {named("Sunday", "28", "February", "2100"), named("Monday", "29", "February", "2100")},
      {named("Monday", "29", "February", "2100"), named("Tuesday", "1", "March", "2100")},
      // Month and year ends.
      {named("Saturday", "31", "December", "2050"), named("Sunday", "1", "January", "2051")},
      {named("Sunday", "30", "April", "2000"), named("Monday", "1", "May", "2000")},
      {named("Monday", "31", "January", "2000"), named("Tuesday", "1", "February", "2000")},
      {named("Friday", "30", "June", "2000"), named("Saturday", "1", "July", "2000")},
      {named("Monday", "31", "July", "2000"), named("Tuesday", "1", "August", "2000")},
      {named("Thursday", "31", "August", "2000"), named("Friday", "1", "September", "2000")},
      {named("Saturday", "30", "September", "2000"), named("Sunday", "1", "October", "2000")},
      {named("Tuesday", "31", "October", "2000"), named("Wednesday", "1", "November", "2000")},
      {named("Thursday", "30", "November", "2000"), named("Friday", "1", "December", "2000")},
      {named("Friday", "30", "December", "2000"), named("Saturday", "31", "December", "2000")},
      {named("Saturday", "30", "March", "2000"), named("Sunday", "31", "March", "2000")},
      {named("Sunday", "29", "April", "2000"), named("Monday", "30", "April", "2000")},
      // Weekdays: the cycle, a name outside the seven left as it is.
      {named("Sunday", "5", "May", "2000"), named("Monday", "6", "May", "2000")},
      {named("sunday", "5", "May", "2000"), named("sunday", "6", "May", "2000")},
      {named("", "5", "May", "2000"), named("", "6", "May", "2000")},
      // A month that is none of the twelve: the day only grows.
      {named("Monday", "31", "Smarch", "2000"), named("Tuesday", "32", "Smarch", "2000")},
      {named("Monday", "31", "january", "2000"), named("Tuesday", "32", "january", "2000")},
      // A leading zero or a blank is read as Number text but then written plainly.
      {named("Monday", "05", "May", "2000"), named("Tuesday", "6", "May", "2000")},
      {named("Monday", "30", "April", " 2000"), named("Tuesday", "1", "May", " 2000")},
      {named("Monday", "31", "December", "1999x"), named("Tuesday", "1", "January", "2000")},
      // Weekday and month held as numbers.
      {numbered("7", "1", "1", "1950"), numbered("1", "2", "1", "1950")},
      {numbered("1", "2", "1", "1950"), numbered("2", "3", "1", "1950")},
      {numbered("6", "31", "12", "2050"), numbered("7", "1", "1", "2051")},
      {numbered("3", "28", "2", "1950"), numbered("4", "1", "3", "1950")},
      {numbered("3", "29", "2", "2000"), numbered("4", "1", "3", "2000")},
      {numbered("3", "28", "2", "2000"), numbered("4", "29", "2", "2000")},
      {numbered("3", "30", "4", "2000"), numbered("4", "1", "5", "2000")},
      {numbered("3", "31", "10", "2000"), numbered("4", "1", "11", "2000")},
      {numbered("8", "1", "1", "2000"), numbered("9", "2", "1", "2000")},  // "9" is not "8"
      {numbered("Sunday", "1", "1", "2000"), numbered("1", "2", "1", "2000")},
      // Each held its own way (Check All Dates: weekday as a name, month as a number).
      {{"Saturday", "31", "12", "2050", HeldAs::Name, HeldAs::Number},
       {"Sunday", "1", "1", "2051", HeldAs::Name, HeldAs::Number}},
      {{"6", "30", "November", "2000", HeldAs::Number, HeldAs::Name},
       {"7", "1", "December", "2000", HeldAs::Number, HeldAs::Name}},
      // A month number is recognised by its exact text only.
      {numbered("1", "31", "04", "2000"), numbered("2", "32", "04", "2000")},
      {numbered("1", "31", "4.0", "2000"), numbered("2", "32", "4.0", "2000")},
  };
  for (const auto& c : cases) {
    WalkDate date = c.from;
    advanceOneDay(date);
    EXPECT_TRUE(date.sameDay(c.to))
        << describe(c.from) << " stepped to " << describe(date) << ", expected " << describe(c.to);
  }
}

TEST(AdvanceOneDay, ComparisonIsExactAndIncludesTheWeekday) {
  const WalkDate a{"Monday", "1", "May", "2000"};
  EXPECT_TRUE(a.sameDay({"Monday", "1", "May", "2000"}));
  EXPECT_FALSE(a.sameDay({"Tuesday", "1", "May", "2000"}));
  EXPECT_FALSE(a.sameDay({"Monday", "01", "May", "2000"}));
  EXPECT_FALSE(a.sameDay({"Monday", "1", "may", "2000"}));
  EXPECT_FALSE(a.sameDay({"Monday", "1", "May", "2000 "}));
}

TEST(AdvanceOneDay, AWalkFromADayTheMonthLacksNeverBecomesARealDate) {
  // Every real day of 2000, as day and month.
  std::set<std::pair<std::string, std::string>> realDays;
  WalkDate real = named("Saturday", "1", "January", "2000");
  while (real.year == "2000") {
    realDays.insert({real.day, real.month});
    advanceOneDay(real);
  }
  ASSERT_EQ(realDays.size(), 366u);
  EXPECT_TRUE(real.sameDay(named("Monday", "1", "January", "2001"))) << describe(real);

  WalkDate date = named("Monday", "31", "April", "2000");
  for (int step = 1; step <= 400; ++step) {
    advanceOneDay(date);
    EXPECT_EQ(date.year, "2000") << "step " << step;
    EXPECT_EQ(realDays.count({date.day, date.month}), 0u)
        << "step " << step << ": " << describe(date);
  }
  EXPECT_TRUE(date.sameDay(named("Tuesday", "431", "April", "2000"))) << describe(date);
}

TEST(AdvanceOneDay, TheStartDateRangeIs36890DaysFromSunday1January1950) {
  // The start date check's walk: weekday and month as numbers, stopping when the year is "2051".
  WalkDate date = numbered("7", "1", "1", "1950");
  int steps = 0;
  WalkDate last = date;
  std::set<std::tuple<std::string, std::string, std::string>> seen;
  while (date.year != "2051" && steps < 40000) {
    seen.insert({date.day, date.month, date.year});
    last = date;
    advanceOneDay(date);
    ++steps;
  }
  EXPECT_EQ(steps, 36890);
  EXPECT_EQ(seen.size(), 36890u);  // no day is reached twice
  EXPECT_TRUE(last.sameDay(numbered("6", "31", "12", "2050"))) << describe(last);
  EXPECT_TRUE(date.sameDay(numbered("7", "1", "1", "2051"))) << describe(date);
}

}  // namespace
