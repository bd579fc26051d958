// Game folders made on Windows, driven through the windows: names found ignoring letter case,
// folders whose names the game's platform can't hold, paths that would lead outside the game
// folder, and files that are no plain files.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "tests/app/game_session.h"
#include "tests/support/game_folder.h"
#include "tests/support/pipe_guard.h"
#include "tests/support/scripted_desktop.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

using game_session::mainData;
using game_session::promotionWithLogo;
using game_session::Session;
using game_session::venues;

std::string roster(int wrestlers) {
  std::string bytes;
  for (int w = 0; w < wrestlers; ++w)
    for (int field = 0; field < 31; ++field)
      bytes += (field == 0   ? "Wrestler " + std::to_string(w)
                : field == 8 ? std::string("December 2009")
                             : std::to_string(field)) +
               "\r\n";
  return bytes;
}

TEST(GameFolderFiles, AScenarioMadeOnWindowsIsEditedInItsOwnFiles) {
  Session s;
  const std::string scenario = "Scenarios/Frontier Wars 2000/";
  s.folder.writeBytes(scenario + "Wrestlers.vl1", roster(120));
  s.folder.writeBytes(scenario + "MainData.vl1", mainData);
  s.folder.writeBytes(scenario + "Venues.TXT", venues);
  s.folder.writeBytes(scenario + "Scenario.txt", "Frontier\r\nWars\r\nMe\r\n");
  s.folder.write(scenario + "gcf.fed", promotionWithLogo("GCF_Logo.jpg"));
  s.folder.writeBytes("Images/gcf_logo.jpg", "\xFF\xD8\xFF picture");
  const Lines before = s.folder.entries(scenario);

  s.openScenario("Frontier Wars 2000");
  EXPECT_TRUE(s.desktop.dialogs().empty()) << "nothing is repaired";
  EXPECT_EQ(s.folder.entries(scenario), before);

  Form14& hub = s.editor.form14;
  hub.Command2.click();  // "Edit The Wrestlers File"
  ASSERT_TRUE(s.editor.form12.visible());
  EXPECT_EQ(s.editor.form12.totalnum.caption(), "120");
  s.editor.form12.Command4.click();  // "Save Changes"
  EXPECT_EQ(s.desktop.last().text, "Saved OK.");
  EXPECT_EQ(s.folder.bytes(scenario + "Wrestlers.vl1"), roster(120));
  EXPECT_EQ(s.folder.entries(scenario), before);

  s.editor.form12.Command1.click();  // "Done"
  ASSERT_TRUE(hub.visible());
  hub.Command7.click();  // "Check Scenario"
  const std::string report = hub.Text3.text();
  for (const char* line :
       {"maindata.vl1 file.....OK", "venues.txt file.....OK", "wrestlers.vl1 file.....OK",
        "Image: ''GCF_Logo.jpg''..... OK", "ready to be zipped"})
    EXPECT_NE(report.find(line), std::string::npos) << line << " in:\n" << report;
  EXPECT_EQ(s.folder.bytes(scenario + "GCF_Logo.jpg"), "\xFF\xD8\xFF picture");
}

TEST(GameFolderFiles, TheScenariosFolderIsFoundIgnoringCase) {
  GameFolder folder(GameFolder::Layout::Empty);
  folder.writeBytes("Data/maindata.vl1", mainData);
  folder.writeBytes("Data/venues.txt", venues);
  folder.makeFolder("scenarios/Old School");
  ScriptedDesktop desktop;
  Editor editor{desktop};
  editor.start();
  editor.form15.Command1.click();  // "Edit a Scenario"
  EXPECT_TRUE(desktop.dialogs().empty());
  ASSERT_EQ(editor.form15.List1.listCount(), 1);
  EXPECT_EQ(editor.form15.List1.list(0), "Old School");
  EXPECT_EQ(folder.entries(""), (Lines{"Data", "scenarios"}));
}

