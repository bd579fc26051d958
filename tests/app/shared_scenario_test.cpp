// Scenarios handed on by other players, driven through the windows: links that lead out of the
// game folder, names on disk in UTF-8 or in the game's code page, names Windows can't hold, and
// folders that can't be read.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/mount.h>
#include <sys/stat.h>
#endif

#include <filesystem>
#include <string>
#include <vector>

#include "app/editor.h"
#include "common/paths.h"
#include "promotion/promotion_file.h"
#include "tests/app/game_session.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/unprivileged.h"
#include "tests/support/wizard_walk.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string secret = "SECRET of the machine\r\nline two\r\nline three\r\n";

using game_session::mainData;
using game_session::promotionWithLogo;
using game_session::venues;

// A game folder with the new-game data and a scenario "S" holding every file it needs.
struct Session : game_session::Session {
  Session() {
    folder.writeBytes(scenario + "maindata.vl1", mainData);
    folder.writeBytes(scenario + "venues.txt", venues);
    folder.writeBytes(scenario + "wrestlers.vl1", "");
    folder.writeBytes(scenario + "scenario.txt", "Title\r\nAbout\r\nMe\r\n");
    folder.write(scenario + "vlf.fed", promotionWithLogo("default.jpg"));
  }
  void openScenario(const std::string& name = "S") { game_session::Session::openScenario(name); }
  std::string checkScenario() {
    editor.form14.Command8.click();  // the results panel's "OK", when it is open
    editor.form14.Command7.click();
    return editor.form14.Text3.text();
  }
  // Every text the windows show: captions, boxes, lists, grid cells, and every message box.
  std::string everythingShown() const {
    std::string text;
    for (const std::string& message : desktop.messageTexts()) text += message + "\n";
    const ui::Form* forms[] = {&editor.form1,  &editor.form2,  &editor.form3,  &editor.form4,
                               &editor.form5,  &editor.form6,  &editor.form7,  &editor.form8,
                               &editor.form9,  &editor.form10, &editor.form11, &editor.form12,
                               &editor.form13, &editor.form14, &editor.form15, &editor.form16,
                               &editor.form17, &editor.form18, &editor.form19};
    for (const ui::Form* form : forms) {
      text += form->caption() + "\n";
      for (const ui::Control* control : form->controls()) {
        if (const auto* label = dynamic_cast<const ui::Label*>(control)) text += label->caption();
        if (const auto* box = dynamic_cast<const ui::TextBox*>(control)) text += box->text();
        if (const auto* list = dynamic_cast<const ui::ListBox*>(control))
          for (int i = 0; i < list->listCount(); ++i) text += list->list(i) + "\n";
        if (const auto* grid = dynamic_cast<const ui::Grid*>(control))
          for (int r = 0; r < grid->rows(); ++r)
            for (int c = 0; c < grid->cols(); ++c) text += grid->textMatrix(r, c) + "\n";
        text += "\n";
      }
    }
    return text;
  }

  const std::string scenario = "Scenarios/S/";
};

// Each file a scenario holds, and the windows that read and write it.
struct LinkedFile {
  const char* name;
  std::function<void(Session&)> use;  // reads the file and, where it can, writes it
};

