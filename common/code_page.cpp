#include "common/code_page.h"

#include <array>
#include <cstdint>

namespace common {

namespace {

// Code points of the bytes 0x80 to 0x9F. The five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 code points of the same value, so every byte survives
// a round trip. Every other byte is its own code point.
constexpr std::array<char32_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t codePoint(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? high[byte - 0x80] : byte;
}

// The byte for a code point, or '?' when the code page has none.
char byteFor(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < high.size(); ++i)
    if (high[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

bool hasByte(char32_t c) { return c == U'?' || byteFor(c) != '?'; }

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char b : bytes) appendUtf8(out, codePoint(static_cast<unsigned char>(b)));
  return out;
}

namespace {

// One character of a UTF-8 text, read from its byte `at`.
struct Decoded {
  char32_t c = 0;
  std::size_t length = 1;  // the bytes it took: a sequence cut short ends before the byte that
                           // cut it, which starts afresh
  bool valid = true;       // false: a stray or malformed byte sequence
};

Decoded decodeAt(std::string_view utf8, std::size_t at) {
  const auto lead = static_cast<unsigned char>(utf8[at]);
  Decoded d;
  d.c = lead;
  if (lead < 0x80) return d;
  // Length and the smallest code point of that length (a shorter form is malformed).
  std::size_t length = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, d.c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, d.c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, d.c = lead & 0x07, least = 0x10000;
  } else {
    d.valid = false;  // a stray continuation byte or a lead no code point can have
    return d;
  }
  // Take the continuation bytes that are there.
  while (d.length < length && at + d.length < utf8.size() &&
         isContinuation(static_cast<unsigned char>(utf8[at + d.length]))) {
    d.c = (d.c << 6) | (static_cast<unsigned char>(utf8[at + d.length]) & 0x3F);
    ++d.length;
  }
  d.valid =
      d.length == length && d.c >= least && d.c <= 0x10FFFF && !(d.c >= 0xD800 && d.c <= 0xDFFF);
  return d;
}

}  // namespace

std::string utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const Decoded d = decodeAt(utf8, i);
    out.push_back(d.valid ? byteFor(d.c) : '?');  // a malformed sequence is one "?"
    i += d.length;
  }
  return out;
}

bool isUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const Decoded d = decodeAt(bytes, i);
    if (!d.valid) return false;
    i += d.length;
  }
  return true;
}

std::optional<std::string> exactCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const Decoded d = decodeAt(utf8, i);
    const char byte = d.valid ? byteFor(d.c) : '?';
    if (!d.valid || (byte == '?' && d.c != U'?')) return std::nullopt;
    out.push_back(byte);
    i += d.length;
  }
  return out;
}

std::u32string charactersWithoutByte(std::u16string_view utf16) {
  std::u32string missing;
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() &&
                      utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
    if (pair) c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    if (!hasByte(c) && missing.find(c) == std::u32string::npos) missing.push_back(c);
  }
  return missing;
}

}  // namespace common
