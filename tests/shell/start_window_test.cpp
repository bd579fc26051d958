// The start window: the game-folder check, menu and chooser modes, scenarios (with repair), saved
// games and the making of new scenarios.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/shell/shell_session.h"
#include "tests/support/failing_writes.h"

using shelltest::covers;
using shelltest::enabledStates;
using shelltest::inMenuMode;
using shelltest::newGameMainData;
using shelltest::newGameVenues;
using shelltest::Session;

namespace {

const std::string wrongFolderMessage =
    "This editor must be kept in the same folder as the Vorlune 1.3 exe file (not in the Data "
    "folder).\r\n\r\nPlease move the editor, then reopen the editor.";
const std::string duplicateMessage =
    "There is already a scenario in your Scenarios folder with that name.";
const std::string unsafeNameStart = "That name can't be used as the name of a scenario's folder.";
const std::string maindataCopiedMessage =
    "This scenario was missing the maindata.vl1 file. The editor has now copied the new game "
    "maindata.vl1 file into this scenario's folder. Don't forget to update the start date of the "
    "scenario!";
const std::string venuesCopiedMessage =
    "This scenario was missing the venues.txt file. The editor has now copied the new game venues "
    "file into this scenario's folder.";
const std::string createdMessage =
    "Please enter some information about this scenario.\r\n\r\nWhen you have done that, you will "
    "be taken to the main editing menu, where you can add wrestlers and promotions to this "
    "scenario, and change the start date.";
const std::string namePromptText = "Please enter a name for this scenario.";

bool startsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// --- start-up ---------------------------------------------------------------------------------

struct StartUpCase {
  const char* what;
  std::vector<std::string> folders;  // made in an empty game folder
  std::vector<std::string> files;
  std::string runIn;  // subfolder to start in; "" for the game folder itself
  bool accepted;
};

TEST(StartWindowStartUp, RunsOnlyBesideAFolderNamedExactlyData) {
  const StartUpCase cases[] = {
      {"small letters only", {"data"}, {}, "", false},
      {"capitals only", {"DATA"}, {}, "", false},
      {"both wrong cases", {"data", "DATA", "Images"}, {}, "", false},
      {"a file named Data", {"Images"}, {"Data"}, "", false},
      {"a longer name", {"Data2", "OldData"}, {}, "", false},
      {"started inside Data", {"Data/Images", "Data/Scenarios"}, {}, "Data", false},
      {"exact name", {"Data"}, {}, "", true},
#ifndef _WIN32  // Windows holds no two names that differ only in case
      {"exact name among near misses", {"data", "Data", "DATA", "Scenarios"}, {}, "", true},
#endif
  };
  for (const StartUpCase& c : cases) {
    SCOPED_TRACE(c.what);
    Session s(GameFolder::Layout::Empty);
    for (const std::string& folder : c.folders) s.folder.makeFolder(folder);
    for (const std::string& file : c.files) s.folder.writeBytes(file, "x");
    if (!c.runIn.empty()) std::filesystem::current_path(s.folder.path(c.runIn));

    s.editor.start();

    if (c.accepted) {
      EXPECT_TRUE(s.desktop.dialogs().empty());
      EXPECT_FALSE(s.desktop.programEnded());
      EXPECT_TRUE(s.editor.form15.visible());
      EXPECT_TRUE(inMenuMode(s.editor.form15));
    } else {
      ASSERT_EQ(s.desktop.dialogs().size(), 1u);
      const Dialog& d = s.desktop.last();
      EXPECT_EQ(d.text, wrongFolderMessage);
      EXPECT_EQ(d.icon, ui::Icon::Exclamation);
      EXPECT_EQ(d.buttons, ui::Buttons::Ok);
      EXPECT_EQ(d.title, "");
      EXPECT_TRUE(s.desktop.programEnded());
      EXPECT_TRUE(s.editor.ended());
      EXPECT_FALSE(s.editor.form15.visible());
    }
    std::filesystem::current_path(s.folder.root());
  }
}

// --- menu and chooser modes -------------------------------------------------------------------

TEST(StartWindowModes, ChooserReplacesTheMenuUntilCancel) {
  Session s;
  s.folder.makeFolder("Scenarios/Old School");
  s.startWithNewGameData();
  Form15& start = s.editor.form15;

  struct Caption {
    const ui::CommandButton& button;
    const char* caption;
  };
  for (const Caption& c :
       {Caption{start.Command2, "Edit Data For New Games"},
        Caption{start.Command1, "Edit a Scenario"}, Caption{start.Command4, "Create a Scenario"},
        Caption{start.Command5, "Edit a Saved Game"}, Caption{start.Command3, "Exit"},
        Caption{start.Command6, "OK"}, Caption{start.Command7, "Cancel"}})
    EXPECT_EQ(c.button.caption(), c.caption);
  EXPECT_EQ(start.caption(), "Vorlune 1.3 Duvazari Editor");
  EXPECT_FALSE(start.Dir1.visible());
  EXPECT_FALSE(start.File1.visible());

  // The chooser stands where the menu column stood.
  start.Command1.click();
  EXPECT_EQ(start.Label2.caption(), "Choose a Scenario to Edit");
  for (const ui::Control* shown : {static_cast<const ui::Control*>(&start.Label2),
                                   static_cast<const ui::Control*>(&start.List1),
                                   static_cast<const ui::Control*>(&start.Command6),
                                   static_cast<const ui::Control*>(&start.Command7)})
    EXPECT_TRUE(shown->visible()) << shown->name();
  for (const ui::Control* hidden :
       {&start.Command2, &start.Command1, &start.Command4, &start.Command5, &start.Command3})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
  EXPECT_LT(start.Label2.top(), start.List1.top());
  EXPECT_LT(start.List1.top(), start.Command6.top());
  EXPECT_EQ(start.Command6.top(), start.Command7.top());
  EXPECT_LT(start.Command6.left() + start.Command6.width(), start.Command7.left() + 1);

  start.Command7.click();
  EXPECT_TRUE(inMenuMode(start));
  EXPECT_TRUE(start.visible());
  EXPECT_EQ(start.List1.items(), std::vector<std::string>{"Old School"});  // kept until next list
  EXPECT_FALSE(s.editor.form14.visible());
  EXPECT_TRUE(s.desktop.dialogs().empty());
}

TEST(StartWindowModes, MenuButtonsFormOneColumnInTheLowerMiddle) {
  Session s;
  Form15& start = s.editor.form15;
  const ui::CommandButton* column[] = {&start.Command2, &start.Command1, &start.Command4,
                                       &start.Command5, &start.Command3};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(column[i]->name());
    EXPECT_EQ(column[i]->left(), column[0]->left());
    EXPECT_EQ(column[i]->width(), column[0]->width());
    EXPECT_GT(column[i]->top(), start.height() / 3);
    EXPECT_LE(column[i]->top() + column[i]->height(), start.height());
    EXPECT_EQ(column[i]->left() * 2 + column[i]->width(), start.width());  // centred
    if (i > 0) {
      EXPECT_GE(column[i]->top(), column[i - 1]->top() + column[i - 1]->height());
    }
  }
  EXPECT_LE(start.List1.top() + start.List1.height(), start.height());
}

