#include "common/wildcard.h"

namespace common {

namespace {

std::size_t byte(char c) { return static_cast<unsigned char>(c); }

// Ignoring case, a list that takes a letter takes it in either case.
void addOtherCase(std::bitset<256>& members) {
  for (char c = 'a'; c <= 'z'; ++c) {
    const char upper = static_cast<char>(c - 'a' + 'A');
    if (members.test(byte(c)) || members.test(byte(upper))) {
      members.set(byte(c));
      members.set(byte(upper));
    }
  }
}

}  // namespace

// Inside brackets every character stands for itself except: `!` first negates the list; `-`
// between two characters is a range (a range whose ends are the wrong way round accepts nothing);
// `-` first or last is itself; `]` ends the list, except when it comes first (right after `[` or
// `[!`), where it is a member: "[]]" matches "]", "[!]]" anything but "]". Ignoring case, the
// list's letters are taken in both cases before it is negated.
Pattern::Pattern(std::string_view pattern, LetterCase letterCase) {
  const bool ignoreCase = letterCase == LetterCase::Ignored;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '*') {
      if (tokens_.empty() || tokens_.back().kind != Token::Star)
        tokens_.push_back({Token::Star, {}});
    } else if (c == '?') {
      tokens_.push_back({Token::Any, {}});
    } else if (c == '#') {
      tokens_.push_back({Token::Digit, {}});
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
      if (!closed) {
        tokens_.clear();
        valid_ = false;
        return;
      }
      if (ignoreCase) addOtherCase(members);
      if (negated) members.flip();
      tokens_.push_back({Token::Set, members});
      i = j;
    } else {
      std::bitset<256> one;
      one.set(byte(c));
      if (ignoreCase) addOtherCase(one);
      tokens_.push_back({Token::Set, one});
    }
  }
}

bool Pattern::matches(std::string_view text) const {
  if (!valid_) return false;
  const auto accepts = [](const Token& token, char c) {
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
  };

  // Greedy walk that, on a mismatch, lets the most recent star swallow one more character. Since
  // every other token takes exactly one character, only the latest star ever needs to move, so the
  // work is at most text length x pattern length.
  std::size_t t = 0, p = 0;
  std::size_t starToken = tokens_.size(), starText = 0;
  while (t < text.size()) {
    if (p < tokens_.size() && tokens_[p].kind == Token::Star) {
      starToken = p++;
      starText = t;
    } else if (p < tokens_.size() && accepts(tokens_[p], text[t])) {
      ++p;
      ++t;
    } else if (starToken < tokens_.size()) {
      p = starToken + 1;
      t = ++starText;
    } else {
      return false;
    }
  }
  while (p < tokens_.size() && tokens_[p].kind == Token::Star) ++p;
  return p == tokens_.size();
}

bool isValidPattern(std::string_view pattern) { return Pattern(pattern).valid(); }

bool wildcardMatch(std::string_view text, std::string_view pattern) {
  return Pattern(pattern).matches(text);
}

}  // namespace common
