#pragma once
// Texts between the windows, which hold Windows-1252 bytes, and Win32's wide strings.

#include <string>
#include <string_view>

namespace win {

// Windows-1252 bytes as a wide string, every byte one character.
std::wstring toWide(std::string_view bytes);

// What a window shows of a text it does not edit (ui::shownText), as a wide string.
std::wstring shownWide(std::string_view bytes);

// A wide string as Windows-1252 bytes; a character without a byte becomes "?". Check
// unfitCharacters first where the person typed the text.
std::string fromWide(std::wstring_view text);

// The characters of a wide string that the game's files can't hold, each once; empty when it
// all fits.
std::u32string unfitCharacters(std::wstring_view text);

// A UTF-8 text (the messages of ui/typed_text.h) as a wide string.
std::wstring fromUtf8(std::string_view utf8);

}  // namespace win