TEST(StartWindowModes, ExitEndsTheProgramAskingNothing) {
  Session s;
  s.startWithNewGameData();
  s.editor.form15.Command3.click();
  EXPECT_TRUE(s.desktop.programEnded());
  EXPECT_TRUE(s.desktop.dialogs().empty());
}

// --- scenarios ---------------------------------------------------------------------------------

TEST(StartWindowScenarios, WithoutAScenariosFolderItIsMadeAndTheEmptyListSelectsNothing) {
  Session s(GameFolder::Layout::Empty);
  s.folder.makeFolder("Data");
  s.editor.start();
  Form15& start = s.editor.form15;

  start.Command1.click();
  EXPECT_TRUE(std::filesystem::is_directory(s.folder.path("Scenarios")));
  EXPECT_EQ(start.List1.listCount(), 0);

  start.Command6.click();
  ASSERT_EQ(s.desktop.dialogs().size(), 1u);
  EXPECT_EQ(s.desktop.last().text, "Nothing is selected!");
  EXPECT_EQ(s.desktop.last().icon, ui::Icon::None);
  EXPECT_TRUE(inMenuMode(start));
  EXPECT_TRUE(start.visible());
  EXPECT_FALSE(s.editor.form14.visible());
  EXPECT_EQ(s.editor.form14.Text1.text(), "directory to edit");
}

