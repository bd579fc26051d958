// Ordering texts without regard to case, as the folder listings and the grid's sort do.

#include "common/text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LessIgnoringCase, OrdersByLettersThenByBytes) {
  const struct {
    std::string a, b;
    bool less;
  } cases[] = {
      {"apple", "Banana", true}, {"Banana", "apple", false},  // case does not count
      {"Apple", "apple", true},  {"apple", "Apple", false},   // equal but for case: bytes
      {"app", "Apple", true},    {"Apple", "app", false},     // a shorter prefix first
      {"same", "same", false},   {"", "a", true},
      {"_x", "ax", true},        {"[x", "ax", true},         // compared folded: '_' and '[' < 'a'
      {"Z\xE9", "z\x41", false}, {"a\x80", "a\x7F", false},  // bytes above 127 are large
  };
  for (const auto& c : cases)
    EXPECT_EQ(common::lessIgnoringCase(c.a, c.b), c.less) << '"' << c.a << "\" < \"" << c.b << '"';
}

TEST(LowerAscii, LowersOnlyAsciiCapitals) {
  EXPECT_EQ(common::lowerAscii('A'), 'a');
  EXPECT_EQ(common::lowerAscii('Z'), 'z');
  EXPECT_EQ(common::lowerAscii('a'), 'a');
  EXPECT_EQ(common::lowerAscii('@'), '@');
  EXPECT_EQ(common::lowerAscii('\xC9'), '\xC9');  // "É" in the game's code page stays
}

TEST(LowerText, LowersTheCapitalsOfTheGamesCodePage) {
  const struct {
    std::string text, lower;
  } cases[] = {
      {"Dax RAVENHURST", "dax ravenhurst"},
      {"ANDR\xC9 \xC0\xDE", "andr\xE9 \xE0\xFE"},              // É, À, Þ
      {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"},                // Š, Œ, Ž, Ÿ
      {"\xD7 \xDF \xE9 [A-Z]#?*", "\xD7 \xDF \xE9 [a-z]#?*"},  // ×, ß, é and signs stay
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(common::lowerText(c.text), c.lower) << c.text;
}

}  // namespace
