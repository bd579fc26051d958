#include "shell/main_data.h"

#include <algorithm>

#include "common/dates.h"
#include "common/line_file.h"

namespace main_data {

namespace {

// "what" in a message: the line's text in quotes, so that blanks and empty lines show.
std::string inQuotes(const std::string& text) { return "\"" + text + "\""; }

bool isYear(const std::string& text) {
  if (text.size() != 4 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  const int value = std::stoi(text);
  return value >= firstYear && value <= lastYear;
}

template <typename List>
bool isItem(const List& items, const std::string& text) {
  return std::find(items.begin(), items.end(), text) != items.end();
}

// "1 line", "5 lines".
std::string lineCount(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " line" : " lines");
}

std::string cannotRead(const common::IoStatus& status) {
  return fileName + " could not be read. " + status.error;
}

}  // namespace

std::vector<std::string> dayNumbers() {
  std::vector<std::string> days;
  for (int day = 1; day <= 31; ++day) days.push_back(std::to_string(day));
  return days;
}

common::IoStatus readStartDateFile(const std::string& pathText, std::vector<std::string>& lines,
                                   common::ReadInfo* info) {
  lines.clear();
  std::vector<std::string> read;
  if (common::IoStatus status = common::readLines(pathText, read, info); !status) {
    return common::IoStatus::failure(cannotRead(status));
  }
  if (read.size() < minimumLines) {
    return common::IoStatus::failure(fileName + " has " + lineCount(read.size()) +
                                     "; it needs at least " + std::to_string(minimumLines) +
                                     " to hold the start date.");
  }
  if (!isItem(common::weekdayNames, read[weekdayLine])) {
    return common::IoStatus::failure("The start date's day of the week in " + fileName + ", " +
                                     inQuotes(read[weekdayLine]) +
                                     ", is not one of Monday to Sunday.");
  }
  if (!isItem(dayNumbers(), read[dayLine])) {
    return common::IoStatus::failure("The start date's day in " + fileName + ", " +
                                     inQuotes(read[dayLine]) + ", is not a number from 1 to 31.");
  }
  if (!isItem(common::monthNames, read[monthLine])) {
    return common::IoStatus::failure("The start date's month in " + fileName + ", " +
                                     inQuotes(read[monthLine]) +
                                     ", is not one of January to December.");
  }
  if (!isYear(read[yearLine])) {
    return common::IoStatus::failure("The start date's year in " + fileName + ", " +
                                     inQuotes(read[yearLine]) + ", is not a year from " +
                                     std::to_string(firstYear) + " to " + std::to_string(lastYear) +
                                     ".");
  }
  lines = std::move(read);
  return common::IoStatus::success();
}

common::IoStatus readStartYear(const std::string& pathText, std::string& year) {
  year.clear();
  std::vector<std::string> read;
  if (common::IoStatus status = common::readFirstLines(pathText, minimumLines, read); !status) {
    return common::IoStatus::failure(cannotRead(status));
  }
  if (read.size() < minimumLines) {
    return common::IoStatus::failure(fileName + " has no start year: it has " +
                                     lineCount(read.size()) + ", not " +
                                     std::to_string(minimumLines) + ".");
  }
  year = read[yearLine];
  return common::IoStatus::success();
}

}  // namespace main_data
