// Number text: the leading decimal number of a text, plain decimal text back, hundredths.

#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using common::addToNumberText;
using common::fromHundredths;
using common::numberText;
using common::numberValue;
using common::toHundredths;

TEST(NumberValue, ReadsTheLeadingDecimalNumber) {
  const struct {
    std::string text;
    double value;
  } cases[] = {
      {"", 0},
      {"abc", 0},
      {"1,000", 1},
      {" 2500", 2500},
      {"\t 7", 7},
      {"-500", -500},
      {"+42", 42},
      {"12abc", 12},
      {"1e5", 1},
      {".5", 0.5},
      {"5.", 5},
      {"-.25", -0.25},
      {"3.75 kg", 3.75},
      {"0.29", 0.29},
      {"007", 7},
      {"-", 0},
      {".", 0},
      {"-.", 0},
      {"--5", 0},
      {"- 5", 0},
      {"5 6", 5},
      {"1.2.3", 1.2},
      {"\n5", 0},
      {"$5", 0},
      {"2147483648", 2147483648.0},
      {"0.1", 0.1},
      {"  -0", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(numberValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberValue, NeverGivesNegativeZeroOrInfinity) {
  EXPECT_FALSE(std::signbit(numberValue("-0")));
  EXPECT_FALSE(std::signbit(numberValue("-0.000")));
  const std::string huge = "9" + std::string(400, '0');
  EXPECT_EQ(numberValue(huge), std::numeric_limits<double>::max());
  EXPECT_EQ(numberValue("-" + huge), -std::numeric_limits<double>::max());
  EXPECT_EQ(numberValue("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(NumberText, WritesPlainDecimalText) {
  const struct {
    double value;
    std::string text;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {3, "3"},
      {-2.5, "-2.5"},
      {0.1, "0.1"},
      {0.29, "0.29"},
      {1e21, "1000000000000000000000"},
      {1e-7, "0.0000001"},
      {123456789012, "123456789012"},
      {0.1 + 0.2, "0.30000000000000004"},
      {std::numeric_limits<double>::quiet_NaN(), "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, RoundTripsThroughNumberValue) {
  for (const double value : {0.1, 2.675, -1234.5678, 1e-10, 98765432109876.5, 1e300, 5e-324}) {
    EXPECT_EQ(numberValue(numberText(value)), value) << numberText(value);
  }
  EXPECT_EQ(numberValue(numberText(std::numeric_limits<double>::infinity())),
            std::numeric_limits<double>::max());
}

TEST(AddToNumberText, AddsToTheLeadingNumber) {
  const struct {
    std::string text;
    double step;
    std::string result;
  } cases[] = {
      {"7", 1, "8"},  {"31", 1, "32"},  {"1950", 1, "1951"}, {"", 1, "1"},        {"abc", 1, "1"},
      {"05", 1, "6"}, {" 9x", 1, "10"}, {"-1", 1, "0"},      {"2.5", -3, "-0.5"}, {"1,000", 1, "2"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(addToNumberText(c.text, c.step), c.result) << '"' << c.text << '"';
}

TEST(Hundredths, StoresTheFloorOfOneHundredTimes) {
  const struct {
    std::string typed, stored;
  } cases[] = {
      {"2.5", "250"},   {"0.29", "28"},    {"-0.29", "-29"}, {"0", "0"},
      {"", "0"},        {"abc", "0"},      {"10", "1000"},   {"0.01", "1"},
      {"1.005", "100"}, {" 3.456", "345"}, {"7,5", "700"},   {"-0.001", "-1"},
  };
  for (const auto& c : cases) EXPECT_EQ(toHundredths(c.typed), c.stored) << '"' << c.typed << '"';
}

TEST(Hundredths, ShowsTheShortestTextOfOneHundredth) {
  const struct {
    std::string stored, shown;
  } cases[] = {
      {"250", "2.5"}, {"10", "0.1"},    {"0", "0"}, {"28", "0.28"}, {"1", "0.01"},
      {"1000", "10"}, {"-29", "-0.29"}, {"", "0"},  {"33", "0.33"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(fromHundredths(c.stored), c.shown) << '"' << c.stored << '"';
}

}  // namespace
