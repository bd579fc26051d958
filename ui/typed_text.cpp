#include "ui/typed_text.h"

#include <cstdio>

#include "common/code_page.h"

namespace ui {

namespace {

// Thousands apart, as the person reads a long number.
std::string grouped(std::size_t number) {
  const std::string digits = std::to_string(number);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

}  // namespace

std::string shownText(const std::string& bytes) {
  if (bytes.size() <= shownLength) return bytes;
  // Each byte is one character of the code page: the cut falls between characters.
  constexpr std::size_t tail = 200;
  std::string shown;
  shown.reserve(shownLength);
  shown.append(bytes, 0, shownLength - tail - 3);
  shown.append("...");
  shown.append(bytes, bytes.size() - tail, tail);
  return shown;
}

std::string unfitMessage(const std::u32string& characters) {
  // Each character shown with its code, for those that show as nothing or as a box. A lone
  // surrogate has no UTF-8 form: it is named by its code alone.
  std::string list;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (i > 0) list += i + 1 == characters.size() ? " and " : ", ";
    const char32_t c = characters[i];
    char code[16];
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    list += "\"";
    if (surrogate)
      list += "?";
    else
      common::appendUtf8(list, c);
    list += std::string("\" (U+") + code + ")";
  }
  const bool one = characters.size() == 1;
  return std::string("The game's files can't hold ") +
         (one ? "the character " : "the characters ") + list + ".\r\n\r\nPlease type the text " +
         (one ? "without it." : "without them.");
}

std::string tooLongMessage(std::size_t length) {
  return "The text is " + grouped(length) + " characters long; a box holds at most " +
         grouped(editableLength) + " characters.\r\n\r\nPlease type a shorter text.";
}

std::string presentAnswerNote(std::size_t length) {
  return "\r\n\r\n(The present answer is " + std::to_string(length) +
         " characters long, too long to show here. Leave the box empty to keep it.)";
}

}  // namespace ui
