#include "roster/roster_file.h"

#include <algorithm>
#include <utility>

#include "common/line_file.h"

namespace roster_file {

Roster fromLines(std::vector<std::string> lines) {
  Roster roster;
  const std::size_t whole = lines.size() / fieldCount;
  const std::size_t rest = lines.size() % fieldCount;
  const auto fragment = lines.begin() + static_cast<std::ptrdiff_t>(whole * fieldCount);
  // Empty lines after the last whole record are no wrestler (a stray line end at the end of the
  // file); any other fragment is a wrestler cut short, kept and completed with empty fields so
  // that nothing of it is lost at the next save.
  const bool keepFragment =
      rest > 0 &&
      std::any_of(fragment, lines.end(), [](const std::string& l) { return !l.empty(); });
  roster.records.resize(whole + (keepFragment ? 1 : 0));
  for (std::size_t i = 0; i < lines.size() && i / fieldCount < roster.records.size(); ++i)
    roster.records[i / fieldCount][i % fieldCount] = std::move(lines[i]);
  if (keepFragment) roster.linesFilledIn = fieldCount - rest;
  return roster;
}

common::IoStatus readRoster(const std::string& pathText, Roster& roster) {
  roster = Roster{};
  std::vector<std::string> lines;
  if (common::IoStatus status = common::readLines(pathText, lines); !status) return status;
  roster = fromLines(std::move(lines));
  return common::IoStatus::success();
}

common::IoStatus writeRoster(const std::string& pathText, std::vector<WrestlerRecord> records) {
  std::vector<std::string> lines;
  lines.reserve(records.size() * fieldCount);
  for (WrestlerRecord& record : records) {
    for (std::string& value : record) lines.push_back(std::move(value));
  }
  return common::writeLines(pathText, lines);
}

}  // namespace roster_file
