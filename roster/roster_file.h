#pragma once
// Roster files (wrestlers.vl1 and every other *.vl1 roster): wrestler records back to back, 31
// lines each, in the field order below, with no header, count or end marker. Record k takes lines
// 31k to 31k + 30. Every line is a value taken and written verbatim; an empty line is a value too.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "common/io_status.h"
#include "common/line_file.h"

namespace roster_file {

inline const std::string fileName = "wrestlers.vl1";

// The most wrestlers the game reads from a roster file. The editor keeps and writes more; it only
// tells the user.
inline constexpr std::size_t gameWrestlerLimit = 32767;

// The fields of a wrestler record, by their line within the record.
enum Field : int {
  names = 0,          // full name: the key by which the wrestler list finds a wrestler
  shortname = 1,      // short name used in commentary
  promotion = 2,      // the promotion's initials, or "Free Agent"
  brand = 3,          // "Brand 1", "Brand 2" or "All"
  gender = 4,         // "Male" or "Female"
  pop = 5,            // draw value, 0 to 100
  ent = 6,            // in-ring ability, 0 to 100
  desc = 7,           // short description
  expires = 8,        // contract expiry, month name and year: "January 2004"
  wages = 9,          // weekly wage in dollars, as typed
  indybookings = 10,  // "Yes" or "No"
  bookingfee = 11,    // fee per independent appearance, as typed
  multiproms = 12,    // other promotions worked for regularly, or "None"
  roles = 13,         // card position: "1" lower, "2" mid, "3" upper card
  faceheel = 14,      // "Face" or "Heel"
  finisher = 15,      // name of the finishing move
  finishertype = 16,  // "p" pin, "s" submission, "t" top rope
  tagteam = 17,       // the tag team's name, or "no"
  stable = 18,        // the stable's name, or "no"
  injury = 19,        // days until able to wrestle; exactly "0" means available
  status = 20,        // why the wrestler is unavailable, may be empty
  cond = 21,          // condition 1 to 100, or "Inj"
  manager = 22,       // who accompanies the wrestler to the ring, or "no"
  ringstyle = 23,     // "Basic Wrestler", "Big Man", ... "Non-Worker"
  morale = 24,        // 0 to 100
  retire = 25,        // years until retirement is considered, "0", "D" or "R"
  micskills = 26,     // 0 to 100
  hardcore = 27,      // 0 to 100
  weight = 28,        // "Light" or "Heavy"
  charisma = 29,      // 0 to 100
  basecountry = 30,   // "USA", "UK", "Japan" or "Other"
};
inline constexpr int fieldCount = 31;

// One wrestler: the 31 field values, indexed by Field.
using WrestlerRecord = std::array<std::string, fieldCount>;

struct Roster {
  std::vector<WrestlerRecord> records;
  // A file that ends inside a record: how many empty fields were added to complete its last
  // record (0 when the file held whole records, or only empty lines after the last whole one,
  // which are dropped).
  std::size_t linesFilledIn = 0;
};

// A file that ends inside a record: drops a last fragment of only empty lines (a stray line end
// at the end of the file), or completes any other with empty fields. Gives the number of fields
// added; the lines then hold whole records.
std::size_t completeRecords(std::vector<std::string>& lines);

// Splits a roster file's lines into records, completed as above (the lines are moved).
Roster fromLines(std::vector<std::string> lines);

// Reads a roster file. A file of 0 bytes is a valid empty roster. On failure the roster is left
// empty and the status says why, in words for a message box.
common::IoStatus readRoster(const std::string& pathText, Roster& roster);

// A roster held as one list per field, each list its own: values[f][i] is field f of wrestler i.
using ColumnValues = std::array<std::vector<std::string>, fieldCount>;

// Reads a roster file straight into one list per field, each line into its field's list, with no
// list of every line in between. The lists are emptied first and given room for a quarter more
// wrestlers, so that new ones don't move them all. A file that ends inside a record is completed as
// completeRecords does; linesFilledIn gives the number of fields added. On failure the lists are
// left empty and the status says why.
common::IoStatus readRosterColumns(const std::string& pathText, ColumnValues& values,
                                   std::size_t& linesFilledIn, common::ReadInfo* info = nullptr);

// Writes the records, 31 lines each and every line ended by CR LF, replacing the file atomically:
// a failed write leaves the old file as it was. No records write a file of 0 bytes. `stamp`, when
// given, receives the written file's.
common::IoStatus writeRoster(const std::string& pathText,
                             const std::vector<WrestlerRecord>& records,
                             common::WriteMode mode = common::WriteMode::Replace,
                             common::FileStamp* stamp = nullptr);

// A roster held as one list per field: (*columns[f])[i] is field f of wrestler i. Every list
// holds one entry per wrestler.
using Columns = std::array<const std::vector<std::string>*, fieldCount>;

// Writes a roster held as columns, as above; `stamp`, when given, receives the written file's.
common::IoStatus writeRosterColumns(const std::string& pathText, const Columns& columns,
                                    common::FileStamp* stamp = nullptr);

// The question a merge asks about a wrestler whose name is already in the roster: given the
// record there and the one being added, true overwrites the record there.
using OverwriteQuestion =
    std::function<bool(const WrestlerRecord& there, const WrestlerRecord& adding)>;

// Adds wrestlers, held as columns, to a roster's records, by name (exact: case and blanks count),
// one wrestler at a time in their order:
// - a name not in the roster yet is added at the end, without a question;
// - otherwise each record of that name in the roster when the wrestler's turn begins, in roster
//   order, is asked about; one added in an earlier turn is asked about too. Every Yes removes
//   the record there, and the wrestler is added at the end once, however many Yes it had. No to
//   every one leaves the wrestler out.
// Gives the merged records: the target's kept, in their order, then the ones added. Each wrestler
// becomes a record only in its turn, so no second copy of the whole roster is made.
std::vector<WrestlerRecord> mergeRecords(std::vector<WrestlerRecord> target, const Columns& adding,
                                         const OverwriteQuestion& overwrite);

}  // namespace roster_file
