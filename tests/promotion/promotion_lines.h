#pragma once
// Promotions for the tests of the fill and the save: a new promotion's lines with some changed.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "promotion/promotion_file.h"

namespace promotionlines {

// Lines to change, each its index and its new text.
using Edits = std::vector<std::pair<std::size_t, std::string>>;

// The new promotion's lines (which pass every save check) with the edits made, in order.
inline std::vector<std::string> promotionWith(const Edits& edits) {
  std::vector<std::string> lines = promotion_file::templateLines();
  for (const auto& [line, text] : edits) lines.at(line) = text;
  return lines;
}

}  // namespace promotionlines
