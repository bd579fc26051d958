#pragma once
// Windows-1252, the game files' code page, to and from UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace common {

// Every byte maps to one code point (the five bytes Windows-1252 leaves undefined map to the C1
// code points of the same value), so a round trip is lossless.
std::string cp1252ToUtf8(std::string_view bytes);

// Appends the UTF-8 form of the code point c (not a surrogate) to out.
void appendUtf8(std::string& out, char32_t c);

// A character with no Windows-1252 byte, or a malformed UTF-8 sequence, becomes "?".
std::string utf8ToCp1252(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or stray bytes).
bool isUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text in which every character has one; nothing when the text
// is not UTF-8 or holds a character the code page has not.
std::optional<std::string> exactCp1252(std::string_view utf8);

// The characters of a UTF-16 text that have no Windows-1252 byte, each once, in the order they
// first appear; "" when the whole text fits. A lone surrogate counts as a character of its own.
std::u32string charactersWithoutByte(std::u16string_view utf16);

}  // namespace common
