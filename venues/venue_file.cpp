#include "venues/venue_file.h"

#include <algorithm>
#include <unordered_set>

#include "common/line_file.h"
#include "common/number_text.h"
#include "common/record_lines.h"

namespace venue_file {

std::string shownCountry(const std::string& country) {
  return std::find(countries.begin(), countries.end(), country) != countries.end() ? country
                                                                                   : "Other";
}

common::IoStatus readVenues(const std::string& pathText, std::vector<std::string>& lines,
                            std::size_t& linesFilledIn, common::ReadInfo* info) {
  linesFilledIn = 0;
  common::IoStatus status = common::readLines(pathText, lines, info);
  if (status) linesFilledIn = common::completeRecords(lines, recordLines);
  return status;
}

common::IoStatus writeVenues(const std::string& pathText, const std::vector<std::string>& lines,
                             common::FileStamp* stamp) {
  return common::writeLines(pathText, lines, common::WriteMode::Replace, stamp);
}

std::vector<std::string> newVenue(const std::string& name) {
  return {name, "Miami, Florida", "Florida", "1000", "USA", "None"};
}

std::string firstFreeName(const std::vector<std::string>& lines) {
  std::unordered_set<std::string> names;
  for (std::size_t i = nameLine; i < lines.size(); i += recordLines) names.insert(lines[i]);
  std::string candidate = "Default Venue";
  for (int number = 1; names.count(candidate) != 0; ++number)
    candidate = "Default Venue " + std::to_string(number);
  return candidate;
}

std::string capacityText(const std::string& typed) {
  const double value = common::numberValue(typed);
  return value == 0 ? "1000" : common::numberText(value);
}

}  // namespace venue_file
