#include "common/wildcard.h"

#include <bitset>
#include <optional>
#include <vector>

namespace common {

namespace {

// One step of a compiled pattern. Every kind but Star matches exactly one character.
struct Token {
  enum Kind { Star, Any, Digit, Set } kind;
  std::bitset<256> members;  // Set: the characters it accepts
};

std::size_t byte(char c) { return static_cast<unsigned char>(c); }

// Compiles a pattern; nothing when a `[` has no closing `]`.
//
// Inside brackets every character stands for itself except: `!` first negates the list; `-`
// between two characters is a range (a range whose ends are the wrong way round accepts nothing);
// `-` first or last is itself; `]` ends the list, except when it comes first (right after `[` or
// `[!`), where it is a member: "[]]" matches "]", "[!]]" anything but "]".
std::optional<std::vector<Token>> compile(std::string_view pattern) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '*') {
      if (tokens.empty() || tokens.back().kind != Token::Star) tokens.push_back({Token::Star, {}});
    } else if (c == '?') {
      tokens.push_back({Token::Any, {}});
    } else if (c == '#') {
      tokens.push_back({Token::Digit, {}});
    } else if (c == '[') {
      std::size_t j = i + 1;
      const bool negated = j < pattern.size() && pattern[j] == '!';
      if (negated) ++j;
      const std::size_t first = j;
      std::bitset<256> members;
      bool closed = false;
      for (; j < pattern.size(); ++j) {
        const char m = pattern[j];
        if (m == ']' && j > first) {
          closed = true;
          break;
        }
        if (j + 2 < pattern.size() && pattern[j + 1] == '-' && pattern[j + 2] != ']') {
          for (std::size_t k = byte(m); k <= byte(pattern[j + 2]); ++k) members.set(k);
          j += 2;
        } else {
          members.set(byte(m));
        }
      }
      if (!closed) return std::nullopt;
      if (negated) members.flip();
      tokens.push_back({Token::Set, members});
      i = j;
    } else {
      std::bitset<256> one;
      one.set(byte(c));
      tokens.push_back({Token::Set, one});
    }
  }
  return tokens;
}

bool accepts(const Token& token, char c) {
  switch (token.kind) {
    case Token::Any:
      return true;
    case Token::Digit:
      return c >= '0' && c <= '9';
    case Token::Set:
      return token.members.test(byte(c));
    case Token::Star:
      break;
  }
  return false;
}

}  // namespace

bool isValidPattern(std::string_view pattern) { return compile(pattern).has_value(); }

bool wildcardMatch(std::string_view text, std::string_view pattern) {
  const auto compiled = compile(pattern);
  if (!compiled) return false;
  const std::vector<Token>& tokens = *compiled;

  // Greedy walk that, on a mismatch, lets the most recent star swallow one more character. Since
  // every other token takes exactly one character, only the latest star ever needs to move, so the
  // work is at most text length x pattern length.
  std::size_t t = 0, p = 0;
  std::size_t starToken = tokens.size(), starText = 0;
  while (t < text.size()) {
    if (p < tokens.size() && tokens[p].kind == Token::Star) {
      starToken = p++;
      starText = t;
    } else if (p < tokens.size() && accepts(tokens[p], text[t])) {
      ++p;
      ++t;
    } else if (starToken < tokens.size()) {
      p = starToken + 1;
      t = ++starText;
    } else {
      return false;
    }
  }
  while (p < tokens.size() && tokens[p].kind == Token::Star) ++p;
  return p == tokens.size();
}

}  // namespace common
