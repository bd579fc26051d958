#include "roster/roster_file.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "common/line_file.h"
#include "common/record_lines.h"

namespace roster_file {

std::size_t completeRecords(std::vector<std::string>& lines) {
  return common::completeRecords(lines, fieldCount);
}

Roster fromLines(std::vector<std::string> lines) {
  Roster roster;
  roster.linesFilledIn = completeRecords(lines);
  roster.records.resize(lines.size() / fieldCount);
  for (std::size_t i = 0; i < lines.size(); ++i)
    roster.records[i / fieldCount][i % fieldCount] = std::move(lines[i]);
  return roster;
}

common::IoStatus readRosterColumns(const std::string& pathText, ColumnValues& values,
                                   std::size_t& linesFilledIn, common::ReadInfo* info) {
  linesFilledIn = 0;
  for (std::vector<std::string>& column : values) column.clear();
  std::size_t field = 0;  // the field of the next line
  common::IoStatus status = common::forEachLine(
      pathText,
      [&values](std::size_t lines) {
        const std::size_t count = lines / fieldCount + 1;
        for (std::vector<std::string>& column : values) column.reserve(count + count / 4 + 16);
      },
      [&values, &field](std::string_view line) {
        values[field].emplace_back(line);
        if (++field == fieldCount) field = 0;
      },
      info);
  if (!status) {
    for (std::vector<std::string>& column : values) column.clear();
    return status;
  }
  // A last record cut short: dropped when it holds only empty lines, else completed.
  const std::size_t rest = field;
  if (rest == 0) return status;
  if (std::all_of(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rest),
                  [](const std::vector<std::string>& column) { return column.back().empty(); })) {
    for (std::size_t f = 0; f < rest; ++f) values[f].pop_back();
    return status;
  }
  for (std::size_t f = rest; f < fieldCount; ++f) values[f].emplace_back();
  linesFilledIn = fieldCount - rest;
  return status;
}

common::IoStatus readRoster(const std::string& pathText, Roster& roster) {
  roster = Roster{};
  ColumnValues values;
  if (common::IoStatus status = readRosterColumns(pathText, values, roster.linesFilledIn); !status)
    return status;
  roster.records.resize(values[names].size());
  for (std::size_t f = 0; f < fieldCount; ++f)
    for (std::size_t i = 0; i < roster.records.size(); ++i)
      roster.records[i][f] = std::move(values[f][i]);
  return common::IoStatus::success();
}

common::IoStatus writeRoster(const std::string& pathText,
                             const std::vector<WrestlerRecord>& records, common::WriteMode mode,
                             common::FileStamp* stamp) {
  return common::writeLines(
      pathText, records.size() * fieldCount,
      [&records](std::size_t k) -> const std::string& {
        return records[k / fieldCount][k % fieldCount];
      },
      mode, stamp);
}

common::IoStatus writeRosterColumns(const std::string& pathText, const Columns& columns,
                                    common::FileStamp* stamp) {
  return common::writeLines(
      pathText, columns[names]->size() * fieldCount,
      [&columns](std::size_t k) -> const std::string& {
        return (*columns[k % fieldCount])[k / fieldCount];
      },
      common::WriteMode::Replace, stamp);
}

std::vector<WrestlerRecord> mergeRecords(std::vector<WrestlerRecord> target, const Columns& adding,
                                         const OverwriteQuestion& overwrite) {
  const std::size_t count = adding[names]->size();
  // The merged roster as slots in their order, a slot taken out when a wrestler replaces it, and
  // each name's slots, so that a wrestler is compared only with the records of its own name.
  std::vector<WrestlerRecord> slots = std::move(target);
  slots.reserve(slots.size() + count);  // never moved again
  std::vector<bool> removed(slots.size(), false);
  std::unordered_map<std::string, std::vector<std::size_t>> slotsByName;
  slotsByName.reserve(slots.size() + count);
  for (std::size_t s = 0; s < slots.size(); ++s) slotsByName[slots[s][names]].push_back(s);

  for (std::size_t i = 0; i < count; ++i) {
    WrestlerRecord wrestler;
    for (std::size_t f = 0; f < fieldCount; ++f) wrestler[f] = (*adding[f])[i];
    std::vector<std::size_t>& sameName = slotsByName[wrestler[names]];
    // The records of this name when the turn begins; the one added in this turn is not compared.
    const std::vector<std::size_t> matches = sameName;
    bool overwritten = false;
    for (const std::size_t s : matches) {
      if (!overwrite(slots[s], wrestler)) continue;
      removed[s] = true;
      std::erase(sameName, s);
      overwritten = true;
    }
    // Yes to two records of one name replaces both with one copy of the wrestler.
    if (matches.empty() || overwritten) {
      sameName.push_back(slots.size());
      slots.push_back(std::move(wrestler));
      removed.push_back(false);
    }
  }

  // The slots kept, closed up in one pass.
  std::size_t kept = 0;
  for (std::size_t s = 0; s < slots.size(); ++s) {
    if (removed[s]) continue;
    if (kept != s) slots[kept] = std::move(slots[s]);
    ++kept;
  }
  slots.resize(kept);
  return slots;
}

}  // namespace roster_file
