#include "roster/roster_file.h"

#include <algorithm>
#include <utility>

#include "common/line_file.h"

namespace roster_file {

std::size_t completeRecords(std::vector<std::string>& lines) {
  const std::size_t rest = lines.size() % fieldCount;
  if (rest == 0) return 0;
  const auto fragment = lines.end() - static_cast<std::ptrdiff_t>(rest);
  if (std::all_of(fragment, lines.end(), [](const std::string& line) { return line.empty(); })) {
    lines.erase(fragment, lines.end());
    return 0;
  }
  lines.resize(lines.size() + fieldCount - rest);
  return fieldCount - rest;
}

Roster fromLines(std::vector<std::string> lines) {
  Roster roster;
  roster.linesFilledIn = completeRecords(lines);
  roster.records.resize(lines.size() / fieldCount);
  for (std::size_t i = 0; i < lines.size(); ++i)
    roster.records[i / fieldCount][i % fieldCount] = std::move(lines[i]);
  return roster;
}

common::IoStatus readRoster(const std::string& pathText, Roster& roster) {
  roster = Roster{};
  std::vector<std::string> lines;
  if (common::IoStatus status = common::readLines(pathText, lines); !status) return status;
  roster = fromLines(std::move(lines));
  return common::IoStatus::success();
}

common::IoStatus writeRoster(const std::string& pathText,
                             const std::vector<WrestlerRecord>& records) {
  return common::writeLines(pathText, records.size() * fieldCount,
                            [&records](std::size_t k) -> const std::string& {
                              return records[k / fieldCount][k % fieldCount];
                            });
}

common::IoStatus writeRosterColumns(const std::string& pathText, const Columns& columns) {
  return common::writeLines(pathText, columns[names]->size() * fieldCount,
                            [&columns](std::size_t k) -> const std::string& {
                              return (*columns[k % fieldCount])[k / fieldCount];
                            });
}

}  // namespace roster_file
