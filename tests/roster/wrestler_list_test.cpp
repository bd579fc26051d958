// The wrestler list: loading the roster, the grid's listings, sorts and search, opening a wrestler
// and coming back, saving and leaving, and rosters that can't be read or end inside a record.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/roster/roster_session.h"

namespace {

using rostertest::column;
using rostertest::rosterFile;
using rostertest::Session;
using rostertest::wrestler;
using Names = std::vector<std::string>;

class WrestlerList : public ::testing::Test, public Session {};

TEST_F(WrestlerList, RoundTripKeepsTheFileByteForByteWhateverTheGridShows) {
  auto zoe = wrestler("Zo\xE9 Marchand", "DVW", "0");
  auto abe = wrestler("Abe Kettle", "SRG", "14");
  zoe[roster_file::status] = "";
  zoe[roster_file::desc] = "  blanks stay  ";
  std::string bytes = rostertest::rosterBytes({zoe, abe});
  bytes.resize(bytes.size() - 2);  // the last line has no CR LF
  folder.writeBytes(rosterFile, bytes);

  open();
  EXPECT_TRUE(list.visible());
  EXPECT_FALSE(editor.form14.visible());
  EXPECT_TRUE(editor.form14.Command2.enabled());
  EXPECT_EQ(editor.form14.Command2.pointer(), ui::Pointer::Normal);
  EXPECT_EQ(list.totalnum.caption(), "2");
  EXPECT_EQ(list.MSFlexGrid1.textMatrix(0, 0), "Wrestler Name");
  EXPECT_EQ(list.MSFlexGrid1.textMatrix(0, 1), "Promotion");
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Abe Kettle", "Zo\xE9 Marchand"}));
  EXPECT_EQ(column(list.MSFlexGrid1, 1), (Names{"SRG", "DVW"}));
  EXPECT_EQ(list.names.items(), (Names{"Zo\xE9 Marchand", "Abe Kettle"}));  // the file's order

  list.Command6.click();
  EXPECT_EQ(list.sortbutton.caption(), "promotion");
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Zo\xE9 Marchand", "Abe Kettle"}));
  list.Command5.click();
  EXPECT_EQ(list.sortbutton.caption(), "name");
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Abe Kettle", "Zo\xE9 Marchand"}));
  list.Command8.click();
  EXPECT_EQ(list.showbutton.caption(), "injured");
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Abe Kettle"}));
  list.Command6.click();

  list.Command4.click();
  EXPECT_EQ(desktop.messageTexts(), (Names{"Saved OK."}));
  EXPECT_EQ(desktop.last().icon, ui::Icon::None);
  EXPECT_EQ(folder.bytes(rosterFile), bytes + "\r\n");
  EXPECT_EQ(list.madechanges.caption(), "no");
}

TEST_F(WrestlerList, AMissingRosterIsMadeEmptyAndListsNobody) {
  open();
  EXPECT_TRUE(folder.exists(rosterFile));
  EXPECT_EQ(folder.bytes(rosterFile), "");
  EXPECT_TRUE(list.visible());
  EXPECT_EQ(list.MSFlexGrid1.rows(), 1);
  EXPECT_EQ(list.MSFlexGrid1.textMatrix(0, 0), "Wrestler Name");
  EXPECT_EQ(list.totalnum.caption(), "0");
  EXPECT_EQ(list.wrestlerCount(), 0);
  EXPECT_TRUE(desktop.dialogs().empty());

  list.Command4.click();  // an empty table saves an empty file
  EXPECT_EQ(folder.bytes(rosterFile), "");
}

struct SearchCase {
  const char* typed;
  Names listed;
  const char* message;  // "" for none
};

TEST_F(WrestlerList, SearchListsTheNamesThatMatchWhateverTheirCase) {
  const std::string none = "No results were found which matched your search.";
  writeRoster({wrestler("Dax Ravenhurst"), wrestler("Lee Bodine"), wrestler("Kenny 2Tone"),
               wrestler(""), wrestler("Steel Reed"), wrestler("DEE DEE"),
               wrestler("Andr\xC9 Fontaine")});
  const SearchCase cases[] = {
      {"dax", {"Dax Ravenhurst"}, ""},
      {"DAX", {"Dax Ravenhurst"}, ""},
      {"ee", {"DEE DEE", "Lee Bodine", "Steel Reed"}, ""},
      {"#", {"Kenny 2Tone"}, ""},
      {"?ee*", {"DEE DEE", "Lee Bodine", "Steel Reed"}, ""},
      {"andr\xE9", {"Andr\xC9 Fontaine"}, ""},
      {"*",
       {"", "Andr\xC9 Fontaine", "Dax Ravenhurst", "DEE DEE", "Kenny 2Tone", "Lee Bodine",
        "Steel Reed"},
       ""},
      {"zzz", {}, none.c_str()},
      {"[", {}, none.c_str()},
  };
  open();
  list.Command8.click();  // a search looks at every wrestler, whatever the filter
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.typed);
    desktop.forget();
    list.Text1.type(c.typed);
    list.Text1.pressKey('a');  // only Enter searches
    EXPECT_TRUE(desktop.dialogs().empty());
    list.Text1.pressKey(ui::KeyEnter);
    EXPECT_EQ(column(list.MSFlexGrid1), c.listed);
    EXPECT_EQ(desktop.messageTexts(), std::string(c.message).empty() ? Names{} : Names{c.message});
    if (!desktop.dialogs().empty()) {
      EXPECT_EQ(desktop.last().icon, ui::Icon::Information);
    }
    EXPECT_EQ(list.Text1.text(), c.typed);
    EXPECT_EQ(list.showbutton.caption(), "injured");
    EXPECT_EQ(list.totalnum.caption(), "7");
  }

  // An empty search box: its own message, and the grid stays as it was.
  list.Text1.type("ee");
  list.Text1.pressKey(ui::KeyEnter);
  desktop.forget();
  list.Text1.type("");
  list.Text1.pressKey(ui::KeyEnter);
  EXPECT_EQ(desktop.messageTexts(), Names{"No text entered for this search."});
  EXPECT_EQ(desktop.last().icon, ui::Icon::Information);
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"DEE DEE", "Lee Bodine", "Steel Reed"}));
}

