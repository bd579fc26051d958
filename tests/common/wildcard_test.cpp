// Wildcard patterns of the program's own name tests.

#include "common/wildcard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using common::isValidPattern;
using common::wildcardMatch;

TEST(Wildcard, MatchesTheWholeText) {
  const struct {
    std::string text, pattern;
    bool matches;
  } cases[] = {
      // Plain characters, case-sensitive and whole-text.
      {"Data", "Data", true},
      {"data", "Data", false},
      {"Data2", "Data", false},
      {"", "", true},
      {"x", "", false},
      // `*`
      {"", "*", true},
      {"anything", "*", true},
      {"/game\\Data", "*\\Data", true},
      {"/game\\Data\\", "*\\Data", false},
      {"/game\\Scenarios\\Old School", "*\\Scenarios\\Old School", true},
      {"/game\\Scenarios\\Old Schools", "*\\Scenarios\\Old School", false},
      {"abcabc", "*bc", true},
      {"abcab", "*bc", false},
      {"abc", "a**c", true},
      {"ac", "a*c", true},
      {"mississippi", "m*iss*ppi", true},
      {"mississippi", "m*iss*sippix", false},
      // `?`
      {"abc", "a?c", true},
      {"ac", "a?c", false},
      {"a\xE9"
       "c",
       "a?c", true},  // byte-wise: any one byte
      // `#`
      {"Show 3", "Show #", true},
      {"Show x", "Show #", false},
      {"Show 10", "Show #", false},
      {"1999", "####", true},
      // Lists and ranges
      {"b", "[abc]", true},
      {"d", "[abc]", false},
      {"m", "[a-z]", true},
      {"M", "[a-z]", false},
      {"5", "[0-9A-F]", true},
      {"E", "[0-9A-F]", true},
      {"G", "[0-9A-F]", false},
      {"-", "[a-]", true},
      {"-", "[-a]", true},
      {"b", "[-a]", false},
      {"*", "[*]", true},
      {"x", "[*]", false},
      {"?", "[?]", true},
      {"#", "[#]", true},
      {"[", "[[]", true},
      {"q", "[z-a]", false},  // a range the wrong way round accepts nothing
      // Negated lists
      {"d", "[!abc]", true},
      {"a", "[!abc]", false},
      {"A", "[!a-z]", true},
      {"", "[!a]", false},
      // `]` first in a list is a member
      {"]", "[]]", true},
      {"a", "[]a]", true},
      {"x", "[]a]", false},
      {"]", "[!]]", false},
      {"x", "[!]]", true},
      // Mixed
      {"Roster 12.vl1", "Roster ##.vl1", true},
      {"Roster 1a.vl1", "Roster ##.vl1", false},
      {"Old School", "[A-Z]*", true},
      {"old school", "[A-Z]*", false},
      {"a]", "a]", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(wildcardMatch(c.text, c.pattern), c.matches)
        << '"' << c.text << "\" against \"" << c.pattern << '"';
  }
}

TEST(Wildcard, AnUnclosedListMakesThePatternInvalid) {
  const struct {
    std::string pattern;
    bool valid;
  } cases[] = {
      {"", true},    {"*", true},     {"[a]", true},   {"[]]", true}, {"a]", true},
      {"[", false},  {"[a", false},   {"a[b", false},  {"[]", false}, {"[!]", false},
      {"[!", false}, {"*[a-", false}, {"[a][", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isValidPattern(c.pattern), c.valid) << '"' << c.pattern << '"';
    if (!c.valid) {
      // An invalid pattern matches nothing, not even what its text looks like.
      EXPECT_FALSE(wildcardMatch(c.pattern, c.pattern)) << '"' << c.pattern << '"';
      EXPECT_FALSE(wildcardMatch("", c.pattern)) << '"' << c.pattern << '"';
    }
  }
}

TEST(Wildcard, IgnoringCaseTakesEitherCaseOfEveryLetter) {
  const struct {
    std::string text, pattern;
    bool sensitive, ignored;
  } cases[] = {
      // The file lists' patterns.
      {"Z.FED", "*.fed", false, true},
      {"ab.Fed", "*.fed", false, true},
      {"B.JPG", "*.jpg", false, true},
      {"a.jpg.txt", "*.jpg", false, false},
      {"ab.fed", "??.FED", false, true},
      {"abc.fed", "??.fed", false, false},
      // Lists take their letters in both cases, and a negated list refuses both.
      {"M", "[a-z]", false, true},
      {"m", "[A-Z]", false, true},
      {"A", "[!a-z]", true, false},
      {"B", "[!a]", true, true},
      {"5", "[a-z]", false, false},
      // Only letters have a case: other characters, digits and `#` are as they are.
      {"Show 3", "SHOW #", false, true},
      {"@", "`", false, false},
      {"[", "{", false, false},
      {"\xC9", "\xE9", false, false},  // the code page's accented letters are not ASCII
  };
  for (const auto& c : cases) {
    EXPECT_EQ(common::Pattern(c.pattern).matches(c.text), c.sensitive)
        << '"' << c.text << "\" against \"" << c.pattern << "\" with case";
    EXPECT_EQ(common::Pattern(c.pattern, common::LetterCase::Ignored).matches(c.text), c.ignored)
        << '"' << c.text << "\" against \"" << c.pattern << "\" ignoring case";
  }
  EXPECT_FALSE(common::Pattern("[a", common::LetterCase::Ignored).valid());
  EXPECT_FALSE(common::Pattern("[a", common::LetterCase::Ignored).matches("[a"));
}

TEST(Wildcard, ACompiledPatternMatchesManyTexts) {
  const common::Pattern pattern("*son#");
  EXPECT_TRUE(pattern.matches("Jackson1"));
  EXPECT_FALSE(pattern.matches("Jackson"));
  EXPECT_TRUE(pattern.matches("son0"));
  EXPECT_FALSE(pattern.matches("Son0"));
}

TEST(Wildcard, ManyStarsOnALongTextDoNotBacktrackWithoutEnd) {
  const std::string as(10000, 'a');
  EXPECT_FALSE(wildcardMatch(as, "*a*a*a*a*a*a*a*a*b"));
  EXPECT_TRUE(wildcardMatch(as + "b", "*a*a*a*a*a*a*a*a*b"));
  EXPECT_TRUE(wildcardMatch(as, "*a*a*a*a*a*a*a*a*"));
  EXPECT_FALSE(wildcardMatch(as, "*?*?*?*?*?*?*?*?*#"));
}

}  // namespace