TEST(SharedScenario, ALinkOutOfTheGameFolderShowsNothingOfWhatItLeadsTo) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes symbolic links only with a privilege tests lack";
#endif
  const LinkedFile files[] = {
      {"wrestlers.vl1",
       [](Session& s) {
         s.editor.form14.Command2.click();  // "Edit The Wrestlers File"
         s.editor.form12.Command4.click();  // "Save Changes", when it opened
         s.editor.form12.Command1.click();  // "Done"
       }},
      {"venues.txt",
       [](Session& s) {
         s.editor.form14.Command5.click();  // "Edit The Venues"
         s.editor.form18.Command4.click();  // "Back To Menu", when it opened
       }},
      {"maindata.vl1",
       [](Session& s) {
         s.editor.form14.Command4.click();  // "Edit The Start Date"
         s.editor.form17.Command1.click();  // "Confirm Start Date", when it opened
         s.editor.form17.Command2.click();  // "Back To Menu"
       }},
      {"scenario.txt",
       [](Session& s) {
         s.desktop.answerNo();              // make a new scenario.txt? No
         s.editor.form14.Command9.click();  // "Edit The Scenario Info File"
       }},
      {"evil.fed",
       [](Session& s) {
         s.editor.form14.Command1.click();  // "Edit The Promotions Files"
         s.editor.form1.Command1.click();   // "Edit an Existing Promotion"
         // An entry that leads out is not even listed; every other one is previewed.
         for (int i = 0; i < s.editor.form2.File1.listCount(); ++i) s.editor.form2.File1.choose(i);
         s.editor.form2.Command2.click();  // "Back"
         s.editor.form1.Command4.click();  // "Back"
       }},
  };
  for (const bool absolute : {true, false}) {
    for (const LinkedFile& file : files) {
      SCOPED_TRACE(std::string(file.name) + (absolute ? ", absolute link" : ", relative link"));
      GameFolder outside(GameFolder::Layout::Empty);
      outside.writeBytes("secret.txt", secret);
      Session s;
      const fs::path link = s.folder.path(s.scenario + file.name);
      fs::remove(link);
      fs::create_symlink(absolute ? outside.path("secret.txt")
                                  : fs::relative(outside.path("secret.txt"), link.parent_path()),
                         link);
      s.openScenario();
      ASSERT_TRUE(s.editor.form14.visible());

      file.use(s);
      const std::string report = s.checkScenario();
      s.editor.form14.Command8.click();
      s.editor.form14.Command6.click();  // "Check All Dates"

      EXPECT_EQ(s.everythingShown().find("SECRET"), std::string::npos) << s.everythingShown();
      const std::string name = file.name;
      const bool dataFile = name != "evil.fed" && name != "scenario.txt";
      EXPECT_NE(report.find(dataFile ? name + " file.....** A LINK, NOT THE FILE ITSELF **"
                                     : "''" + name + "''..... ** A LINK, NOT THE FILE ITSELF **"),
                std::string::npos)
          << report;
      EXPECT_NE(report.find("not ready to be distributed"), std::string::npos);
      EXPECT_EQ(outside.bytes("secret.txt"), secret);
      EXPECT_EQ(outside.entries(""), Lines{"secret.txt"});
      EXPECT_TRUE(fs::is_symlink(link));
    }
  }
}

TEST(SharedScenario, ALinkThatStaysInsideIsSavedWhereItPoints) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes symbolic links only with a privilege tests lack";
#endif
  Session s;
  s.folder.writeBytes(s.scenario + "real/roster.vl1", "");
  fs::remove(s.folder.path(s.scenario + "wrestlers.vl1"));
  fs::create_symlink("real/roster.vl1", s.folder.path(s.scenario + "wrestlers.vl1"));
  s.openScenario();
  s.editor.form14.Command2.click();
  ASSERT_TRUE(s.editor.form12.visible());
  s.editor.form12.Command4.click();
  EXPECT_EQ(s.desktop.last().text, "Saved OK.");
  EXPECT_TRUE(fs::is_symlink(s.folder.path(s.scenario + "wrestlers.vl1")));
  EXPECT_EQ(s.folder.entries(s.scenario + "real"), Lines{"roster.vl1"});
}

TEST(SharedScenario, AFolderOrSavedGameThatLeadsOutIsNeitherOfferedNorRead) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes symbolic links only with a privilege tests lack";
#endif
  GameFolder outside(GameFolder::Layout::Empty);
  outside.writeBytes("elsewhere/maindata.vl1", secret);
  outside.writeBytes("index.sav", "SECRET\r\n");
  Session s;
  fs::create_directory_symlink(outside.path("elsewhere"), s.folder.path("Scenarios/Away"));
  fs::create_directory_symlink("../../" + outside.root().filename().string() + "/elsewhere",
                               s.folder.path("Scenarios/Up"));
  fs::create_symlink(outside.path("index.sav"), s.folder.path("game.sav"));
  s.folder.makeFolder("save1");
  s.folder.writeBytes("own.sav", "save1\r\n");

  s.editor.start();
  s.editor.form15.Command1.click();  // "Edit a Scenario"
  EXPECT_EQ(s.chooserEntries(), Lines{"S"});
  s.editor.form15.Command7.click();  // "Cancel"
  s.editor.form15.Command5.click();  // "Edit a Saved Game"
  EXPECT_EQ(s.chooserEntries(), Lines{"save1"});
  EXPECT_EQ(s.everythingShown().find("SECRET"), std::string::npos);
  EXPECT_EQ(outside.entries("elsewhere"), Lines{"maindata.vl1"});
}