TEST_F(WrestlerList, ShowInjuredListsEveryoneWhoseInjuryTimeIsNotExactlyZero) {
  writeRoster({wrestler("Fit", "GCF", "0"), wrestler("Empty", "GCF", ""),
               wrestler("Double Zero", "GCF", "00"), wrestler("Fortnight", "GCF", "14"),
               wrestler("Blank Zero", "GCF", " 0")});
  open();
  list.Text1.type("fit");
  list.Command8.click();
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Blank Zero", "Double Zero", "Empty", "Fortnight"}));
  EXPECT_EQ(list.Text1.text(), "");
  list.Command7.click();
  EXPECT_EQ(list.showbutton.caption(), "all");
  EXPECT_EQ(column(list.MSFlexGrid1).size(), 5u);
  EXPECT_TRUE(desktop.dialogs().empty());

  // Nobody injured: only the header, and no message.
  writeRoster({wrestler("Fit", "GCF", "0")});
  list.Command1.click();
  open();
  list.Command8.click();
  EXPECT_EQ(list.MSFlexGrid1.rows(), 1);
  EXPECT_TRUE(desktop.dialogs().empty());
}

TEST_F(WrestlerList, OpeningANameShowsItsSheetAndAPromotionCellOpensNothing) {
  writeRoster({wrestler("Twin", "GCF"), wrestler("Solo", "DVW"), wrestler("Twin", "SRG")});
  open();
  list.MSFlexGrid1.selectCell(1, 1);  // a promotion cell
  EXPECT_TRUE(list.visible());
  EXPECT_FALSE(sheet.visible());
  EXPECT_EQ(list.madechanges.caption(), "no");

  // Either row of two equal names opens the later wrestler in the table.
  for (int row : {2, 3}) {
    SCOPED_TRACE(row);
    ASSERT_EQ(list.MSFlexGrid1.textMatrix(row, 0), "Twin");
    list.MSFlexGrid1.selectCell(row, 0);
    EXPECT_TRUE(sheet.visible());
    EXPECT_FALSE(list.visible());
    EXPECT_EQ(list.madechanges.caption(), "yes");
    EXPECT_EQ(list.listpos.caption(), "2");
    EXPECT_EQ(list.rowno.caption(), std::to_string(row));
    EXPECT_EQ(sheet.MSFlexGrid1.textMatrix(roster_file::promotion, 1), "SRG");
    sheet.Command3.click();
  }
}