TEST(GameFolderFiles, ANewNameThatDiffersOnlyInCaseIsTaken) {
  Session s;
  s.folder.write("Data/gcf.fed", promotion_file::templateLines());
  s.openNewGameData();
  s.editor.form14.Command1.click();  // "Edit The Promotions Files"
  s.desktop.reply("GCF.fed");
  s.desktop.reply("");  // asked again: Cancel

  s.editor.form1.Command2.click();  // "Create a New Promotion"

  ASSERT_EQ(s.desktop.messageTexts().size(), 1u);
  EXPECT_EQ(s.desktop.dialogs()[1].title, "File Already Exists");
  EXPECT_EQ(s.folder.entries("Data"), (Lines{"gcf.fed", "maindata.vl1", "venues.txt"}));
}

TEST(GameFolderFiles, NamesThatClashIgnoringCaseAreNamedAndNoneIsUsed) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows holds no two names that differ only in letter case";
#endif
  Session s;
  s.folder.writeBytes("Data/Wrestlers.vl1", roster(2));
  s.folder.writeBytes("Data/WRESTLERS.VL1", roster(3));
  s.folder.writeBytes("Data/MainData.vl1", mainData);
  s.folder.writeBytes("Data/MAINDATA.VL1", mainData);
  fs::remove(s.folder.path("Data/maindata.vl1"));
  s.openNewGameData();
  Form14& hub = s.editor.form14;

  for (ui::CommandButton* button : {&hub.Command2, &hub.Command4}) {  // wrestlers, start date
    s.desktop.forget();
    button->click();
    ASSERT_EQ(s.desktop.messageTexts().size(), 1u) << button->caption();
    const std::string text = s.desktop.messageTexts()[0];
    EXPECT_NE(text.find("differ only in letter case"), std::string::npos) << text;
    EXPECT_TRUE(hub.visible()) << button->caption();
  }
  EXPECT_NE(s.desktop.messageTexts()[0].find("\"MAINDATA.VL1\" and \"MainData.vl1\""),
            std::string::npos);
  EXPECT_EQ(s.folder.entries("Data"), (Lines{"MAINDATA.VL1", "MainData.vl1", "WRESTLERS.VL1",
                                             "Wrestlers.vl1", "venues.txt"}));
}

TEST(GameFolderFiles, FoldersWithNamesTheGameCantHoldAreNotOffered) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows holds no such names";
#endif
  Session s;
  for (const char* name : {"S\\..\\..\\..\\escaped", "a\\b", "what?", "Old School"}) {
    s.folder.writeBytes(std::string("Scenarios/") + name + "/scenario.txt", "x\r\n");
    s.folder.makeFolder(std::string("Scenarios/") + name);
  }
  s.folder.makeFolder("a/b");  // where "a\b" would lead if it were split
  s.folder.makeFolder("save1");
  s.folder.writeBytes("one.sav", "save1\r\n");
  s.folder.writeBytes("two.sav", "..\\..\\escaped\r\n");
  s.folder.writeBytes("three.sav", "a\\b\r\n");
  s.editor.start();

  s.editor.form15.Command1.click();  // "Edit a Scenario"
  EXPECT_EQ(s.chooserEntries(), (Lines{"Old School"}));
  s.editor.form15.Command7.click();  // the chooser's "Cancel"
  s.editor.form15.Command5.click();  // "Edit a Saved Game"
  EXPECT_EQ(s.chooserEntries(), (Lines{"save1"}));
  EXPECT_TRUE(s.desktop.dialogs().empty());
}

TEST(GameFolderFiles, NothingIsReadOrWrittenOutsideTheGameFolder) {
  // A data set whose folder leads out of the game folder (as a folder name from an archive
  // would, were it split): every file of it is refused, and nothing appears outside.
  Session s;
  const fs::path outside = s.folder.root().parent_path() / "escaped";
  ASSERT_FALSE(fs::exists(outside));
  s.folder.makeFolder("Scenarios/S");
  s.openNewGameData();
  Form14& hub = s.editor.form14;
  hub.Text1.setText("\\Scenarios\\S\\..\\..\\..\\escaped\\");

  for (ui::CommandButton* button : {&hub.Command2, &hub.Command4, &hub.Command5}) {
    s.desktop.forget();
    button->click();
    ASSERT_FALSE(s.desktop.messageTexts().empty()) << button->caption();
    EXPECT_NE(s.desktop.messageTexts()[0].find("lies outside the game folder"), std::string::npos)
        << s.desktop.messageTexts()[0];
    EXPECT_TRUE(hub.visible()) << button->caption();
  }
  EXPECT_FALSE(fs::exists(outside));
}

