// The wrestler list's exports: one promotion's wrestlers to a new roster file, and the whole
// roster merged into another roster file with a question for each wrestler already there.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/roster/roster_session.h"
#include "tests/support/unprivileged.h"

namespace {

using rostertest::rosterBytes;
using rostertest::Session;
using rostertest::table;
using rostertest::wrestler;
using Names = std::vector<std::string>;
using Records = std::vector<roster_file::WrestlerRecord>;

// A wrestler with its draw value and ability.
roster_file::WrestlerRecord rated(const std::string& name, const std::string& pop,
                                  const std::string& ent) {
  roster_file::WrestlerRecord record = wrestler(name);
  record[roster_file::pop] = pop;
  record[roster_file::ent] = ent;
  return record;
}

// The refusal of the game's main data file as an export's target, named as typed.
std::string mainDataRefusal(const std::string& typed) {
  return typed +
         " is the game's main data file, not a roster file, so no wrestlers can be written to "
         "it. Please enter the name of a roster file.";
}

class RosterExports : public ::testing::Test, public Session {
 protected:
  void expectDatabaseUntouched(const Records& before, const Names& listed) {
    EXPECT_EQ(table(list), before);
    EXPECT_EQ(rostertest::column(list.MSFlexGrid1), listed);
    EXPECT_EQ(list.madechanges.caption(), "no");
  }
};

// --- One promotion to a new file ---------------------------------------------------------------

TEST_F(RosterExports, APromotionIsWrittenInTableOrderToTheNewFile) {
  writeRoster({wrestler("Zed Ashby", "SBL"), wrestler("Bo Marsh", "sbl"),
               wrestler("Al Crane", "SBL"), wrestler("Fay Orrin", "Free Agent")});
  open();
  list.Command6.click();
  list.Command8.click();
  const Names listed = rostertest::column(list.MSFlexGrid1);
  const Records before = table(list);

  list.Text4.type("SBL");
  list.Text5.type("sbl.vl1");
  list.Command11.click();

  EXPECT_EQ(folder.bytes("Data/sbl.vl1"), rosterBytes({before[0], before[2]}));
  EXPECT_EQ(desktop.messageTexts(), Names{"File ''sbl.vl1'' created successfully."});
  EXPECT_EQ(desktop.last().icon, ui::Icon::None);
  EXPECT_EQ(list.Text4.text(), "");
  EXPECT_EQ(list.Text5.text(), "");
  expectDatabaseUntouched(before, listed);
  EXPECT_EQ(list.showbutton.caption(), "injured");

  // A promotion nobody has, differing only in case: an empty file, and the same report.
  desktop.forget();
  list.Text4.type("Sbl");
  list.Text5.type("none.vl1");
  list.Command11.click();
  EXPECT_TRUE(folder.exists("Data/none.vl1"));
  EXPECT_EQ(folder.bytes("Data/none.vl1"), "");
  EXPECT_EQ(desktop.messageTexts(), Names{"File ''none.vl1'' created successfully."});
}

TEST_F(RosterExports, AnUnsavedEditIsExportedAndLeavesTheFlagAsItWas) {
  writeRoster({wrestler("Al Crane", "SBL")});
  open();
  list.pop.setList(0, "77");  // as the stat sheet stores an edit
  list.madechanges.setCaption("yes");
  list.Text4.type("SBL");
  list.Text5.type("sbl.vl1");
  list.Command11.click();
  EXPECT_EQ(folder.read("Data/sbl.vl1")[roster_file::pop], "77");
  EXPECT_EQ(list.madechanges.caption(), "yes");
}

struct Refusal {
  const char *promotion, *file, *message;
};

TEST_F(RosterExports, APromotionExportRefusesBadInputAndWritesNothing) {
  writeRoster({wrestler("Al Crane", "SBL")});
  open();
  const std::string both = "Both text boxes must contain text.";
  const std::string extension = "The filename must end in ''.vl1''";
  const std::string taken = "A file with this name already exists. Please enter a new filename.";
  const std::string mainData[] = {mainDataRefusal("maindata.vl1"), mainDataRefusal("MainData.vl1"),
                                  mainDataRefusal("MAINDATA.vl1")};
  const std::string outside = "\"" + folder.shown("Data/../../outside.vl1") +
                              "\" lies outside the game folder, so the editor does not use it.";
  const std::string missing = "The folder \"" + folder.shown("Data/missing") +
                              "\" does not exist, so no roster file can be written there.";
  const Refusal cases[] = {
      {"", "sbl.vl1", both.c_str()},
      {"SBL", "", both.c_str()},
      {"SBL", "sbl.VL1", extension.c_str()},
      {"SBL", "sbl.vl1 ", extension.c_str()},
      {"SBL", "sbl", extension.c_str()},
      {"SBL", "wrestlers.vl1", taken.c_str()},
      {"SBL", "../../outside.vl1", outside.c_str()},
      {"SBL", "..\\..\\outside.vl1", outside.c_str()},
      {"SBL", "missing\\sbl.vl1", missing.c_str()},
      {"SBL", "a:b.vl1",
       "A name cannot contain the character : (none of < > : \" | ? * may be used)."},
      {"SBL", "sub\\", extension.c_str()},
      {"SBL", "maindata.vl1", mainData[0].c_str()},
      {"SBL", "MainData.vl1", mainData[1].c_str()},
      {"SBL", "MAINDATA.vl1", mainData[2].c_str()},
  };
  const Names before = folder.entries("Data");
  const std::string mainDataBytes = folder.bytes(rostertest::mainDataFile);
  for (const Refusal& c : cases) {
    SCOPED_TRACE(std::string(c.promotion) + " / " + c.file);
    desktop.forget();
    list.Text4.type(c.promotion);
    list.Text5.type(c.file);
    list.Command11.click();
    EXPECT_EQ(desktop.messageTexts(), Names{c.message});
    EXPECT_EQ(desktop.last().icon, ui::Icon::None);
    EXPECT_EQ(desktop.last().title, "");
    EXPECT_EQ(list.Text4.text(), c.promotion);
    EXPECT_EQ(list.Text5.text(), c.file);
    EXPECT_EQ(folder.entries("Data"), before);
  }
  EXPECT_FALSE(std::filesystem::exists(folder.root().parent_path() / "outside.vl1"));
  EXPECT_EQ(folder.bytes(rostertest::rosterFile), rosterBytes({wrestler("Al Crane", "SBL")}));
  EXPECT_EQ(folder.bytes(rostertest::mainDataFile), mainDataBytes);
}

TEST_F(RosterExports, AFailedWriteIsReportedAndNoSuccessFollows) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no permission bits: a folder's read-only mark does not stop writes";
#endif
  writeRoster({wrestler("Al Crane", "SBL")});
  open();
  // A folder the user may not write: the write itself fails.
  std::filesystem::permissions(folder.path("Data"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  list.Text4.type("SBL");
  list.Text5.type("sbl.vl1");
  // The click may run in a child process: it reports what the person saw there, the two boxes
  // and then the one message.
  const std::optional<std::string> seen = runUnprivileged(folder.root(), [&] {
    list.Command11.click();
    return list.Text4.text() + "|" + list.Text5.text() + "|" +
           (desktop.dialogs().size() == 1 ? desktop.last().text
                                          : std::to_string(desktop.dialogs().size()) + " dialogs");
  });
  std::filesystem::permissions(folder.path("Data"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  ASSERT_TRUE(seen.has_value()) << "the export could not be run without privileges";
  EXPECT_EQ(seen->rfind("SBL|sbl.vl1|The wrestlers could not be exported.\r\n", 0), 0u) << *seen;
  EXPECT_FALSE(folder.exists("Data/sbl.vl1"));
}

// --- Merging into another roster file ------------------------------------------------------------

class RosterMerge : public RosterExports {
 protected:
  const roster_file::WrestlerRecord a = rated("Ann Arbor", "40", "50");
  const roster_file::WrestlerRecord b = rated("Bo Marsh", "61", "62");
  const roster_file::WrestlerRecord c = rated("Cy Dunmore", "70", "71");
  const roster_file::WrestlerRecord newB = rated("Bo Marsh", "88", "89");
  const roster_file::WrestlerRecord d = rated("Dee Holt", "20", "21");

  // The database and the target, then the merge with these prompt and question answers.
  void merge(const Records& database, const Records& target, const std::string& name,
             const std::vector<bool>& answers) {
    writeRoster(database);
    open();
    folder.writeBytes("Data/" + name, rosterBytes(target));
    desktop.forget();
    desktop.reply(name);
    for (const bool yes : answers) yes ? desktop.answerYes() : desktop.answerNo();
    list.Command9.click();
  }

  Records target(const std::string& name) const {
    return roster_file::fromLines(folder.read("Data/" + name)).records;
  }
};

TEST_F(RosterMerge, AWrestlerAlreadyThereIsAskedAboutOnce) {
  for (const bool yes : {true, false}) {
    SCOPED_TRACE(yes ? "Yes" : "No");
    merge({newB, d}, {a, b, c}, "other.vl1", {yes});

    ASSERT_EQ(desktop.dialogs().size(), 3u);
    const Dialog& prompt = desktop.dialogs()[0];
    EXPECT_EQ(prompt.kind, Dialog::Kind::Prompt);
    EXPECT_EQ(prompt.text, "Please enter the name of the file you wish to add these wrestlers to.");
    EXPECT_EQ(prompt.title, "Add To Other File");
    EXPECT_EQ(prompt.defaultAnswer, "wrestlers.vl1");
    const Dialog& question = desktop.dialogs()[1];
    EXPECT_EQ(question.text,
              "Bo Marsh already exists in the roster you're exporting to. Do you want to "
              "overwrite the other.vl1 version:\r\n\r\nDraw Value: 61   Ability: 62\r\n\r\nWith "
              "the one you are exporting:\r\n\r\nDraw Value: 88   Ability: 89\r\n");
    EXPECT_EQ(question.title, "Wrestler Already In File");
    EXPECT_EQ(question.buttons, ui::Buttons::YesNo);
    EXPECT_EQ(question.icon, ui::Icon::None);
    EXPECT_EQ(desktop.last().text, "Roster exported successfully.");

    const Records merged = yes ? Records{a, c, newB, d} : Records{a, b, c, d};
    EXPECT_EQ(folder.bytes("Data/other.vl1"), rosterBytes(merged));
    EXPECT_EQ(list.twin(roster_file::names).items().size(), 4u);
    EXPECT_EQ(list.twin(roster_file::pop).items()[yes ? 2 : 1], yes ? "88" : "61");
    EXPECT_EQ(table(list), (Records{newB, d}));  // the database stays
    EXPECT_EQ(list.madechanges.caption(), "no");
  }
}

TEST_F(RosterMerge, IntoAnEmptyFileEveryWrestlerGoesInDatabaseOrderWithoutAQuestion) {
  merge({d, a, c}, {}, "empty.vl1", {});
  EXPECT_EQ(desktop.dialogs().size(), 2u);
  EXPECT_EQ(target("empty.vl1"), (Records{d, a, c}));
}

TEST_F(RosterMerge, NamesDifferingInCaseOrABlankAreDifferentWrestlers) {
  const auto lowerB = rated("bo marsh", "1", "1");
  const auto blankB = rated("Bo Marsh ", "2", "2");
  merge({b}, {lowerB, blankB}, "other.vl1", {});
  EXPECT_EQ(target("other.vl1"), (Records{lowerB, blankB, b}));
}

TEST_F(RosterMerge, TwoRecordsOfOneNameAnsweredYesLeaveOneCopy) {
  const auto b2 = rated("Bo Marsh", "5", "6");
  merge({newB}, {b, a, b2}, "other.vl1", {true, true});
  EXPECT_EQ(desktop.dialogs().size(), 4u);
  EXPECT_EQ(target("other.vl1"), (Records{a, newB}));

  // Yes to the first, No to the second: the second stays at its place.
  merge({newB}, {b, a, b2}, "other.vl1", {true, false});
  EXPECT_EQ(target("other.vl1"), (Records{a, b2, newB}));
}

TEST_F(RosterMerge, ASecondDatabaseWrestlerOfOneNameIsAskedAboutTheFirstsCopy) {
  const auto b2 = rated("Bo Marsh", "5", "6");
  merge({newB, b2}, {a}, "other.vl1", {true});
  ASSERT_EQ(desktop.dialogs().size(), 3u);
  EXPECT_NE(desktop.dialogs()[1].text.find("Draw Value: 88   Ability: 89\r\n\r\nWith the one "
                                           "you are exporting:\r\n\r\nDraw Value: 5   Ability: 6"),
            std::string::npos);
  EXPECT_EQ(target("other.vl1"), (Records{a, b2}));
}

TEST_F(RosterMerge, IntoTheDataSetsOwnRosterKeepsWrestlersDeletedSinceTheSave) {
  writeRoster({a, b});
  open();
  list.Text6.type("GCF");
  list.Command12.click();  // every wrestler carries "GCF": the table is empty now
  list.appendRecord(d);
  desktop.forget();
  desktop.reply("wrestlers.vl1");
  list.Command9.click();
  EXPECT_EQ(target("wrestlers.vl1"), (Records{a, b, d}));
  EXPECT_EQ(list.madechanges.caption(), "yes");
}

struct MergeRefusal {
  const char* what;
  bool emptyDatabase;
  const char* answer;
  const char *message, *title;  // message "" for none
};

TEST_F(RosterMerge, RefusalsWriteNothingAndChangeNothing) {
  const std::string mainData[] = {mainDataRefusal("maindata.vl1"), mainDataRefusal("MainData.vl1")};
  const std::string outside = "\"" + folder.shown("Data/../../other.vl1") +
                              "\" lies outside the game folder, so the editor does not use it.";
  const std::string missing = "The folder \"" + folder.shown("Data/missing") +
                              "\" does not exist, so no roster file can be written there.";
  const MergeRefusal cases[] = {
      {"cancelled", false, "", "", ""},
      {"capital extension", false, "other.VL1", "Filename must have extension .vl1.",
       "Filename Error!"},
      {"wrong extension, empty database", true, "other.txt", "Filename must have extension .vl1.",
       "Filename Error!"},
      {"no such file", false, "missing.vl1", "No file with that name exists in this directory.",
       "Filename Error!"},
      {"outside the game folder", false, "../../other.vl1", outside.c_str(), "Filename Error!"},
      {"a folder that is not there", false, "missing/other.vl1", missing.c_str(),
       "Filename Error!"},
      {"a character the game's platform forbids", false, "a|b.vl1",
       "A name cannot contain the character | (none of < > : \" | ? * may be used).",
       "Filename Error!"},
      {"empty database", true, "other.vl1", "There's no wrestlers here to export!",
       "No Wrestlers!"},
      {"the main data file", false, "maindata.vl1", mainData[0].c_str(), "Filename Error!"},
      {"the main data file in other letter case", false, "MainData.vl1", mainData[1].c_str(),
       "Filename Error!"},
  };
  const std::string mainDataBytes = folder.bytes(rostertest::mainDataFile);
  for (const MergeRefusal& refusal : cases) {
    SCOPED_TRACE(refusal.what);
    writeRoster(refusal.emptyDatabase ? Records{} : Records{d});
    open();
    folder.writeBytes("Data/other.vl1", rosterBytes({a, b}));
    folder.writeBytes("other.vl1", rosterBytes({a}));
    const Records before = table(list);
    list.twin(roster_file::names).setItems({"from the last merge"});
    desktop.forget();
    desktop.reply(refusal.answer);
    list.Command9.click();
    if (std::string(refusal.message).empty()) {
      EXPECT_EQ(desktop.dialogs().size(), 1u);
    } else {
      ASSERT_EQ(desktop.dialogs().size(), 2u);
      EXPECT_EQ(desktop.last().text, refusal.message);
      EXPECT_EQ(desktop.last().title, refusal.title);
      EXPECT_EQ(desktop.last().icon, ui::Icon::Critical);
    }
    EXPECT_EQ(folder.bytes("Data/other.vl1"), rosterBytes({a, b}));
    EXPECT_EQ(folder.bytes("other.vl1"), rosterBytes({a}));
    EXPECT_EQ(folder.bytes(rostertest::mainDataFile), mainDataBytes);
    EXPECT_EQ(table(list), before);
    EXPECT_EQ(list.twin(roster_file::names).items(), Names{"from the last merge"});
  }
}

TEST_F(RosterMerge, ATargetEndingInsideARecordIsLeftAsItIs) {
  writeRoster({d});
  open();
  const std::string broken = rosterBytes({a}) + "\r\n";  // one empty line too many
  folder.writeBytes("Data/other.vl1", broken);
  desktop.reply("other.vl1");
  list.Command9.click();
  ASSERT_EQ(desktop.dialogs().size(), 2u);
  EXPECT_NE(desktop.last().text.find("ends part of the way through a wrestler's record"),
            std::string::npos);
  EXPECT_EQ(desktop.last().icon, ui::Icon::Critical);
  EXPECT_EQ(folder.bytes("Data/other.vl1"), broken);
  EXPECT_EQ(table(list), Records{d});

  // The file was closed: it can be replaced and merged into afterwards.
  folder.writeBytes("Data/other.vl1", rosterBytes({a}));
  desktop.reply("other.vl1");
  list.Command9.click();
  EXPECT_EQ(target("other.vl1"), (Records{a, d}));
}

// --- Typed names that lead through folders ------------------------------------------------------

// No writer's temporary file is left anywhere in the game folder.
bool noTemporaryFiles(const GameFolder& folder) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.root()))
    if (entry.path().filename().string().find(".tmp-") != std::string::npos) return false;
  return true;
}

TEST_F(RosterExports, ExportsAndMergesFollowTheFoldersOfATypedName) {
  writeRoster({wrestler("Al Crane", "SBL")});
  folder.makeFolder("Data/sub");
  open();
  const std::string one = rosterBytes({wrestler("Al Crane", "SBL")});

  // Into a subfolder of the data set, "\\" or "/" between them.
  list.Text4.type("SBL");
  list.Text5.type("sub\\sbl.vl1");
  list.Command11.click();
  EXPECT_EQ(folder.bytes("Data/sub/sbl.vl1"), one);
  EXPECT_EQ(desktop.messageTexts(), Names{"File ''sub\\sbl.vl1'' created successfully."});

  desktop.forget();
  desktop.reply("sub/sbl.vl1");
  desktop.answerNo();  // Al Crane is there already: keep that one
  list.Command9.click();
  EXPECT_EQ(desktop.last().text, "Roster exported successfully.");
  EXPECT_EQ(folder.bytes("Data/sub/sbl.vl1"), one);
  EXPECT_TRUE(noTemporaryFiles(folder));
}

TEST(RosterMergeFromAScenario, MergesIntoTheNewGameRosterThroughTheTypedFolders) {
  rostertest::Session s;
  s.folder.write("Data/maindata.vl1", rostertest::mainData("2004"));
  s.folder.writeBytes("Data/wrestlers.vl1", rosterBytes({wrestler("Al Crane")}));
  s.folder.write("Scenarios/S/maindata.vl1", rostertest::mainData("2004"));
  s.folder.write("Scenarios/S/venues.txt", {"Arena", "Town, USA", "Town", "5000", "USA", "None"});
  s.folder.writeBytes("Scenarios/S/wrestlers.vl1", rosterBytes({wrestler("Bo Marsh")}));
  s.editor.start();
  s.editor.form15.Command1.click();  // "Edit a Scenario"
  s.editor.form15.List1.choose(0);
  s.editor.form15.Command6.click();
  s.editor.form14.Command2.click();  // "Edit The Wrestlers File"
  ASSERT_TRUE(s.editor.form12.visible());

  s.desktop.reply("..\\..\\Data\\wrestlers.vl1");
  s.editor.form12.Command9.click();

  EXPECT_EQ(s.desktop.last().text, "Roster exported successfully.");
  EXPECT_EQ(s.folder.bytes("Data/wrestlers.vl1"),
            rosterBytes({wrestler("Al Crane"), wrestler("Bo Marsh")}));
  EXPECT_EQ(s.folder.bytes("Scenarios/S/wrestlers.vl1"), rosterBytes({wrestler("Bo Marsh")}));
  EXPECT_TRUE(noTemporaryFiles(s.folder));
}

}  // namespace