TEST_F(WrestlerList, ReturningRebuildsTheFiltersListingSortedAsBeforeAndScrollsBack) {
  std::vector<roster_file::WrestlerRecord> roster;
  for (int i = 0; i < 14; ++i) {
    roster.push_back(wrestler("Wrestler " + std::string(1, static_cast<char>('A' + i)),
                              i % 2 ? "AAA" : "ZZZ", i < 12 ? "7" : "0"));
  }
  writeRoster(roster);
  open();
  list.Command8.click();
  list.Command6.click();
  list.Text1.type("wrestler c");
  list.Text1.pressKey(ui::KeyEnter);
  ASSERT_EQ(column(list.MSFlexGrid1), Names{"Wrestler C"});
  pick("Wrestler C");
  sheet.Command3.click();

  EXPECT_TRUE(list.visible());
  EXPECT_FALSE(sheet.visible());
  EXPECT_EQ(list.Text1.text(), "wrestler c");  // the search text stays, its listing does not
  const Names listed = column(list.MSFlexGrid1);
  ASSERT_EQ(listed.size(), 12u);                          // the injured ones
  EXPECT_EQ(column(list.MSFlexGrid1, 1).front(), "AAA");  // sorted by promotion again
  EXPECT_EQ(list.MSFlexGrid1.topRow(), 1);

  // Opened from row 10, back at row 10; a row past the listing's end scrolls to the top.
  list.MSFlexGrid1.selectCell(10, 0);
  sheet.Command3.click();
  EXPECT_EQ(list.MSFlexGrid1.topRow(), 10);
  list.MSFlexGrid1.selectCell(10, 0);
  list.rowno.setCaption("13");
  sheet.Command3.click();
  EXPECT_EQ(list.MSFlexGrid1.topRow(), list.MSFlexGrid1.fixedRows());
}

TEST_F(WrestlerList, DoneAsksOnlyAfterAWrestlerWasOpened) {
  writeRoster({wrestler("Solo")});
  open();
  list.Command1.click();
  EXPECT_TRUE(desktop.dialogs().empty());
  EXPECT_TRUE(editor.form14.visible());
  EXPECT_FALSE(list.visible());

  // No: nothing is saved, and the next visit shows the file again.
  open();
  pick("Solo");
  sheet.Command3.click();
  list.names.setList(0, "Changed In Memory");
  desktop.answerNo();
  list.Command1.click();
  EXPECT_EQ(desktop.messageTexts(), Names{"Save changes before leaving?"});
  EXPECT_EQ(desktop.last().buttons, ui::Buttons::YesNo);
  EXPECT_EQ(desktop.last().icon, ui::Icon::None);
  EXPECT_EQ(list.madechanges.caption(), "no");
  open();
  EXPECT_EQ(list.names.items(), Names{"Solo"});

  // Yes: saved, then back to the hub.
  desktop.forget();
  pick("Solo");
  sheet.Command3.click();
  list.names.setList(0, "Renamed");
  desktop.answerYes();
  list.Command1.click();
  EXPECT_EQ(desktop.messageTexts(), (Names{"Save changes before leaving?", "Saved OK."}));
  EXPECT_TRUE(editor.form14.visible());
  EXPECT_EQ(list.madechanges.caption(), "no");
  EXPECT_EQ(folder.read(rosterFile).front(), "Renamed");
}

TEST_F(WrestlerList, AFailedSaveIsReportedAndKeepsTheChangesAndTheWindow) {
  writeRoster({wrestler("Solo")});
  const std::string before = folder.bytes(rosterFile);
  open();
  pick("Solo");
  sheet.Command3.click();
  // A folder where the file was: the save can't replace it.
  std::filesystem::remove(folder.path(rosterFile));
  folder.makeFolder(rosterFile);

  desktop.answerYes();  // the file was replaced on disk: replace it anyway
  list.Command4.click();
  ASSERT_EQ(desktop.dialogs().size(), 2u);
  EXPECT_NE(desktop.last().text.find("could not be saved"), std::string::npos);
  EXPECT_EQ(desktop.last().icon, ui::Icon::Critical);
  EXPECT_EQ(list.madechanges.caption(), "yes");

  desktop.forget();
  desktop.answerYes();
  desktop.answerYes();
  list.Command1.click();  // "Done", Yes, Yes to replace, and the save fails: the list stays
  ASSERT_EQ(desktop.dialogs().size(), 3u);
  EXPECT_NE(desktop.last().text.find("could not be saved"), std::string::npos);
  EXPECT_TRUE(list.visible());
  EXPECT_FALSE(editor.form14.visible());
  EXPECT_EQ(list.madechanges.caption(), "yes");
  EXPECT_EQ(list.names.items(), Names{"Solo"});
}

struct Unusable {
  const char* what;
  std::function<void(GameFolder&)> prepare;
  std::string dataSetDir;
  const char* message;
};

