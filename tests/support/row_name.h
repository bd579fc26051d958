#pragma once
// Names for the rows of a parameterised test, from the row's words: each word's letters and
// digits, the word starting with a capital ("two records of one name" -> "TwoRecordsOfOneName").
// A row's name is then the same in every build, never an address or a dump of its bytes.

#include <cctype>
#include <string>
#include <string_view>

inline std::string rowName(std::string_view words) {
  std::string name;
  bool wordStart = true;
  for (const char c : words) {
    const auto byte = static_cast<unsigned char>(c);
    if (!std::isalnum(byte)) {
      wordStart = true;
      continue;
    }
    name += wordStart ? static_cast<char>(std::toupper(byte)) : c;
    wordStart = false;
  }
  return name;
}