// Each way the editor reads one of the three files, and where it tells the user.
struct Reader {
  const char* what;
  std::string file;
  std::function<void(Form14&)> read;
  bool toldInThePanel = false;
};

TEST(GameFolderFiles, APipeOrADeviceIsReportedAtOnceAndTheEditorGoesOn) {
  const std::vector<Reader> readers = {
      {"wrestler list", "wrestlers.vl1", [](Form14& hub) { hub.Command2.click(); }},
      {"dates check of the roster", "wrestlers.vl1", [](Form14& hub) { hub.Command6.click(); },
       true},
      {"venue window", "venues.txt", [](Form14& hub) { hub.Command5.click(); }},
      {"start date", "maindata.vl1", [](Form14& hub) { hub.Command4.click(); }},
      {"dates check of the start date", "maindata.vl1", [](Form14& hub) { hub.Command6.click(); },
       true},
  };
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no FIFOs; its devices are tested on their own";
#else
  for (const bool pipe : {true, false}) {
    for (const Reader& reader : readers) {
      SCOPED_TRACE(std::string(reader.what) + (pipe ? " from a pipe" : " from /dev/zero"));
      Session s;
      s.folder.writeBytes("Data/wrestlers.vl1", roster(1));
      const fs::path path = s.folder.path("Data/" + reader.file);
      fs::remove(path);
      std::optional<PipeGuard> guard;  // a pipe no program writes to
      if (pipe) {
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        guard.emplace(path, PipeGuard::Writer::None);
      } else {
        fs::create_symlink("/dev/zero", path);
      }
      s.openNewGameData();
      Form14& hub = s.editor.form14;

      reader.read(hub);
      if (guard) {
        EXPECT_FALSE(guard->finish()) << "the reader waited for the pipe";
      }

      const std::string told =
          reader.toldInThePanel
              ? hub.Text3.text()
              : (s.desktop.messageTexts().empty() ? std::string() : s.desktop.messageTexts()[0]);
      // A device is only reached through a link, and a link out of the game folder is never
      // followed.
      EXPECT_NE(told.find(path.string() +
                          (pipe ? "\" is not a plain file" : "\" lies outside the game folder")),
                std::string::npos)
          << told;
      // Still usable: the hub is shown and takes the next click.
      if (reader.toldInThePanel) hub.Command8.click();  // the panel's "OK"
      ASSERT_TRUE(hub.visible());
      hub.Command3.click();  // "Back To Menu"
      EXPECT_TRUE(s.editor.form15.visible());
    }
  }
#endif
}

TEST(GameFolderFiles, CheckScenarioTakesNoLinkedPicture) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes symbolic links only with a privilege tests lack";
#endif
  Session s;
  const std::string scenario = "Scenarios/S/";
  s.folder.writeBytes(scenario + "maindata.vl1", mainData);
  s.folder.writeBytes(scenario + "venues.txt", venues);
  s.folder.writeBytes(scenario + "wrestlers.vl1", "");
  s.folder.writeBytes("secret.txt", "not a picture");
  fs::create_symlink(s.folder.path("secret.txt"), s.folder.path("Images/shared.jpg"));
  fs::create_symlink(s.folder.path("secret.txt"), s.folder.path(scenario + "own.jpg"));
  Lines lines = promotionWithLogo("shared.jpg");
  lines[promotion_file::showLine(0, promotion_file::ShowField::logo)] = "own.jpg";
  s.folder.write(scenario + "x.fed", lines);
  s.openScenario("S");

  s.editor.form14.Command7.click();  // "Check Scenario"

  const std::string report = s.editor.form14.Text3.text();
  for (const char* line :
       {"Image: ''shared.jpg''..... ** MISSING **",
        "Image: ''own.jpg''..... ** A LINK, NOT THE FILE ITSELF **", "not ready to be distributed"})
    EXPECT_NE(report.find(line), std::string::npos) << line << " in:\n" << report;
  EXPECT_FALSE(s.folder.exists(scenario + "shared.jpg"));
}

}  // namespace
