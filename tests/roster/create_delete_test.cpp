// Creating a wrestler under the first free default name, and deleting the wrestler on the sheet.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/roster/roster_session.h"

namespace {

using rostertest::column;
using rostertest::Session;
using rostertest::wrestler;
using Names = std::vector<std::string>;

class CreateDelete : public ::testing::Test, public Session {};

struct FreeName {
  Names taken;
  const char* created;
};

TEST_F(CreateDelete, ANewWrestlerTakesTheFirstFreeDefaultName) {
  const FreeName cases[] = {
      {{}, "New Wrestler"},
      {{"New Wrestler", "New Wrestler 1", "new wrestler 2"}, "New Wrestler 2"},
      {{"New Wrestler 1"}, "New Wrestler"},
      {{"new wrestler", "New Wrestler ", "NEW WRESTLER"}, "New Wrestler"},
      {{"New Wrestler 2", "New Wrestler", "New Wrestler 1", "New Wrestler 3"}, "New Wrestler 4"},
  };
  for (const FreeName& c : cases) {
    SCOPED_TRACE(c.created);
    std::vector<roster_file::WrestlerRecord> roster;
    for (const std::string& name : c.taken) roster.push_back(wrestler(name));
    writeRoster(roster);
    open();
    list.Command2.click();
    EXPECT_EQ(list.newname, c.created);
    EXPECT_EQ(list.names.list(static_cast<int>(c.taken.size())), c.created);
    EXPECT_TRUE(sheet.visible());
    list.madechanges.setCaption("no");
    sheet.Command3.click();
    list.Command1.click();
  }
  EXPECT_TRUE(desktop.dialogs().empty());
}

TEST_F(CreateDelete, CreatingAppendsTheDefaultRecordAndOpensIt) {
  writeRoster({wrestler("Old Hand", "GCF", "5")});
  open();
  list.Command8.click();
  list.Command2.click();

  EXPECT_EQ(list.listpos.caption(), "new");
  EXPECT_EQ(list.rowno.caption(), "1");
  EXPECT_EQ(list.madechanges.caption(), "yes");
  EXPECT_EQ(list.totalnum.caption(), "2");
  EXPECT_EQ(list.contyear.caption(), "2007");
  const roster_file::WrestlerRecord expected = {"New Wrestler",
                                                "New Wrestler",
                                                "Free Agent",
                                                "All",
                                                "Male",
                                                "70",
                                                "70",
                                                "Type your description here.",
                                                "July 2007",
                                                "850",
                                                "No",
                                                "500",
                                                "None",
                                                "2",
                                                "Face",
                                                "Finishing Move",
                                                "p",
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
  EXPECT_EQ(list.record(1), expected);
  EXPECT_EQ(list.record(0), wrestler("Old Hand", "GCF", "5"));
  EXPECT_TRUE(sheet.visible());
  EXPECT_FALSE(list.visible());
  EXPECT_EQ(sheet.Label2.caption(), "New Wrestler");
  EXPECT_EQ(sheet.MSFlexGrid1.textMatrix(roster_file::roles, 1), "Mid Carder");

  // The sheet edits the last record while listpos is "new".
  sheet.MSFlexGrid1.selectCell(roster_file::promotion, 1);
  sheet.Text1.type("LGA");
  sheet.Text1.pressKey(ui::KeyEnter);
  EXPECT_EQ(list.promotion.items(), (Names{"GCF", "LGA"}));

  // Back in the injured listing, the fit newcomer is not listed; a second one is numbered.
  sheet.Command3.click();
  EXPECT_EQ(column(list.MSFlexGrid1), Names{"Old Hand"});
  list.Command2.click();
  EXPECT_EQ(list.newname, "New Wrestler 1");
  EXPECT_EQ(list.totalnum.caption(), "3");
  EXPECT_TRUE(desktop.dialogs().empty());
}

TEST_F(CreateDelete, WithoutAStartYearNoWrestlerIsCreated) {
  for (bool missing : {true, false}) {
    SCOPED_TRACE(missing ? "no maindata.vl1" : "five lines");
    if (missing) {
      std::filesystem::remove(folder.path(rostertest::mainDataFile));
    } else {
      folder.write(rostertest::mainDataFile, {"a", "b", "c", "d", "e"});
    }
    writeRoster({wrestler("Old Hand")});
    open();
    list.listpos.setCaption("0");
    desktop.forget();
    list.Command2.click();
    ASSERT_EQ(desktop.dialogs().size(), 1u);
    EXPECT_EQ(desktop.last().text.rfind("A new wrestler can't be created", 0), 0u);
    EXPECT_NE(desktop.last().text.find("maindata.vl1"), std::string::npos);
    EXPECT_TRUE(list.visible());
    EXPECT_FALSE(sheet.visible());
    for (int f = 0; f < roster_file::fieldCount; ++f)
      EXPECT_EQ(list.field(static_cast<roster_file::Field>(f)).listCount(), 1);
    EXPECT_EQ(list.totalnum.caption(), "1");
    EXPECT_EQ(list.madechanges.caption(), "no");
    EXPECT_EQ(list.listpos.caption(), "0");
    list.Command1.click();
  }
}

TEST_F(CreateDelete, DeleteAsksAndCancelsOnNo) {
  writeRoster({wrestler("Ann"), wrestler("Bo")});
  open();
  pick("Bo");
  desktop.answerNo();
  sheet.Command4.click();
  EXPECT_EQ(
      desktop.messageTexts(),
      (Names{"Are you sure you want to permanently delete this wrestler?", "Delete cancelled."}));
  EXPECT_EQ(desktop.dialogs()[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(desktop.dialogs()[0].icon, ui::Icon::None);
  EXPECT_TRUE(sheet.visible());
  EXPECT_EQ(list.names.items(), (Names{"Ann", "Bo"}));
  EXPECT_EQ(list.totalnum.caption(), "2");
}

TEST_F(CreateDelete, DeleteRemovesTheOpenWrestlerAndListsTheRestAsBefore) {
  writeRoster({wrestler("Twin", "AAA", "3"), wrestler("Cy", "BBB", "0"),
               wrestler("Twin", "CCC", "4"), wrestler("Ann", "ZZZ", "9")});
  open();
  list.Command8.click();
  list.Command6.click();
  pick("Twin");  // the later Twin, number 2
  ASSERT_EQ(list.listpos.caption(), "2");
  desktop.answerYes();
  sheet.Command4.click();
  EXPECT_EQ(desktop.messageTexts(),
            (Names{"Are you sure you want to permanently delete this wrestler?",
                   "This wrestler has been deleted."}));
  EXPECT_EQ(list.names.items(), (Names{"Twin", "Cy", "Ann"}));
  EXPECT_EQ(list.promotion.items(), (Names{"AAA", "BBB", "ZZZ"}));
  for (int f = 0; f < roster_file::fieldCount; ++f)
    EXPECT_EQ(list.field(static_cast<roster_file::Field>(f)).listCount(), 3);
  EXPECT_EQ(list.totalnum.caption(), "3");
  EXPECT_TRUE(list.visible());
  EXPECT_FALSE(sheet.visible());
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Twin", "Ann"}));  // injured, by promotion

  // A wrestler just created is the last record; the older "New Wrestler" stays.
  list.names.setList(2, "New Wrestler");
  list.Command2.click();
  ASSERT_EQ(list.newname, "New Wrestler 1");
  desktop.answerYes();
  sheet.Command4.click();
  EXPECT_EQ(list.names.items(), (Names{"Twin", "Cy", "New Wrestler"}));
  EXPECT_EQ(list.totalnum.caption(), "3");

  // Deleting the last ones leaves an empty table and an empty grid.
  for (const char* name : {"Twin", "Cy", "New Wrestler"}) {
    list.Command7.click();
    pick(name);
    desktop.answerYes();
    sheet.Command4.click();
  }
  EXPECT_EQ(list.wrestlerCount(), 0);
  EXPECT_EQ(list.totalnum.caption(), "0");
  EXPECT_EQ(list.MSFlexGrid1.rows(), 1);
}

}  // namespace