TEST(SharedScenario, NamesAreFoundInUtf8AndInTheGamesCodePage) {
  Session s;
  // A UTF-8 name on disk, as Linux unzip makes it; the file holds the game's byte E9 for é.
  s.folder.writeBytes("Images/Caf\xC3\xA9.jpg", "\xFF\xD8\xFF picture");
  // A name unpacked as Windows-1252 bytes.
  s.folder.writeBytes("Images/Ol\xE9.jpg", "\xFF\xD8\xFF old");
  // Two names that share their first UTF-8 byte: only characters are compared.
  s.folder.writeBytes("Images/\xC3\x9Arika.jpg", "\xFF\xD8\xFF U");
  s.folder.write(s.scenario +
                     "Lucha L\xC3\xAD"
                     "bre.fed",
                 promotionWithLogo("Caf\xE9.jpg"));
  Lines other = promotionWithLogo("OL\xC9.JPG");
  other[promotion_file::showLine(0, promotion_file::ShowField::logo)] = "\xCArika.jpg";
  s.folder.write(s.scenario + "other.fed", other);
  // A UTF-8 name with a character Windows-1252 has not: the game could not name it.
  s.folder.write(s.scenario + "\xE6\x97\xA5.fed", promotionWithLogo("default.jpg"));
  s.openScenario();

  const std::string report = s.checkScenario();
  for (const std::string line :
       {"promotion files..... OK (3 found)", "Image: ''Caf\xE9.jpg''..... OK",
        "Image: ''OL\xC9.JPG''..... OK", "Image: ''\xCArika.jpg''..... ** MISSING **"})
    EXPECT_NE(report.find(line), std::string::npos) << line << " in:\n" << report;
  // What the editor copies in is named in UTF-8 (the name the promotion file gives).
  EXPECT_EQ(s.folder.bytes(s.scenario + "Caf\xC3\xA9.jpg"), "\xFF\xD8\xFF picture");
  EXPECT_EQ(s.folder.bytes(s.scenario + "OL\xC3\x89.JPG"), "\xFF\xD8\xFF old");
  EXPECT_FALSE(s.folder.exists(s.scenario + "\xC3\x8Arika.jpg"));

  // The chooser shows the game's spelling, and the promotion is saved into its own file.
  s.editor.form14.Command8.click();
  s.editor.form14.Command1.click();  // "Edit The Promotions Files"
  s.editor.form1.Command1.click();   // "Edit an Existing Promotion"
  const ui::FileListBox& chooser = s.editor.form2.File1;
  ASSERT_EQ(chooser.items(), (Lines{"Lucha L\xED"
                                    "bre.fed",
                                    "other.fed", "vlf.fed"}));
  s.editor.form2.File1.choose(0);
  s.editor.form2.Command1.click();  // "Edit This Promotion"
  ASSERT_TRUE(s.editor.form3.visible());

  // The picker lists the pictures as the game names them, and stores the game's bytes.
  Form16& picker = s.editor.form16;
  picker.openfor("Promotion Logo");
  EXPECT_EQ(picker.File1.items(), (Lines{"Caf\xE9.jpg", "Ol\xE9.jpg", "\xDArika.jpg"}));
  picker.File1.choose(0);
  picker.Command1.click();  // "Use This Image"
  EXPECT_EQ(s.editor.form2.List1.list(promotion_file::logoLine), "Caf\xE9.jpg");

  nextToStepEight(s.editor);
  s.editor.form11.Command1.click();  // SAVE
  EXPECT_NE(s.desktop.last().text.find(" saved OK."), std::string::npos) << s.desktop.last().text;
  EXPECT_EQ(s.folder.entries(s.scenario),
            (Lines{"Caf\xC3\xA9.jpg",
                   "Lucha L\xC3\xAD"
                   "bre.fed",
                   "OL\xC3\x89.JPG", "maindata.vl1", "other.fed", "scenario.txt", "venues.txt",
                   "vlf.fed", "wrestlers.vl1", "\xE6\x97\xA5.fed"}));
  EXPECT_NE(s.folder
                .bytes(s.scenario + "Lucha L\xC3\xAD"
                                    "bre.fed")
                .find("\r\nCaf\xE9.jpg\r\n"),
            std::string::npos);
}

