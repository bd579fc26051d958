#pragma once
// Small text helpers shared by the folder listings, the file list's patterns and the grid's sort.

#include <string>
#include <string_view>

namespace common {

// The letter in lower case when it is an ASCII capital; every other byte as it is. Inline: sorts
// call it for every byte they compare.
inline char lowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text with every capital letter of the game's code page (Windows-1252) in lower case: the
// ASCII capitals and the accented ones ("\xC9" for É becomes "\xE9" for é, "\x8A" for Š "\x9A").
// Every other byte stays.
std::string lowerText(std::string_view text);

// Orders texts without regard to ASCII case; texts equal but for case are ordered by their bytes
// (as unsigned values).
bool lessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace common
