#include "win32/text.h"

#include <windows.h>

#include <cstdio>

#include "common/code_page.h"

namespace win {

std::wstring toWide(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  const int made = MultiByteToWideChar(1252, 0, bytes.data(), size, wide.data(), size);
  wide.resize(static_cast<std::size_t>(made > 0 ? made : 0));
  return wide;
}

std::string fromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  // One byte for each UTF-16 unit is always enough: a pair without a byte becomes one "?".
  std::string bytes(static_cast<std::size_t>(size), '\0');
  const int made = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(),
                                       size, "?", nullptr);
  bytes.resize(static_cast<std::size_t>(made > 0 ? made : 0));
  return bytes;
}

std::u32string unfitCharacters(std::wstring_view text) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return common::charactersWithoutByte(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

namespace {

std::wstring character(char32_t c) {
  if (c < 0x10000) return std::wstring(1, static_cast<wchar_t>(c));
  const char32_t high = c - 0x10000;
  return {static_cast<wchar_t>(0xD800 + (high >> 10)),
          static_cast<wchar_t>(0xDC00 + (high & 0x3FF))};
}

}  // namespace

std::wstring unfitMessage(const std::u32string& characters) {
  // Each character shown with its code, for those that show as nothing or as a box.
  std::wstring list;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (i > 0) list += i + 1 == characters.size() ? L" and " : L", ";
    wchar_t code[16];
    std::swprintf(code, 16, L"%04X", static_cast<unsigned>(characters[i]));
    list += L"\"" + character(characters[i]) + L"\" (U+" + code + L")";
  }
  const bool one = characters.size() == 1;
  return std::wstring(L"The game's files can't hold ") +
         (one ? L"the character " : L"the characters ") + list + L".\r\n\r\nPlease type the text " +
         (one ? L"without it." : L"without them.");
}

}  // namespace win
