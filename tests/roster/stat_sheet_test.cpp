// The stat sheet: the 31 rows a wrestler is shown on, coded values decoded, a new wrestler's
// values, the idle editor.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/roster/roster_session.h"

namespace {

using rostertest::Session;
using rostertest::wrestler;
using Names = std::vector<std::string>;

const Names gridLabels = {"Full Name",
                          "Short Name",
                          "Promotion",
                          "Brand",
                          "Gender",
                          "Draw Value",
                          "Ability",
                          "Description",
                          "Contract Expires",
                          "Weekly Wages ($)",
                          "Indy Bookings",
                          "Cost Per Appearance",
                          "Regular Promotions",
                          "Role",
                          "Disposition",
                          "Finisher",
                          "Finisher Type",
                          "Tag Team",
                          "Stable",
                          "Injury Time",
                          "Status",
                          "Condition",
                          "Valet",
                          "Ring Style",
                          "Morale",
                          "Retire",
                          "Mic Skills",
                          "Hardcore Ability",
                          "Weight Class",
                          "Charisma",
                          "Base Country"};

class StatSheet : public ::testing::Test, public Session {
 protected:
  // Opens the list on these wrestlers and the sheet on the one named.
  void openSheet(const std::vector<roster_file::WrestlerRecord>& roster, const std::string& name) {
    writeRoster(roster);
    open();
    pick(name);
  }

