#include "common/text.h"

#include <algorithm>

namespace common {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool lessIgnoringCase(std::string_view a, std::string_view b) {
  const auto differ = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                    [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
  if (differ.first == a.end() || differ.second == b.end()) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;  // bytes, compared as unsigned values
  }
  return static_cast<unsigned char>(lowerAscii(*differ.first)) <
         static_cast<unsigned char>(lowerAscii(*differ.second));
}

}  // namespace common