TEST(StartWindowScenarios, AScenariosFolderThatCantBeMadeIsReportedAndNothingIsListedOrAsked) {
  struct Action {
    const char* what;
    ui::CommandButton Form15::*button;
  };
  for (const Action& action : {Action{"Edit a Scenario", &Form15::Command1},
                               Action{"Create a Scenario", &Form15::Command4}}) {
    SCOPED_TRACE(action.what);
    Session s(GameFolder::Layout::Empty);
    s.folder.writeBytes("Scenarios", "a file in the way\r\n");
    s.startWithNewGameData();
    Form15& start = s.editor.form15;

    (start.*action.button).click();

    ASSERT_EQ(s.desktop.dialogs().size(), 1u);
    EXPECT_EQ(s.desktop.last().kind, Dialog::Kind::Message);
    EXPECT_EQ(s.desktop.last().icon, ui::Icon::Exclamation);
    EXPECT_TRUE(
        startsWith(s.desktop.last().text, "The editor could not make the Scenarios folder."))
        << s.desktop.last().text;
    EXPECT_EQ(s.folder.bytes("Scenarios"), "a file in the way\r\n");
    EXPECT_TRUE(start.visible());
    EXPECT_TRUE(inMenuMode(start));
    EXPECT_FALSE(s.editor.form14.visible());
    EXPECT_FALSE(s.editor.form19.visible());
  }
}

TEST(StartWindowScenarios, ListsEachScenarioFolderByItsOwnNameOnly) {
  Session s;
  for (const char* name : {"beta", "Alpha", "gamma 2", "Test [1995"})
    s.folder.makeFolder(std::string("Scenarios/") + name);
  s.folder.writeBytes("Scenarios/notes.txt", "not a scenario");
  s.folder.makeFolder("Other/beta");
  s.startWithNewGameData();

  s.editor.form15.Command1.click();
  EXPECT_EQ(s.editor.form15.List1.items(),
            (std::vector<std::string>{"Alpha", "beta", "gamma 2", "Test [1995"}));

  // Listing again starts from an empty list.
  s.editor.form15.Command7.click();
  s.editor.form15.Command1.click();
  EXPECT_EQ(s.editor.form15.List1.listCount(), 4);
}

struct RepairCase {
  const char* what;
  bool hasMainData, hasVenues;
  std::vector<std::string> messages;
};

TEST(StartWindowScenarios, OpeningRepairsMissingFilesFromTheNewGameData) {
  const std::string ownMainData = "own\r\nmain\r\nMonday\r\n2\r\nMay\r\n1999\r\n";
  const std::string ownVenues = "own venue\r\n";
  const RepairCase cases[] = {
      {"both missing", false, false, {maindataCopiedMessage, venuesCopiedMessage}},
      {"maindata.vl1 missing", false, true, {maindataCopiedMessage}},
      {"venues.txt missing", true, false, {venuesCopiedMessage}},
      {"nothing missing", true, true, {}},
  };
  for (const RepairCase& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    s.folder.makeFolder("Scenarios/Old School");
    if (c.hasMainData) s.folder.writeBytes("Scenarios/Old School/maindata.vl1", ownMainData);
    if (c.hasVenues) s.folder.writeBytes("Scenarios/Old School/venues.txt", ownVenues);
    s.startWithNewGameData();

    shelltest::openScenario(s.editor, "Old School");

    EXPECT_EQ(s.desktop.messageTexts(), c.messages);
    for (const Dialog& d : s.desktop.dialogs()) EXPECT_EQ(d.icon, ui::Icon::Information);
    EXPECT_EQ(s.folder.bytes("Scenarios/Old School/maindata.vl1"),
              c.hasMainData ? ownMainData : newGameMainData);
    EXPECT_EQ(s.folder.bytes("Scenarios/Old School/venues.txt"),
              c.hasVenues ? ownVenues : newGameVenues);
    EXPECT_EQ(s.folder.entries("Scenarios/Old School"),
              (std::vector<std::string>{"maindata.vl1", "venues.txt"}));
    EXPECT_EQ(s.editor.dataSetDir(), "\\Scenarios\\Old School\\");
    EXPECT_TRUE(s.editor.form14.visible());
    EXPECT_FALSE(s.editor.form15.visible());
    EXPECT_TRUE(inMenuMode(s.editor.form15));
  }
}

