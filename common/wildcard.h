#pragma once
// Wildcard patterns for the program's own name tests: `*` any run of characters, `?` one
// character, `#` one digit, `[...]` one of a list of characters (ranges like `a-z`), `[!...]` one
// character not in the list. Case-sensitive. A `[` without its `]` makes the pattern invalid.

#include <string_view>

namespace common {

bool isValidPattern(std::string_view pattern);

// Whether the whole text matches the pattern. An invalid pattern matches nothing. Iterative: no
// exponential backtracking.
bool wildcardMatch(std::string_view text, std::string_view pattern);

}  // namespace common