TEST(SharedScenario, ATypedScenarioNameMakesAUtf8FolderAndIsComparedLiterally) {
  Session s;
  s.folder.makeFolder("Scenarios/WCW 1");
  s.folder.makeFolder("Scenarios/Show 7");
  s.editor.start();
  for (const std::string name : {"Lucha L\xED"
                                 "bre",
                                 "WCW [1999]", "Show #"}) {
    SCOPED_TRACE(name);
    s.desktop.reply(name);
    s.editor.form15.Command4.click();  // "Create a Scenario"
    ASSERT_TRUE(s.editor.form19.visible()) << s.everythingShown();
    s.editor.form19.Command4.click();  // "OK"
    s.editor.form14.Command3.click();  // "Back To Menu"
  }
  EXPECT_TRUE(
      s.folder.exists("Scenarios/Lucha L\xC3\xAD"
                      "bre/scenario.txt"));
  EXPECT_TRUE(s.folder.exists("Scenarios/WCW [1999]/maindata.vl1"));
  EXPECT_TRUE(s.folder.exists("Scenarios/Show #/venues.txt"));
  EXPECT_EQ(s.folder
                .bytes("Scenarios/Lucha L\xC3\xAD"
                       "bre/scenario.txt")
                .substr(0, 13),
            "Lucha L\xED"
            "bre\r\n");
}

TEST(SharedScenario, DeviceNamesAreRefusedWhereverANameIsTyped) {
  for (const std::string name : {"con.fed", "NUL.fed", "Com1.fed", "aux.fed"}) {
    SCOPED_TRACE(name);
    Session s;
    s.openScenario();
    s.editor.form14.Command1.click();  // "Edit The Promotions Files"
    s.desktop.reply(name);
    s.desktop.reply("");
    s.editor.form1.Command2.click();  // "Create a New Promotion"
    EXPECT_NE(s.everythingShown().find("is a name Windows keeps for a device"), std::string::npos);
    EXPECT_FALSE(s.editor.form3.visible());
  }
  for (const std::string name : {"nul.vl1", "com1.vl1", "LPT1.vl1", "sub\\con\\x.vl1"}) {
    SCOPED_TRACE(name);
    Session s;
    s.folder.writeBytes(s.scenario + "wrestlers.vl1", "");
    s.openScenario();
    s.editor.form14.Command2.click();  // "Edit The Wrestlers File"
    s.editor.form12.Text4.type("1");   // the promotion whose wrestlers are exported
    s.editor.form12.Text5.type(name);
    s.editor.form12.Command11.click();  // export a promotion's wrestlers
    s.desktop.reply(name);
    s.editor.form12.Command9.click();  // merge into another roster file
    const Lines told = s.desktop.messageTexts();
    ASSERT_EQ(told.size(), 2u) << s.everythingShown();
    for (const std::string& message : told)
      EXPECT_NE(message.find("is a name Windows keeps for a device"), std::string::npos) << message;
  }
  Session s;
  EXPECT_EQ(s.folder.entries(s.scenario),
            (Lines{"maindata.vl1", "scenario.txt", "venues.txt", "vlf.fed", "wrestlers.vl1"}));
}

TEST(SharedScenario, CheckScenarioNamesWhatWouldBreakOnWindows) {
  Session s;
  s.folder.write(s.scenario + "gcf.fed", promotionWithLogo("default.jpg"));
  // A name beginning with a dot is an entry like any other, and its logo is needed too.
  s.folder.write(s.scenario + ".extra.fed", promotionWithLogo("gone.jpg"));
#ifdef _WIN32
  // Windows itself holds no names that differ only in case, nor a file named for a device: a
  // scenario kept there has none of them.
  Lines wanted = {"promotion files..... OK (3 found)"};
#else
  s.folder.write(s.scenario + "GCF.fed", promotionWithLogo("default.jpg"));
  s.folder.writeBytes(s.scenario + "Wrestlers.VL1", "");
  s.folder.writeBytes(s.scenario + "nul.txt", "");
  Lines wanted = {
      "promotion files..... OK (4 found)",
      "''GCF.fed'' and ''gcf.fed''..... ** NAMES THAT DIFFER ONLY IN LETTER CASE",
      "''Wrestlers.VL1'' and ''wrestlers.vl1''..... ** NAMES THAT DIFFER ONLY IN LETTER CASE",
      "''nul.txt''..... ** A NAME WINDOWS KEEPS FOR A DEVICE **"};
#endif
  wanted.push_back("Image: ''gone.jpg''..... ** MISSING **");
  wanted.push_back("not ready to be distributed");
  s.openScenario();

  const std::string report = s.checkScenario();
  for (const std::string& line : wanted)
    EXPECT_NE(report.find(line), std::string::npos) << line << " in:\n" << report;
}

