// Roster files: records of 31 lines read and written verbatim, a file cut short inside a record,
// empty files, failed reads and writes, and wrestlers merged into a roster's records.

#include "roster/roster_file.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/failing_writes.h"
#include "tests/support/game_folder.h"
#include "tests/support/row_name.h"

namespace {

using roster_file::WrestlerRecord;

const std::string rosterPath = "Data/wrestlers.vl1";

// A record whose every value says which wrestler and field it is ("w1f0" ... "w1f30").
WrestlerRecord numbered(int wrestler) {
  WrestlerRecord record;
  for (int f = 0; f < roster_file::fieldCount; ++f)
    record[f] = "w" + std::to_string(wrestler) + "f" + std::to_string(f);
  return record;
}

std::string fileBytes(const std::vector<WrestlerRecord>& records) {
  std::string bytes;
  for (const WrestlerRecord& record : records)
    for (const std::string& value : record) bytes += value + "\r\n";
  return bytes;
}

class RosterFile : public ::testing::Test {
 protected:
  GameFolder folder;
  std::string path() const { return folder.pathText("\\Data\\wrestlers.vl1"); }
  roster_file::Roster read() {
    roster_file::Roster roster;
    common::IoStatus status = roster_file::readRoster(path(), roster);
    EXPECT_TRUE(status.ok) << status.error;
    return roster;
  }
};

TEST_F(RosterFile, FieldsAreTheLinesOfARecordInOrder) {
  EXPECT_EQ(roster_file::names, 0);
  EXPECT_EQ(roster_file::expires, 8);
  EXPECT_EQ(roster_file::roles, 13);
  EXPECT_EQ(roster_file::finishertype, 16);
  EXPECT_EQ(roster_file::injury, 19);
  EXPECT_EQ(roster_file::cond, 21);
  EXPECT_EQ(roster_file::basecountry, 30);
  EXPECT_EQ(roster_file::fieldCount, 31);
}

TEST_F(RosterFile, ReadsEveryValueVerbatimAndWritesItBack) {
  WrestlerRecord first = numbered(0), second = numbered(1);
  first[roster_file::names] = "Andr\xE9 Fontaine";  // a Windows-1252 byte
  first[roster_file::status] = "";                  // an empty line is a value
  first[roster_file::desc] = "  blanks kept  ";
  second[roster_file::names] = first[roster_file::names];  // two of one name both load
  std::string bytes = fileBytes({first, second});
  bytes.resize(bytes.size() - 2);  // the last line has no CR LF
  folder.writeBytes(rosterPath, bytes);

  roster_file::Roster roster = read();
  ASSERT_EQ(roster.records.size(), 2u);
  EXPECT_EQ(roster.records[0], first);
  EXPECT_EQ(roster.records[1], second);
  EXPECT_EQ(roster.linesFilledIn, 0u);

  ASSERT_TRUE(roster_file::writeRoster(path(), roster.records).ok);
  EXPECT_EQ(folder.bytes(rosterPath), bytes + "\r\n");
}

TEST_F(RosterFile, AnEmptyFileIsAnEmptyRosterAndNoRecordsWriteZeroBytes) {
  folder.writeBytes(rosterPath, "");
  EXPECT_TRUE(read().records.empty());
  folder.writeBytes(rosterPath, "x\r\n");
  ASSERT_TRUE(roster_file::writeRoster(path(), {}).ok);
  EXPECT_TRUE(folder.exists(rosterPath));
  EXPECT_EQ(folder.bytes(rosterPath), "");
}

struct CutShort {
  const char* what;
  std::vector<std::string> extraLines;  // after one whole record
  std::size_t records, linesFilledIn;
  friend void PrintTo(const CutShort& c, std::ostream* out) { *out << c.what; }
};

std::vector<std::string> thirtyLinesEndingEmpty() {
  std::vector<std::string> lines(29, "x");
  lines.push_back("");
  return lines;
}

class RosterCutShort : public RosterFile, public ::testing::WithParamInterface<CutShort> {};

TEST_P(RosterCutShort, KeepsEveryValueAndCompletesOnlyARealRecord) {
  std::string bytes = fileBytes({numbered(0)});
  for (const std::string& line : GetParam().extraLines) bytes += line + "\r\n";
  folder.writeBytes(rosterPath, bytes);

  roster_file::Roster roster = read();
  ASSERT_EQ(roster.records.size(), GetParam().records);
  EXPECT_EQ(roster.linesFilledIn, GetParam().linesFilledIn);
  EXPECT_EQ(roster.records[0], numbered(0));
  if (GetParam().records == 2) {
    const WrestlerRecord& cut = roster.records[1];
    const std::size_t kept = GetParam().extraLines.size();
    for (std::size_t f = 0; f < kept; ++f) EXPECT_EQ(cut[f], GetParam().extraLines[f]);
    for (std::size_t f = kept; f < cut.size(); ++f) EXPECT_EQ(cut[f], "") << "field " << f;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, RosterCutShort,
    ::testing::Values(CutShort{"one empty line after the record", {""}, 1, 0},
                      CutShort{"three empty lines", {"", "", ""}, 1, 0},
                      CutShort{"nine lines of a second wrestler",
                               {"Cut Short", "Short", "GCF", "All", "Male", "50", "50", "", "May"},
                               2,
                               22},
                      CutShort{"a name and empty lines", {"Someone", "", ""}, 2, 28},
                      CutShort{"thirty lines, the last one empty", thirtyLinesEndingEmpty(), 2, 1}),
    [](const auto& row) { return rowName(row.param.what); });

TEST_F(RosterFile, AMissingFileIsReportedAndGivesNoRecords) {
  roster_file::Roster roster;
  roster.records.push_back(numbered(0));
  common::IoStatus status = roster_file::readRoster(path(), roster);
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.error.find("wrestlers.vl1"), std::string::npos) << status.error;
  EXPECT_TRUE(roster.records.empty());
}

TEST_F(RosterFile, AFailedWriteLeavesTheOldFileWhole) {
  const std::string old = fileBytes({numbered(7)});
  folder.writeBytes(rosterPath, old);
  common::IoStatus status;
  {
    FailingWrites failing(100, folder.path(rosterPath));
    if (!failing.ok()) GTEST_SKIP() << failing.why();
    status = roster_file::writeRoster(path(), {numbered(0), numbered(1), numbered(2)});
  }
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.error.find("could not be saved"), std::string::npos) << status.error;
  EXPECT_EQ(folder.bytes(rosterPath), old);
  EXPECT_EQ(folder.entries("Data"), std::vector<std::string>{"wrestlers.vl1"});
}