TEST_F(WrestlerList, ARosterThatCantBeMadeOrReadIsReportedAndTheHubStays) {
  const Unusable cases[] = {
      {"a folder in its place", [](GameFolder& f) { f.makeFolder(rosterFile); }, "\\Data\\",
       "The wrestlers file can't be opened."},
      {"no data set folder", [](GameFolder&) {}, "\\Missing\\",
       "The wrestlers file can't be made."},
  };
  for (const Unusable& c : cases) {
    SCOPED_TRACE(c.what);
    c.prepare(folder);
    desktop.forget();
    list.Text1.setText("kept");
    open(c.dataSetDir);
    ASSERT_EQ(desktop.dialogs().size(), 1u);
    EXPECT_EQ(desktop.last().text.rfind(c.message, 0), 0u) << desktop.last().text;
    EXPECT_EQ(desktop.last().icon, ui::Icon::Exclamation);
    EXPECT_TRUE(editor.form14.visible());
    EXPECT_FALSE(list.visible());
    EXPECT_TRUE(editor.form14.Command2.enabled());
    EXPECT_EQ(editor.form14.Command2.pointer(), ui::Pointer::Normal);
    EXPECT_EQ(list.Text1.text(), "kept");  // the window was not touched
  }
}

TEST_F(WrestlerList, ARosterCutShortIsCompletedListedAndSavedWhole) {
  std::string bytes = rostertest::rosterBytes({wrestler("Zed Whole")});
  for (const char* line : {"Cut Short", "Cut", "FSR", "All", "Male", "50", "50", "", "May 2006"})
    bytes += std::string(line) + "\r\n";
  folder.writeBytes(rosterFile, bytes);

  open();
  ASSERT_EQ(desktop.dialogs().size(), 1u);
  const std::string text = desktop.last().text;
  EXPECT_NE(text.find(folder.path(rosterFile).string()), std::string::npos) << text;
  EXPECT_NE(text.find("22 empty lines were added"), std::string::npos) << text;
  EXPECT_TRUE(list.visible());
  EXPECT_EQ(list.totalnum.caption(), "2");
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Cut Short", "Zed Whole"}));
  for (int f = 0; f < roster_file::fieldCount; ++f)
    EXPECT_EQ(list.field(static_cast<roster_file::Field>(f)).listCount(), 2) << f;
  EXPECT_EQ(list.expires.list(1), "May 2006");
  EXPECT_EQ(list.basecountry.list(1), "");

  list.Command4.click();
  const auto saved = folder.read(rosterFile);
  ASSERT_EQ(saved.size(), 62u);
  EXPECT_EQ(saved[31 + 8], "May 2006");

  // Only empty lines after the last whole record: no wrestler and no message.
  folder.writeBytes(rosterFile, rostertest::rosterBytes({wrestler("Zed Whole")}) + "\r\n");
  desktop.forget();
  list.Command1.click();
  open();
  EXPECT_TRUE(desktop.dialogs().empty());
  EXPECT_EQ(list.totalnum.caption(), "1");
}

TEST_F(WrestlerList, EveryLoadListsAllByNameWhateverTheButtonsSaidBefore) {
  writeRoster({wrestler("Bea", "AAA", "3"), wrestler("Al", "ZZZ", "0")});
  open();
  list.Command8.click();
  list.Command6.click();
  list.Text1.type("bea");
  list.Command1.click();
  open();
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Al", "Bea"}));
  EXPECT_EQ(list.showbutton.caption(), "injured");
  EXPECT_EQ(list.sortbutton.caption(), "promotion");
  EXPECT_EQ(list.Text1.text(), "");
  for (int r = 0; r < list.MSFlexGrid1.rows(); ++r)
    for (int c = 0; c < 2; ++c)
      EXPECT_EQ(list.MSFlexGrid1.cellFormat(r, c).alignment, ui::Align::Left);
}

TEST_F(WrestlerList, EveryControlLiesInsideItsWindow) {
  for (ui::Form* form : {static_cast<ui::Form*>(&list), static_cast<ui::Form*>(&sheet)}) {
    for (const ui::Control* control : form->controls()) {
      if (!control->visible()) continue;
      EXPECT_GE(control->left(), 0) << control->name();
      EXPECT_GE(control->top(), 0) << control->name();
      EXPECT_LE(control->left() + control->width(), form->width()) << control->name();
      EXPECT_LE(control->top() + control->height(), form->height()) << control->name();
    }
  }
}

}  // namespace
