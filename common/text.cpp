#include "common/text.h"

#include <algorithm>

namespace common {

std::string lowerText(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
      c = static_cast<char>(byte + 0x20);  // À..Þ, but not the multiplication sign ×
    } else if (byte == 0x8A || byte == 0x8C || byte == 0x8E) {
      c = static_cast<char>(byte + 0x10);  // Š, Œ, Ž
    } else if (byte == 0x9F) {
      c = static_cast<char>(0xFF);  // Ÿ
    }
  }
  return lower;
}

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