TEST(StartWindowScenarios, AFailedRepairCopyIsReportedAsAFailureAndTheHubStillOpens) {
  Session s;
  s.folder.writeBytes("Data/maindata.vl1", newGameMainData);  // Data has no venues.txt
  s.folder.makeFolder("Scenarios/Bare");
  s.editor.start();

  shelltest::openScenario(s.editor, "Bare");

  const std::vector<Dialog>& dialogs = s.desktop.dialogs();
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0].text, maindataCopiedMessage);
  EXPECT_EQ(dialogs[1].icon, ui::Icon::Exclamation);
  EXPECT_EQ(dialogs[1].text.find("has now copied"), std::string::npos) << dialogs[1].text;
  EXPECT_NE(dialogs[1].text.find("venues.txt"), std::string::npos) << dialogs[1].text;
  EXPECT_EQ(s.folder.entries("Scenarios/Bare"), std::vector<std::string>{"maindata.vl1"});
  EXPECT_TRUE(s.editor.form14.visible());
  EXPECT_EQ(s.editor.form14.curredithead.caption(), "Currently Editing: Scenario Data");
}

// --- saved games -------------------------------------------------------------------------------

TEST(StartWindowSavedGames, ListsFirstLinesAndOpensTheChosenFolder) {
  Session s;
  s.folder.makeFolder("save1");
  s.folder.makeFolder("save two");
  s.folder.writeBytes("b.sav", "save two\r\nweek 12\r\n");
  s.folder.writeBytes("a.sav", "save1");
  s.folder.writeBytes("c.sav", "save1\nmore");
  s.folder.writeBytes("save1.txt", "save1\r\n");
  s.startWithNewGameData();
  Form15& start = s.editor.form15;

  start.Command5.click();
  EXPECT_EQ(start.Label2.caption(), "Choose a Saved Game to Edit");
  EXPECT_EQ(start.List1.items(), (std::vector<std::string>{"save1", "save two", "save1"}));

  start.List1.choose(1);
  start.Command6.click();
  EXPECT_TRUE(s.desktop.dialogs().empty());
  EXPECT_EQ(s.editor.dataSetDir(), "\\save two\\");
  EXPECT_EQ(s.editor.dataFile("wrestlers.vl1"), s.folder.pathText("\\save two\\wrestlers.vl1"));
  EXPECT_EQ(s.editor.form14.curredithead.caption(), "Currently Editing: Saved Game");
  EXPECT_TRUE(s.editor.form14.visible());
  EXPECT_FALSE(start.visible());
  EXPECT_TRUE(inMenuMode(start));
}

struct BadSaveCase {
  const char* what;
  std::string savBytes;
};

