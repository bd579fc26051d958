#pragma once
// Small text helpers shared by the folder listings, the file list's patterns and the grid's sort.

#include <string_view>

namespace common {

// The letter in lower case when it is an ASCII capital; every other byte as it is.
char lowerAscii(char c);

// Orders texts without regard to ASCII case; texts equal but for case are ordered by their bytes
// (as unsigned values).
bool lessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace common
