#pragma once
// Wildcard patterns for the program's own name tests and the file lists: `*` any run of
// characters, `?` one character, `#` one digit, `[...]` one of a list of characters (ranges like
// `a-z`), `[!...]` one character not in the list. A `[` without its `]` makes the pattern invalid.
// Case-sensitive, or ignoring the case of ASCII letters.

#include <bitset>
#include <string_view>
#include <vector>

namespace common {

enum class LetterCase { Sensitive, Ignored };

// A pattern compiled once, to be matched against any number of texts.
class Pattern {
 public:
  explicit Pattern(std::string_view pattern, LetterCase letterCase = LetterCase::Sensitive);

  bool valid() const { return valid_; }
  // Whether the whole text matches. An invalid pattern matches nothing. Iterative: no exponential
  // backtracking.
  bool matches(std::string_view text) const;

 private:
  // One step of the pattern. Every kind but Star matches exactly one character.
  struct Token {
    enum Kind { Star, Any, Digit, Set } kind;
    std::bitset<256> members;  // Set: the characters it accepts
  };
  std::vector<Token> tokens_;
  bool valid_ = true;
};

bool isValidPattern(std::string_view pattern);

// One text against a pattern used once; a pattern matched against many texts is compiled once
// as a Pattern.
bool wildcardMatch(std::string_view text, std::string_view pattern);

}  // namespace common
