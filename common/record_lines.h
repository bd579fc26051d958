#pragma once
// Files of fixed-size records, one value a line and the records back to back (the roster's 31
// lines a wrestler, the venue file's six a venue): a file that ends part of the way through its
// last record.

#include <cstddef>
#include <string>
#include <vector>

namespace common {

// Makes the lines whole records of `recordLength` lines. A last fragment of only empty lines (a
// stray line end at the end of the file) is dropped; any other is completed with empty lines.
// Gives the number of lines added, 0 when none were.
std::size_t completeRecords(std::vector<std::string>& lines, std::size_t recordLength);

// What the user is told when the file at pathText was completed so: "<file>" ends part of the way
// through a <record>'s record, and how many empty lines were added to complete the last one. An
// `ending` ("who is listed with the others") follows after a comma.
std::string completedRecordMessage(const std::string& pathText, const std::string& record,
                                   std::size_t linesAdded, const std::string& ending = "");

}  // namespace common
