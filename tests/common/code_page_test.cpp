// Windows-1252 to and from UTF-8.

#include "common/code_page.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using common::cp1252ToUtf8;
using common::utf8ToCp1252;

TEST(CodePage, EveryByteSurvivesARoundTrip) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = cp1252ToUtf8(byte);
    EXPECT_EQ(utf8ToCp1252(utf8), byte) << "byte " << b;
    EXPECT_EQ(utf8ToCp1252(utf8).size(), 1u) << "byte " << b;
  }
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(CodePage, BytesBecomeTheirCharacters) {
  const struct {
    std::string bytes, utf8;
  } cases[] = {
      {"Plain text", "Plain text"},
      {std::string("\0", 1), std::string("\0", 1)},
      {"\x80", "\u20AC"},    // euro sign
      {"\x81", "\xC2\x81"},  // undefined: the C1 code point of the same value
      {"\x8D", "\xC2\x8D"},
      {"\x8F", "\xC2\x8F"},
      {"\x90", "\xC2\x90"},
      {"\x9D", "\xC2\x9D"},
      {"\x8A", "\u0160"},  // S with caron
      {"\x93"
       "Quoted"
       "\x94",
       "\u201CQuoted\u201D"},
      {"\x96", "\u2013"},  // en dash
      {"\x99", "\u2122"},  // trade mark
      {"\x9F", "\u0178"},  // Y with diaeresis
      {"\xA0", "\u00A0"},
      {"Pok\xE9mon Caf\xE9", "Pok\u00E9mon Caf\u00E9"},
      {"\xFF", "\u00FF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cp1252ToUtf8(c.bytes), c.utf8) << c.utf8;
    EXPECT_EQ(utf8ToCp1252(c.utf8), c.bytes) << c.utf8;
  }
}

TEST(CodePage, UnknownCharactersAndMalformedUtf8BecomeQuestionMarks) {
  const struct {
    std::string utf8, bytes;
  } cases[] = {
      {"\u4E2D", "?"},          // no byte for it
      {"a\U0001F600b", "a?b"},  // outside the basic plane
      {"\xC2\x80", "?"},        // U+0080: byte 0x80 is the euro sign
      {"\xC2\x9E", "?"},        // U+009E: byte 0x9E is z with caron
      {"\x80", "?"},            // a continuation byte on its own
      {"a\xC3", "a?"},          // cut short at the end
      {"\xC3(", "?("},          // cut short by an ordinary character
      {"\xE2\x82", "?"},        // three-byte sequence cut short
      {"\xC0\xAF", "??"},       // overlong forms are refused
      {"\xE0\x80\xAF", "?"},
      {"\xED\xA0\x80", "?"},      // a surrogate
      {"\xF4\x90\x80\x80", "?"},  // beyond U+10FFFF
      {"\xFF\xFE", "??"},
      {"\xE2\x82\xAC\xE2\x82", "\x80?"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(utf8ToCp1252(c.utf8), c.bytes) << testing::PrintToString(c.utf8);
}

}  // namespace

TEST(CodePage, CharactersWithoutAByteAreNamedOnceInTheirOrder) {
  const struct {
    std::u16string text;
    std::u32string missing;
  } cases[] = {
      {u"Plain text? Caf\u00E9 \u20AC\u2122", U""},  // all in the code page, "?" too
      {u"", U""},
      {u"\u0141ukasz \u03A9mega", U"\u0141\u03A9"},
      {u"\u03A9\u0141\u03A9\u0141", U"\u03A9\u0141"},    // each once
      {u"a\U0001F600b", U"\U0001F600"},                  // a surrogate pair is one character
      {u"\u0080\u009E", U"\u0080\u009E"},                // C1 points whose bytes mean other letters
      {u"\u0081", U""},                                  // an undefined byte's own C1 point fits
      {std::u16string(1, u'\xD800') + u"x", U"\xD800"},  // a lone surrogate
  };
  for (const auto& c : cases) {
    EXPECT_EQ(common::charactersWithoutByte(c.text), c.missing)
        << testing::PrintToString(std::u32string(c.text.begin(), c.text.end()));
  }
}

namespace {

// How a name found on disk is taken: as the game's bytes when every character has one, not at
// all when one has none, and as something else when it is no UTF-8.
TEST(CodePage, OnlyWellFormedUtf8WithEveryCharacterInTheCodePageIsExact) {
  const struct {
    std::string bytes;
    bool utf8;
    std::optional<std::string> exact;
  } cases[] = {
      {"Caf\xC3\xA9.jpg", true, "Caf\xE9.jpg"},
      {"What?", true, "What?"},  // a question mark of its own is kept
      {"\xE2\x82\xAC 5", true, "\x80 5"},
      {"", true, ""},
      {"\xE6\x97\xA5.fed", true, std::nullopt},  // no byte for it
      {"Caf\xE9.jpg", false, std::nullopt},      // the game's own bytes, not UTF-8
      {"\xC0\xAF", false, std::nullopt},         // overlong
      {"\xED\xA0\x80", false, std::nullopt},     // a surrogate
      {"a\xC3", false, std::nullopt},            // cut short
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    EXPECT_EQ(common::isUtf8(c.bytes), c.utf8);
    EXPECT_EQ(common::exactCp1252(c.bytes), c.exact);
  }
}

}  // namespace
