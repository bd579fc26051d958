#include "win32/text.h"

#include <windows.h>

#include "common/code_page.h"
#include "ui/typed_text.h"

namespace win {

std::wstring toWide(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  const int made = MultiByteToWideChar(1252, 0, bytes.data(), size, wide.data(), size);
  wide.resize(static_cast<std::size_t>(made > 0 ? made : 0));
  return wide;
}

std::wstring shownWide(std::string_view bytes) { return toWide(ui::shownText(std::string(bytes))); }

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

std::wstring fromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  const int made = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), size);
  wide.resize(static_cast<std::size_t>(made > 0 ? made : 0));
  return wide;
}

}  // namespace win