// --- wrestlers merged into a roster's records ---------------------------------------------------

// A record written "name/tag": the name, and a tag that tells the record apart in the other fields.
WrestlerRecord tagged(const std::string& nameAndTag) {
  const std::size_t slash = nameAndTag.rfind('/');
  const std::string tag = nameAndTag.substr(slash + 1);
  WrestlerRecord record;
  for (int f = 0; f < roster_file::fieldCount; ++f) record[f] = tag + "f" + std::to_string(f);
  record[roster_file::names] = nameAndTag.substr(0, slash);
  record[roster_file::desc] = tag;
  return record;
}

struct MergeCase {
  const char* what;
  std::vector<std::string> target, adding;  // records as "name/tag", in order
  std::vector<bool> answers;                // to the questions, in the order they are asked
  std::vector<std::string> asked;           // each question as "tag there<tag added"
  std::vector<std::string> merged;          // the tags of the merged records, in order
  friend void PrintTo(const MergeCase& c, std::ostream* out) { *out << c.what; }
};

class RosterMergeRecords : public ::testing::TestWithParam<MergeCase> {};

TEST_P(RosterMergeRecords, AsksAboutEachRecordOfTheNameAndKeepsTheOrder) {
  const MergeCase& c = GetParam();
  std::vector<WrestlerRecord> target;
  std::map<std::string, WrestlerRecord> byTag;
  for (const std::string& r : c.target)
    byTag[tagged(r)[roster_file::desc]] = target.emplace_back(tagged(r));
  // The wrestlers added, one list per field as the wrestler list holds them.
  roster_file::ColumnValues values;
  for (const std::string& r : c.adding) {
    const WrestlerRecord record = tagged(r);
    byTag[record[roster_file::desc]] = record;
    for (int f = 0; f < roster_file::fieldCount; ++f) values[f].push_back(record[f]);
  }
  roster_file::Columns adding;
  for (int f = 0; f < roster_file::fieldCount; ++f) adding[f] = &values[f];

  std::vector<std::string> asked;
  const std::vector<WrestlerRecord> merged = roster_file::mergeRecords(
      target, adding, [&](const WrestlerRecord& there, const WrestlerRecord& added) {
        EXPECT_EQ(there[roster_file::names], added[roster_file::names]);
        asked.push_back(there[roster_file::desc] + "<" + added[roster_file::desc]);
        return asked.size() <= c.answers.size() && c.answers[asked.size() - 1];
      });

  EXPECT_EQ(asked, c.asked);
  std::vector<WrestlerRecord> expected;
  for (const std::string& tag : c.merged) expected.push_back(byTag.at(tag));
  EXPECT_EQ(merged, expected);  // whole records, every field as it was
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RosterMergeRecords,
    ::testing::Values(MergeCase{"no names in common",
                                {"Ace/t1", "Bo/t2"},
                                {"Cy/a1", "Di/a2"},
                                {},
                                {},
                                {"t1", "t2", "a1", "a2"}},
                      MergeCase{"names differing in case or a blank",
                                {"Ace/t1"},
                                {"ace/a1", "Ace /a2"},
                                {},
                                {},
                                {"t1", "a1", "a2"}},
                      MergeCase{"one match answered Yes",
                                {"Ace/t1", "Bo/t2", "Cy/t3"},
                                {"Bo/a1"},
                                {true},
                                {"t2<a1"},
                                {"t1", "t3", "a1"}},
                      MergeCase{"one match answered No",
                                {"Ace/t1", "Bo/t2", "Cy/t3"},
                                {"Bo/a1"},
                                {false},
                                {"t2<a1"},
                                {"t1", "t2", "t3"}},
                      MergeCase{"two records of one name answered Yes to both",
                                {"Ace/t1", "Bo/t2", "Ace/t3"},
                                {"Ace/a1"},
                                {true, true},
                                {"t1<a1", "t3<a1"},
                                {"t2", "a1"}},
                      MergeCase{"two records of one name answered Yes to the first",
                                {"Ace/t1", "Bo/t2", "Ace/t3"},
                                {"Ace/a1"},
                                {true, false},
                                {"t1<a1", "t3<a1"},
                                {"t2", "t3", "a1"}},
                      MergeCase{"two records of one name answered Yes to the second",
                                {"Ace/t1", "Bo/t2", "Ace/t3"},
                                {"Ace/a1"},
                                {false, true},
                                {"t1<a1", "t3<a1"},
                                {"t1", "t2", "a1"}},
                      MergeCase{"two records of one name answered No to both",
                                {"Ace/t1", "Bo/t2", "Ace/t3"},
                                {"Ace/a1"},
                                {false, false},
                                {"t1<a1", "t3<a1"},
                                {"t1", "t2", "t3"}},
                      MergeCase{"a wrestler added twice answered Yes",
                                {"Bo/t1"},
                                {"Ace/a1", "Ace/a2"},
                                {true},
                                {"a1<a2"},
                                {"t1", "a2"}},
                      MergeCase{"a wrestler added twice answered No",
                                {"Bo/t1"},
                                {"Ace/a1", "Ace/a2"},
                                {false},
                                {"a1<a2"},
                                {"t1", "a1"}},
                      MergeCase{"a wrestler there added twice answered Yes both times",
                                {"Ace/t1"},
                                {"Ace/a1", "Ace/a2"},
                                {true, true},
                                {"t1<a1", "a1<a2"},
                                {"a2"}},
                      MergeCase{"an empty target takes every wrestler in order",
                                {},
                                {"Cy/a1", "Ace/a2", "Bo/a3"},
                                {},
                                {},
                                {"a1", "a2", "a3"}},
                      MergeCase{"nothing to add", {"Ace/t1", "Bo/t2"}, {}, {}, {}, {"t1", "t2"}},
                      MergeCase{"records kept in their order then the ones added",
                                {"Ace/t1", "Bo/t2", "Cy/t3"},
                                {"Bo/a1", "Di/a2", "Ace/a3"},
                                {true, true},
                                {"t2<a1", "t1<a3"},
                                {"t3", "a1", "a2", "a3"}}),
    [](const auto& row) { return rowName(row.param.what); });

}  // namespace