// A file system of its own for the scenarios, made only as root: a tmpfs of a few pages.
class SmallDisk {
 public:
  explicit SmallDisk(const fs::path& where) : where_(where) {
#ifndef _WIN32  // Windows mounts no such file system: nothing is mounted there
    mounted_ = ::mount("tmpfs", where.c_str(), "tmpfs", 0, "size=16k") == 0;
#endif
  }
  ~SmallDisk() {
#ifndef _WIN32
    if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
#endif
  }
  bool mounted() const { return mounted_; }

 private:
  fs::path where_;
  bool mounted_ = false;
};

TEST(SharedScenario, AFullDiskIsNamedOnThePicturesLine) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows mounts no small file system that a test could fill";
#endif
  Session s;
  const fs::path scenarios = s.folder.path("Scenarios");
  fs::remove_all(scenarios);
  fs::create_directory(scenarios);
  SmallDisk disk(scenarios);
  if (!disk.mounted()) GTEST_SKIP() << "a tmpfs can be mounted only as root";
  s.folder.writeBytes(s.scenario + "maindata.vl1", mainData);
  s.folder.writeBytes(s.scenario + "venues.txt", venues);
  s.folder.writeBytes(s.scenario + "wrestlers.vl1", "");
  s.folder.write(s.scenario + "big.fed", promotionWithLogo("big.jpg"));
  s.folder.writeBytes("Images/big.jpg", std::string(256 * 1024, 'x'));
  s.openScenario();

  const std::string report = s.checkScenario();
  EXPECT_NE(report.find("Image: ''big.jpg''..... ** MISSING ** (The file"), std::string::npos)
      << report;
  EXPECT_NE(report.find("the disk is full.)"), std::string::npos) << report;
  EXPECT_EQ(s.folder.entries(s.scenario),
            (Lines{"big.fed", "maindata.vl1", "venues.txt", "wrestlers.vl1"}));
}

TEST(SharedScenario, AFolderThatCantBeListedIsSaidToBeSo) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no permission bits";
#endif
  Session s;
  s.folder.write("Data/vlf.fed", promotionWithLogo("default.jpg"));
  s.editor.start();
  s.editor.form15.Command2.click();  // "Edit Data For New Games"
  // The folder can be passed through but not listed.
  fs::permissions(s.folder.path("Data"),
                  fs::perms::owner_write | fs::perms::owner_exec | fs::perms::others_exec);
  const std::optional<std::string> told = runUnprivileged(s.folder.root(), [&] {
    s.editor.form14.Command6.click();  // "Check All Dates"
    std::string shown = s.editor.form14.Text3.text() + "\n";
    s.editor.form14.Command8.click();
    s.editor.form14.Command1.click();  // "Edit The Promotions Files"
    s.editor.form1.Command1.click();   // "Edit an Existing Promotion"
    for (const std::string& message : s.desktop.messageTexts()) shown += message + "\n";
    return shown;
  });
  fs::permissions(s.folder.path("Data"), fs::perms::owner_all);
  ASSERT_TRUE(told.has_value());
  const std::string folder = "The folder \"" + s.folder.path("Data").string() +
                             "\" could not be read: permission was denied.";
  EXPECT_NE(told->find("the promotion files could not be listed. " + folder), std::string::npos)
      << *told;
  EXPECT_EQ(told->find("There are no problems with the dates"), std::string::npos) << *told;
  EXPECT_NE(told->rfind(folder), told->find(folder)) << "the chooser says so too:\n" << *told;
}

}  // namespace
