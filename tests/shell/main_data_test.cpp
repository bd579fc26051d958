// The start year as the roster reads it from maindata.vl1: line 5 as it stands.

#include "shell/main_data.h"

#include <gtest/gtest.h>

#include <string>

#include "common/paths.h"
#include "tests/support/game_folder.h"

namespace {

struct YearFile {
  const char* name;
  std::string bytes;  // "" with missing: no file at all
  bool missing;
  bool ok;
  std::string year;
};

std::ostream& operator<<(std::ostream& out, const YearFile& file) { return out << file.name; }

class MainDataStartYear : public ::testing::TestWithParam<YearFile> {};

TEST_P(MainDataStartYear, IsLineFiveUnchangedWhenTheFileHasSixLines) {
  GameFolder folder;
  if (!GetParam().missing) folder.writeBytes("Data/maindata.vl1", GetParam().bytes);
  std::string year = "left over";
  const common::IoStatus status =
      main_data::readStartYear(common::dataFilePath("\\Data\\", main_data::fileName), year);

  EXPECT_EQ(status.ok, GetParam().ok) << status.error;
  EXPECT_EQ(year, GetParam().year);
  if (!status.ok) {
    EXPECT_NE(status.error.find("maindata.vl1"), std::string::npos) << status.error;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, MainDataStartYear,
    ::testing::Values(
        YearFile{"SixLines", "a\r\nb\r\nSunday\r\n1\r\nJanuary\r\n2004", false, true, "2004"},
        YearFile{"BlanksKept", "a\r\nb\r\nSunday\r\n1\r\nJanuary\r\n 2004 \r\nmore\r\n", false,
                 true, " 2004 "},
        YearFile{"NotCheckedAsADate", "\n\n\n\n\nabc\n", false, true, "abc"},
        YearFile{"FiveLines", "a\r\nb\r\nSunday\r\n1\r\nJanuary\r\n", false, false, ""},
        YearFile{"Empty", "", false, false, ""}, YearFile{"Missing", "", true, false, ""}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