  void expectIdle() {
    EXPECT_EQ(sheet.Label1.caption(), "Click on a stat above to edit");
    EXPECT_EQ(sheet.infobox.caption(), "");
    for (const ui::Control* editorControl :
         std::vector<const ui::Control*>{&sheet.Text1, &sheet.Command1, &sheet.Command2,
                                         &sheet.HScroll1, &sheet.scrollnum, &sheet.Combo1})
      EXPECT_FALSE(editorControl->visible()) << editorControl->name();
    EXPECT_TRUE(sheet.MSFlexGrid1.enabled());
    EXPECT_TRUE(sheet.Command3.enabled());
    EXPECT_TRUE(sheet.Command4.enabled());
    EXPECT_EQ(sheet.MSFlexGrid1.row(), 0);
    EXPECT_EQ(sheet.MSFlexGrid1.col(), 1);
  }
};

struct Decoded {
  roster_file::Field field;
  const char* stored;
  const char* shown;
};

TEST_F(StatSheet, ShowsEveryStoredValueAsStoredButTheCodedOnes) {
  const Decoded cases[] = {
      {roster_file::roles, "1", "Lower Carder"},
      {roster_file::roles, "2", "Mid Carder"},
      {roster_file::roles, "3", "Upper Carder"},
      {roster_file::roles, "4", ""},
      {roster_file::roles, "", ""},
      {roster_file::roles, " 2", ""},
      {roster_file::finishertype, "p", "Pin"},
      {roster_file::finishertype, "s", "Submission"},
      {roster_file::finishertype, "t", "Top Rope"},
      {roster_file::finishertype, "P", "P"},
      {roster_file::finishertype, "", ""},
      {roster_file::pop, "150", "150"},
      {roster_file::morale, "Inj", "Inj"},
      {roster_file::status, "", ""},
      {roster_file::brand, "Brand 9", "Brand 9"},
  };
  for (const Decoded& c : cases) {
    SCOPED_TRACE(std::string(c.stored) + " in field " + std::to_string(c.field));
    auto record = wrestler("Dax Ravenhurst");
    record[c.field] = c.stored;
    openSheet({wrestler("Other One"), record}, "Dax Ravenhurst");
    ASSERT_TRUE(sheet.visible());
    EXPECT_FALSE(list.visible());
    EXPECT_EQ(sheet.Label2.caption(), "Dax Ravenhurst");
    EXPECT_EQ(sheet.MSFlexGrid1.textMatrix(c.field, 1), c.shown);
    EXPECT_EQ(sheet.MSFlexGrid1.textMatrix(roster_file::names, 1), "Dax Ravenhurst");
    expectIdle();
    sheet.Command3.click();
    desktop.answerNo();
    list.Command1.click();
  }
}

TEST_F(StatSheet, LabelsTheRowsInWhiteBoldOnNavyAndKeepsNoFormatInTheValues) {
  auto record = wrestler("Dax Ravenhurst");
  openSheet({record}, "Dax Ravenhurst");
  const ui::Grid& grid = sheet.MSFlexGrid1;
  ASSERT_EQ(grid.rows(), 31);
  ASSERT_EQ(grid.cols(), 2);
  EXPECT_EQ(grid.fixedRows(), 0);
  EXPECT_EQ(grid.fixedCols(), 0);
  for (int r = 0; r < 31; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(grid.textMatrix(r, 0), gridLabels[static_cast<std::size_t>(r)]);
    EXPECT_EQ(grid.cellFormat(r, 0).backColor, ui::navy);
    EXPECT_EQ(grid.cellFormat(r, 0).foreColor, ui::white);
    EXPECT_TRUE(grid.cellFormat(r, 0).bold);
    EXPECT_EQ(grid.cellFormat(r, 1), ui::CellFormat{});
    EXPECT_EQ(grid.textMatrix(r, 1),
              stat_table::shownValue(stat_table::rows()[r], record[static_cast<std::size_t>(r)]));
  }
}

// A new wrestler as "Create New Wrestler" leaves the list: appended, listpos "new".
struct NewCase {
  const char* startYear;  // nullptr: no maindata.vl1
  const char* expiry;
};

TEST_F(StatSheet, ANewWrestlerShowsItsGeneratedNameAndTheDefaults) {
  const NewCase cases[] = {
      {"2004", "July 2007"}, {"", "July 3"}, {"2004 season", "July 2007"}, {nullptr, "July 1999"}};
  for (const NewCase& c : cases) {
    SCOPED_TRACE(c.startYear ? c.startYear : "no maindata.vl1");
    if (c.startYear) {
      folder.write(rostertest::mainDataFile, rostertest::mainData(c.startYear));
    } else {
      std::filesystem::remove(folder.path(rostertest::mainDataFile));
    }
    writeRoster({wrestler("New Wrestler")});
    open();
    list.newname = "New Wrestler 1";
    list.appendRecord(stat_table::newWrestler(list.newname, "1999"));
    list.listpos.setCaption("new");
    list.showinfo();

    EXPECT_TRUE(sheet.visible());
    EXPECT_EQ(sheet.Label2.caption(), "New Wrestler");
    const Names expected = {"New Wrestler 1",
                            "New Wrestler 1",
                            "Free Agent",
                            "All",
                            "Male",
                            "70",
                            "70",
                            "Type your description here.",
                            c.expiry,
                            "850",
                            "No",
                            "500",
                            "None",
                            "Mid Carder",
                            "Face",
                            "Finishing Move",
                            "Pin",
                            "no",
                            "no",
                            "0",
                            "",
                            "100",
                            "no",
                            "Basic Wrestler",
                            "75",
                            "15",
                            "70",
                            "70",
                            "Heavy",
                            "70",
                            "USA"};
    EXPECT_EQ(sheetValues(), expected);
    expectIdle();
    if (c.startYear) {
      EXPECT_EQ(list.contyear.caption(), std::string(c.expiry).substr(5));
    }
    sheet.Command3.click();
    list.madechanges.setCaption("no");
    list.Command1.click();
  }
}

TEST_F(StatSheet, NewWrestlerRecordHoldsTheCodesOfItsChoices) {
  const roster_file::WrestlerRecord record = stat_table::newWrestler("Fresh", "2007");
  EXPECT_EQ(record[roster_file::names], "Fresh");
  EXPECT_EQ(record[roster_file::shortname], "Fresh");
  EXPECT_EQ(record[roster_file::expires], "July 2007");
  EXPECT_EQ(record[roster_file::roles], "2");
  EXPECT_EQ(record[roster_file::finishertype], "p");
  EXPECT_EQ(record[roster_file::status], "");
  EXPECT_EQ(record[roster_file::tagteam], "no");
}

}  // namespace
