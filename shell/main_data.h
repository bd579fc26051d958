#pragma once
// maindata.vl1, the data set's main data file. Lines count from 0. The editor uses only the start
// date, the date new games begin at, on lines 2 to 5: weekday name, day number, month name and
// year. Line 5 is also the start year the roster reads. Every other line belongs to the game and
// is written back exactly as it was read.

#include <cstddef>
#include <string>
#include <vector>

#include "common/io_status.h"
#include "common/line_file.h"

namespace main_data {

inline const std::string fileName = "maindata.vl1";

inline constexpr std::size_t weekdayLine = 2;  // "Monday" to "Sunday"
inline constexpr std::size_t dayLine = 3;      // "1" to "31", no leading zero
inline constexpr std::size_t monthLine = 4;    // "January" to "December"
inline constexpr std::size_t yearLine = 5;     // four digits, "1950" to "2050"
inline constexpr std::size_t minimumLines = yearLine + 1;

// The years the start date editor offers.
inline constexpr int firstYear = 1950;
inline constexpr int lastYear = 2050;

// The day numbers the start date editor offers: "1" to "31".
std::vector<std::string> dayNumbers();

// Reads every line of the file at pathText and checks the start date on it: at least six lines,
// a weekday name on line 2, a day number "1" to "31" on line 3, a month name on line 4 and exactly
// a four-digit year from 1950 to 2050 on line 5. On failure `lines` is left empty and the status
// says, in a sentence for a message box, what is wrong.
common::IoStatus readStartDateFile(const std::string& pathText, std::vector<std::string>& lines,
                                   common::ReadInfo* info = nullptr);

// Reads the first six lines of the file at pathText and gives line 5, the start year, unchanged
// (blanks included). Fails, with `year` left empty, when the file can't be read or is shorter.
common::IoStatus readStartYear(const std::string& pathText, std::string& year);

}  // namespace main_data
