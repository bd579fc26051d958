#include "common/record_lines.h"

#include <algorithm>

#include "common/paths.h"

namespace common {

std::size_t completeRecords(std::vector<std::string>& lines, std::size_t recordLength) {
  const std::size_t rest = lines.size() % recordLength;
  if (rest == 0) return 0;
  const auto fragment = lines.end() - static_cast<std::ptrdiff_t>(rest);
  if (std::all_of(fragment, lines.end(), [](const std::string& line) { return line.empty(); })) {
    lines.erase(fragment, lines.end());
    return 0;
  }
  lines.resize(lines.size() + recordLength - rest);
  return recordLength - rest;
}

std::string completedRecordMessage(const std::string& pathText, const std::string& record,
                                   std::size_t linesAdded, const std::string& ending) {
  return "\"" + shownPath(pathText) + "\" ends part of the way through a " + record +
         "'s record. " + std::to_string(linesAdded) +
         (linesAdded == 1 ? " empty line was" : " empty lines were") +
         " added to complete the last " + record + (ending.empty() ? "" : ", " + ending) + ".";
}

}  // namespace common
