#pragma once
// venues.txt, the data set's venue table: one venue after another, six lines each, with no header,
// count or end marker. The venue at record k holds lines 6k to 6k+5; the first of them, its name,
// is a name line. Every line is kept as it was read: nothing is trimmed or converted.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "common/io_status.h"
#include "common/line_file.h"

namespace venue_file {

inline const std::string fileName = "venues.txt";

// The lines of one venue, counted from its name line.
inline constexpr std::size_t nameLine = 0;
inline constexpr std::size_t cityStateLine = 1;  // "Tampa, Florida"
inline constexpr std::size_t cityLine = 2;       // "Tampa"
inline constexpr std::size_t capacityLine = 3;   // decimal number text
inline constexpr std::size_t countryLine = 4;    // one of `countries`, or any text from elsewhere
inline constexpr std::size_t exclusiveLine = 5;  // a promotion's initials, or "None"
inline constexpr std::size_t recordLines = 6;

// The countries a venue is listed under, in the order the venue window offers them.
inline const std::array<std::string, 4> countries = {"USA", "UK", "Japan", "Other"};

// The country as the venue window shows it: one of the four as it is, "Other" for any other text.
std::string shownCountry(const std::string& country);

// Reads every line of the file at pathText. A file that ends part of the way through its last
// venue (a line count that is not a multiple of six) is made whole venues, so that every venue
// added after it starts on a name line: a last fragment of only empty lines (a stray line end at
// the end) is dropped, any other is completed with empty lines, and linesFilledIn gives how many.
// On failure `lines` is left empty and the status says why.
common::IoStatus readVenues(const std::string& pathText, std::vector<std::string>& lines,
                            std::size_t& linesFilledIn, common::ReadInfo* info = nullptr);

// Writes the lines back whole, each ended by CR LF, replacing the file atomically; `stamp`, when
// given, receives the written file's.
common::IoStatus writeVenues(const std::string& pathText, const std::vector<std::string>& lines,
                             common::FileStamp* stamp = nullptr);

// The six lines of a new venue: the name, then Miami, Florida, capacity 1000, USA, exclusive to
// nobody.
std::vector<std::string> newVenue(const std::string& name);

// The first of "Default Venue", "Default Venue 1", "Default Venue 2" ... that no venue of the
// lines bears as its name.
std::string firstFreeName(const std::vector<std::string>& lines);

// A typed capacity as stored: the text's leading number as plain decimal text, and "1000" when that
// number is 0 (also for a text without a number).
std::string capacityText(const std::string& typed);

}  // namespace venue_file