TEST(StartWindowSavedGames, RefusesAnIndexThatNamesNoUsableFolder) {
  const BadSaveCase cases[] = {
      {"empty file", ""},
      {"empty first line", "\r\nsave1\r\n"},
      {"parent folder", "..\r\n"},
      {"current folder", ".\r\n"},
      {"no such folder", "gone\r\n"},
      {"a file, not a folder", "notes.txt\r\n"},
  };
  for (const BadSaveCase& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    s.folder.makeFolder("save1/inner");
    s.folder.writeBytes("notes.txt", "x");
    s.folder.writeBytes("game.sav", c.savBytes);
    s.startWithNewGameData();
    Form15& start = s.editor.form15;

    start.Command5.click();
    ASSERT_EQ(start.List1.listCount(), 1);
    start.List1.choose(0);
    start.Command6.click();

    ASSERT_EQ(s.desktop.dialogs().size(), 1u);
    EXPECT_EQ(s.desktop.last().icon, ui::Icon::Exclamation);
    EXPECT_NE(s.desktop.last().text, "Nothing is selected!");
    EXPECT_TRUE(start.visible());
    EXPECT_TRUE(inMenuMode(start));
    EXPECT_FALSE(s.editor.form14.visible());
    EXPECT_EQ(s.editor.form14.Text1.text(), "directory to edit");
    EXPECT_EQ(enabledStates(s.editor.form14), std::vector<bool>(9, true));
  }
}

// --- creating a scenario -------------------------------------------------------------------------

TEST(StartWindowCreate, AsksAgainForATakenNameThenMakesTheFourFiles) {
  Session s;
  s.folder.writeBytes("Scenarios/Old School/scenario.txt", "Old\r\n");
  s.startWithNewGameData();
  s.desktop.reply("Old School");
  s.desktop.reply("old school");  // taken too: names ignore letter case, as on the game's platform
  s.desktop.reply("New School");

  s.editor.form15.Command4.click();

  const std::vector<Dialog>& dialogs = s.desktop.dialogs();
  ASSERT_EQ(dialogs.size(), 6u);
  EXPECT_EQ(dialogs[3].text, duplicateMessage);
  for (int i : {0, 2, 4}) {
    EXPECT_EQ(dialogs[i].kind, Dialog::Kind::Prompt);
    EXPECT_EQ(dialogs[i].text, namePromptText);
    EXPECT_EQ(dialogs[i].title, "Scenario Name");
    EXPECT_EQ(dialogs[i].defaultAnswer, "KGU vs DRX 1995");
  }
  EXPECT_EQ(dialogs[1].text, duplicateMessage);
  EXPECT_EQ(dialogs[1].icon, ui::Icon::Exclamation);
  EXPECT_EQ(dialogs[5].text, createdMessage);
  EXPECT_EQ(dialogs[5].icon, ui::Icon::Information);
  EXPECT_EQ(dialogs[5].title, "");

  const std::string made = "Scenarios/New School/";
  EXPECT_EQ(s.folder.entries("Scenarios"), (std::vector<std::string>{"New School", "Old School"}));
  EXPECT_EQ(
      s.folder.entries("Scenarios/New School"),
      (std::vector<std::string>{"maindata.vl1", "scenario.txt", "venues.txt", "wrestlers.vl1"}));
  EXPECT_EQ(s.folder.bytes(made + "maindata.vl1"), newGameMainData);
  EXPECT_EQ(s.folder.bytes(made + "venues.txt"), newGameVenues);
  const std::string scenarioText =
      "New School\r\nEnter a description here.\r\nEnter your name here.\r\n";
  EXPECT_EQ(s.folder.bytes(made + "scenario.txt"), scenarioText);
  EXPECT_TRUE(s.folder.exists(made + "wrestlers.vl1"));
  EXPECT_EQ(std::filesystem::file_size(s.folder.path(made + "wrestlers.vl1")), 0u);
  EXPECT_EQ(s.folder.entries("Scenarios/Old School"), std::vector<std::string>{"scenario.txt"});
  EXPECT_EQ(s.folder.bytes("Scenarios/Old School/scenario.txt"), "Old\r\n");

  EXPECT_EQ(s.editor.dataSetDir(), "\\Scenarios\\New School\\");
  EXPECT_EQ(s.editor.form14.curredithead.caption(), "Currently Editing: Scenario Data");
  EXPECT_EQ(enabledStates(s.editor.form14), std::vector<bool>(9, true));
  Form19& info = s.editor.form19;
  EXPECT_EQ(info.scenarioname.caption(), "New School");
  EXPECT_EQ(info.scenariodesc.caption(), "Enter a description here.");
  EXPECT_EQ(info.scenariocreator.caption(), "Enter your name here.");
  EXPECT_TRUE(info.visible());
  EXPECT_FALSE(s.editor.form15.visible());
  EXPECT_FALSE(s.editor.form14.visible());

  // "OK" without changes writes what creation wrote, and leads to the hub.
  info.Command4.click();
  EXPECT_EQ(s.folder.bytes(made + "scenario.txt"), scenarioText);
  EXPECT_TRUE(s.editor.form14.visible());
  EXPECT_FALSE(info.visible());
  EXPECT_EQ(s.desktop.dialogs().size(), 6u);
}

TEST(StartWindowCreate, CancellingThePromptMakesNothingButTheScenariosFolder) {
  Session s(GameFolder::Layout::Empty);
  s.folder.makeFolder("Data");
  s.startWithNewGameData();
  s.desktop.reply("");

  s.editor.form15.Command4.click();

  ASSERT_EQ(s.desktop.dialogs().size(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(s.folder.path("Scenarios")));
  EXPECT_TRUE(s.folder.entries("Scenarios").empty());
  EXPECT_TRUE(s.editor.form15.visible());
  EXPECT_FALSE(s.editor.form19.visible());
}

enum class Refusal { Duplicate, Unsafe };

struct RefusedNameCase {
  const char* what;
  std::string name;
  Refusal refusal;
};

TEST(StartWindowCreate, RefusedNamesAskAgainAndLeaveEveryFolderIntact) {
  const RefusedNameCase cases[] = {
      {"exact name", "Old School", Refusal::Duplicate},
      {"the name in another case", "OLD SCHOOL", Refusal::Duplicate},
      {"a star", "Old*", Refusal::Unsafe},
      {"brackets, literal folder", "Test [1995", Refusal::Duplicate},
      {"a file of that name", "Clash", Refusal::Duplicate},
      {"slash", "a/b", Refusal::Unsafe},
      {"backslash", "Old School\\x", Refusal::Unsafe},
      {"climbs out", "../Data", Refusal::Unsafe},
      {"dot", ".", Refusal::Unsafe},
      {"dot dot", "..", Refusal::Unsafe},
      {"colon", "KGU: 1995", Refusal::Unsafe},
      {"question mark matching nothing", "What?", Refusal::Unsafe},
      {"angle brackets", "<new>", Refusal::Unsafe},
      {"quote", "\"best\"", Refusal::Unsafe},
      {"bar", "a|b", Refusal::Unsafe},
      {"tab", "tab\there", Refusal::Unsafe},
      {"blanks only", "   ", Refusal::Unsafe},
      {"the code page's stand-in for an unknown character", "Caf?", Refusal::Unsafe},
      {"a device name", "CON", Refusal::Unsafe},
      {"a device name in lower case", "nul", Refusal::Unsafe},
      {"a serial port", "COM1", Refusal::Unsafe},
      {"a device name before an extension", "Lpt9.old", Refusal::Unsafe},
      {"too long beside its temporary files", std::string(245, 'a'), Refusal::Unsafe},
  };
  for (const RefusedNameCase& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    s.folder.writeBytes("Scenarios/Old School/scenario.txt", "Old\r\n");
    s.folder.writeBytes("Scenarios/Test 1995/maindata.vl1", "1995\r\n");
    s.folder.writeBytes("Scenarios/Test [1995/venues.txt", "venue\r\n");
    s.folder.writeBytes("Scenarios/Clash", "a file\r\n");
    s.startWithNewGameData();
    const std::vector<std::string> before = s.folder.entries("Scenarios");
    const std::vector<std::string> topBefore = s.folder.entries("");
    s.desktop.reply(c.name);
    s.desktop.reply("");

    s.editor.form15.Command4.click();

    const std::vector<Dialog>& dialogs = s.desktop.dialogs();
    ASSERT_EQ(dialogs.size(), 3u);
    EXPECT_EQ(dialogs[1].kind, Dialog::Kind::Message);
    EXPECT_EQ(dialogs[1].icon, ui::Icon::Exclamation);
    if (c.refusal == Refusal::Duplicate) {
      EXPECT_EQ(dialogs[1].text, duplicateMessage);
    } else {
      EXPECT_TRUE(startsWith(dialogs[1].text, unsafeNameStart)) << dialogs[1].text;
    }
    EXPECT_EQ(dialogs[2].defaultAnswer, "KGU vs DRX 1995");

    EXPECT_EQ(s.folder.entries("Scenarios"), before);
    EXPECT_EQ(s.folder.entries(""), topBefore);
    EXPECT_EQ(s.folder.entries("Data"), (std::vector<std::string>{"maindata.vl1", "venues.txt"}));
    EXPECT_EQ(s.folder.entries("Scenarios/Old School"), std::vector<std::string>{"scenario.txt"});
    EXPECT_EQ(s.folder.bytes("Scenarios/Old School/scenario.txt"), "Old\r\n");
    EXPECT_EQ(s.folder.entries("Scenarios/Test 1995"), std::vector<std::string>{"maindata.vl1"});
    EXPECT_EQ(s.folder.entries("Scenarios/Test [1995"), std::vector<std::string>{"venues.txt"});
    EXPECT_EQ(s.folder.bytes("Scenarios/Clash"), "a file\r\n");
    EXPECT_TRUE(s.editor.form15.visible());
    EXPECT_TRUE(inMenuMode(s.editor.form15));
    EXPECT_FALSE(s.editor.form19.visible());
    EXPECT_EQ(s.editor.form14.Text1.text(), "directory to edit");
  }
}

TEST(StartWindowCreate, ANewGameDataFolderWithoutItsTwoFilesMakesNothing) {
  for (const std::string missing : {"maindata.vl1", "venues.txt"}) {
    SCOPED_TRACE(missing);
    Session s(GameFolder::Layout::Empty);
    s.folder.makeFolder("Data");
    if (missing != "maindata.vl1") s.folder.writeBytes("Data/maindata.vl1", newGameMainData);
    if (missing != "venues.txt") s.folder.writeBytes("Data/venues.txt", newGameVenues);
    s.editor.start();

    s.editor.form15.Command4.click();  // no prompt: nothing is queued

    ASSERT_EQ(s.desktop.dialogs().size(), 1u);
    EXPECT_EQ(s.desktop.last().kind, Dialog::Kind::Message);
    EXPECT_EQ(s.desktop.last().icon, ui::Icon::Exclamation);
    EXPECT_NE(s.desktop.last().text.find(missing), std::string::npos) << s.desktop.last().text;
    EXPECT_FALSE(s.folder.exists("Scenarios"));
    EXPECT_TRUE(s.editor.form15.visible());
  }
}

TEST(StartWindowCreate, AFailedStepIsReportedAndRemovesOnlyWhatItMade) {
  Session s;
  s.folder.writeBytes("Scenarios/Old School/scenario.txt", "Old\r\n");
  s.folder.writeBytes("Data/maindata.vl1", newGameMainData);
  s.folder.writeBytes("Data/venues.txt", std::string(64 * 1024, 'v'));  // too big to copy
  s.editor.start();
  s.desktop.reply("New One");
  {
    FailingWrites failing(4096, s.folder.path("Data/venues.txt"));
    ASSERT_TRUE(failing.ok()) << failing.why();
    s.editor.form15.Command4.click();
  }

  const std::vector<Dialog>& dialogs = s.desktop.dialogs();
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[1].icon, ui::Icon::Exclamation);
  EXPECT_NE(dialogs[1].text.find("venues.txt"), std::string::npos) << dialogs[1].text;
  EXPECT_EQ(s.folder.entries("Scenarios"), std::vector<std::string>{"Old School"});
  EXPECT_EQ(s.folder.bytes("Scenarios/Old School/scenario.txt"), "Old\r\n");
  EXPECT_EQ(s.folder.bytes("Data/maindata.vl1"), newGameMainData);
  EXPECT_TRUE(s.editor.form15.visible());
  EXPECT_FALSE(s.editor.form19.visible());
  EXPECT_EQ(s.editor.form14.Text1.text(), "directory to edit");
}

}  // namespace
