// Paths and folders: path texts, new names, and the file and folder operations.

#include "common/paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/line_file.h"
#include "common/text.h"
#include "tests/support/game_folder.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

bool names(const common::IoStatus& status, const GameFolder& game, const std::string& relative) {
  return status.error.find(game.path(relative).string()) != std::string::npos;
}

bool says(const common::IoStatus& status, const std::string& words) {
  return status.error.find(words) != std::string::npos;
}

// A path on disk as this system tells paths apart. Windows finds a name ignoring letter case by
// itself, so a path there keeps the case it was asked in: paths are compared without it, in the
// game's code page, with "\" between the names.
std::string asTold(std::string text) {
#ifdef _WIN32
  text = common::lowerText(text);
  std::replace(text.begin(), text.end(), '/', '\\');
#endif
  return text;
}

std::string asTold(const fs::path& path) {
#ifdef _WIN32
  const std::u8string utf8 = path.u8string();
  return asTold(common::utf8ToCp1252(std::string(utf8.begin(), utf8.end())));
#else
  return path.string();
#endif
}

// The path text of a relative path written with "/".
std::string textOf(const GameFolder& game, std::string relative) {
  std::replace(relative.begin(), relative.end(), '/', '\\');
  return game.pathText(relative);
}

TEST(Paths, ResolvePathFindsNamesIgnoringCaseAndStaysInsideTheGameFolder) {
  GameFolder game;
  game.write("Data/maindata.vl1", {"x"});
  game.write("Data/Wrestlers.vl1", {"x"});
  game.write("Scenarios/Frontier Wars 2000/MainData.vl1", {"x"});
  game.write("Data/Twice.fed", {"x"});
#ifndef _WIN32  // Windows holds no two names that differ only in case
  game.write("Data/TWICE.fed", {"x"});
#endif
  game.write("Images/Caf\xC9.jpg", {"x"});
  const std::string root = game.root().string();
  const struct {
    std::string text, native;  // "" native: refused
    std::string says = "";
  } cases[] = {
      {"Data\\maindata.vl1", "/Data/maindata.vl1"},
      {"DATA\\MainData.VL1", "/Data/maindata.vl1"},
      {"Data\\wrestlers.vl1", "/Data/Wrestlers.vl1"},
      {"scenarios\\frontier wars 2000\\maindata.vl1", "/Scenarios/Frontier Wars 2000/MainData.vl1"},
      {"Images\\caf\xE9.JPG", "/Images/Caf\xC9.jpg"},
      {"Data\\new.fed", "/Data/new.fed"},  // nothing of that name: kept as written
      {"data\\New\\x.vl1", "/Data/New/x.vl1"},
      {"Data/sub\\x.vl1", "/Data/sub/x.vl1"},
      {"Scenarios\\S\\..\\..\\Data\\.\\maindata.vl1", "/Data/maindata.vl1"},
      {"Data\\Twice.fed", "/Data/Twice.fed"},  // the exact name wins
#ifdef _WIN32
      {"Data\\twice.fed", "/Data/Twice.fed"},
#else
      {"Data\\twice.fed", "", "\"TWICE.fed\" and \"Twice.fed\", which differ only in letter case"},
#endif
      {"..\\escaped", "", "lies outside the game folder"},
      {"Scenarios\\S\\..\\..\\..\\escaped", "", "lies outside the game folder"},
      {"/etc/passwd", "", "lies outside the game folder"},
      {"\\Data\\maindata.vl1", "", "lies outside the game folder"},
  };
  for (const auto& c : cases) {
    const std::string text =
        c.text.front() == '/' || c.text.front() == '\\' ? c.text : game.pathText(c.text);
    fs::path native;
    const common::IoStatus status = common::resolvePath(text, native);
    if (c.native.empty()) {
      EXPECT_FALSE(status.ok) << c.text;
      EXPECT_NE(status.error.find(c.says), std::string::npos) << status.error;
      EXPECT_FALSE(common::exists(text)) << c.text;
    } else {
      EXPECT_TRUE(status.ok) << c.text << ": " << status.error;
      EXPECT_EQ(asTold(native), asTold(root + c.native)) << c.text;
    }
  }
}

TEST(Paths, AGameFolderWhosePathHoldsABackslashIsUsedAsItIs) {
#ifdef _WIN32
  GTEST_SKIP() << "a folder's name on Windows never holds a backslash";
#endif
  GameFolder outer(GameFolder::Layout::Empty);
  const fs::path root = outer.path("Games\\Vorlune");  // one folder, a backslash in its name
  fs::create_directories(root / "Data");
  fs::current_path(root);
  ASSERT_TRUE(common::writeLines(common::dataFilePath("\\Data\\", "maindata.vl1"), {"x"}).ok);
  EXPECT_TRUE(fs::exists(root / "Data" / "maindata.vl1"));
  EXPECT_TRUE(common::isFile(common::dataFilePath("\\Data\\", "maindata.vl1")));
  EXPECT_FALSE(fs::exists(outer.path("Games")));
  fs::current_path(outer.root());
}

TEST(Paths, ListsOfferNoNameTheGamesPlatformCouldNotHold) {
  EXPECT_TRUE(common::isPortableName("Caf\xE9 2000"));
  EXPECT_FALSE(common::isPortableName("a/b"));
  EXPECT_FALSE(common::isPortableName(""));
#ifdef _WIN32
  GTEST_SKIP() << "Windows holds no name with \\, ?, : or a tab, so no folder there offers one";
#endif
  GameFolder game;
  for (const char* folder : {"Old School", "S\\..\\..\\escaped", "a\\b", "what?", "tab\there"})
    game.makeFolder(std::string("Scenarios/") + folder);
  for (const char* file : {"gcf.fed", "a\\b.fed", "x:y.fed", "ok.fed"})
    game.write(std::string("Data/") + file, {"x"});
  Lines folders, files;
  ASSERT_TRUE(common::listFolders(game.pathText("Scenarios"), folders).ok);
  ASSERT_TRUE(common::listFiles(game.pathText("data"), files).ok);
  EXPECT_EQ(folders, (Lines{"Old School"}));
  EXPECT_EQ(files, (Lines{"gcf.fed", "ok.fed"}));
}

TEST(Paths, TheWorkingFolderIsReadAfreshAtEveryCall) {
  GameFolder game;
  const std::string root = game.root().string();
  EXPECT_EQ(common::workingFolder(), root);
  EXPECT_EQ(common::dataFilePath("\\Data\\", "maindata.vl1"), root + "\\Data\\maindata.vl1");
  EXPECT_EQ(common::dataFilePath("\\Scenarios\\Old School\\", "venues.txt"),
            root + "\\Scenarios\\Old School\\venues.txt");
  EXPECT_EQ(common::picturePath("logo.jpg"), root + "\\Images\\logo.jpg");

  fs::current_path(game.path("Data"));
  EXPECT_EQ(common::workingFolder(), game.path("Data").string());
  EXPECT_EQ(common::picturePath("logo.jpg"), game.path("Data").string() + "\\Images\\logo.jpg");
  fs::current_path(game.root());

  game.write("Data/maindata.vl1", {"x"});
  EXPECT_TRUE(common::isFile(common::dataFilePath("\\Data\\", "maindata.vl1")));
}

TEST(Paths, CheckNewNameRefusesWhatCannotNameAFileOrFolder) {
  const struct {
    std::string name;
    bool accepted;
    std::string mentions;  // a part of the refusal's sentence
  } cases[] = {
      {"Old School", true, ""},
      {"My-Scenario_2 (v1.3)", true, ""},
      {"Caf\xE9", true, ""},
      {"roster.vl1", true, ""},
      {"a.b.c", true, ""},
      {" leading blank", true, ""},
      {"", false, "enter a name"},
      {"   ", false, "enter a name"},
      {" \t ", false, "enter a name"},
      {".", false, "\".\""},
      {"..", false, "\"..\""},
      {"a/b", false, "/"},
      {"a\\b", false, "\\"},
      {"a<b", false, "<"},
      {"a>b", false, ">"},
      {"C:", false, ":"},
      {"say \"hi\"", false, "\""},
      {"a|b", false, "|"},
      {"what?", false, "?"},
      {"all*", false, "*"},
      {"tab\there", false, "control characters"},
      {"line\r\nbreak", false, "control characters"},
      {std::string("nul\0", 4), false, "control characters"},
      {"del\x7F", false, "control characters"},
      {"trailing ", false, "end with a blank or a dot"},
      {"trailing.", false, "end with a blank or a dot"},
      {"...", false, "end with a blank or a dot"},
      {".hidden", false, "begin with a dot"},
  };
  for (const auto& c : cases) {
    const std::string refusal = common::checkNewName(c.name);
    if (c.accepted) {
      EXPECT_EQ(refusal, "") << '"' << c.name << '"';
    } else {
      EXPECT_NE(refusal.find(c.mentions), std::string::npos)
          << '"' << c.name << "\" gave \"" << refusal << '"';
      EXPECT_EQ(refusal.back(), '.') << refusal;  // a whole sentence
    }
  }
}

TEST(Paths, ExistsIsFileAndIsFolder) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes symbolic links only with a privilege tests lack";
#endif
  GameFolder game;
  game.write("Data/maindata.vl1", {"x"});
  fs::create_symlink("maindata.vl1", game.path("Data/link.vl1"));
  fs::create_symlink("gone.vl1", game.path("Data/broken.vl1"));
  fs::create_directory_symlink("Images", game.path("Pictures"));
  const struct {
    std::string text;
    bool exists, file, folder;
  } cases[] = {
      {"Data\\maindata.vl1", true, true, false},
      {"Data", true, false, true},
      {"Data\\", true, false, true},
      {"Data\\link.vl1", true, true, false},
      {"Data\\broken.vl1", false, false, false},
      {"Pictures", true, false, true},
      {"Data\\missing", false, false, false},
      {"data", true, false, true},  // found ignoring case, as on the game's platform
      {"DATA\\MAINDATA.VL1", true, true, false},
      {"Data\\maindata.vl1\\x", false, false, false},
  };
  for (const auto& c : cases) {
    const std::string text = game.pathText(c.text);
    EXPECT_EQ(common::exists(text), c.exists) << c.text;
    EXPECT_EQ(common::isFile(text), c.file) << c.text;
    EXPECT_EQ(common::isFolder(text), c.folder) << c.text;
  }
}

TEST(Paths, ListsArePlainAndSortedWithoutRegardToCase) {
  GameFolder game(GameFolder::Layout::Empty);
  for (const char* folder :
       {"b", "Scenarios", "a", "C", ".git", "A", "old school", "Old", "Old Schools"})
    game.makeFolder(folder);
  for (const char* file :
       {"zeta.fed", "Alpha.fed", "alpha.fed", ".hidden.fed", "Beta.FED", "alpha.fe"})
    game.write(file, {"x"});
#ifdef _WIN32
  // Windows holds no two names that differ only in case ("A" is "a"), and tests can make no links.
  const Lines wantedFolders = {".git", "a",          "b",           "C",
                               "Old",  "old school", "Old Schools", "Scenarios"};
  const Lines wantedFiles = {".hidden.fed", "alpha.fe", "Alpha.fed", "Beta.FED", "zeta.fed"};
#else
  fs::create_directory_symlink("a", game.path("linked"));
  fs::create_symlink("zeta.fed", game.path("zlink.fed"));
  // Links out of the game folder are never offered, wherever they lead.
  fs::create_directory_symlink("/tmp", game.path("elsewhere"));
  fs::create_symlink("../../outside.fed", game.path("out.fed"));
  const Lines wantedFolders = {".git",   "A",   "a",          "b",           "C",
                               "linked", "Old", "old school", "Old Schools", "Scenarios"};
  const Lines wantedFiles = {".hidden.fed", "alpha.fe", "Alpha.fed", "alpha.fed",
                             "Beta.FED",    "zeta.fed", "zlink.fed"};
#endif

  Lines folders = {"stale"}, files = {"stale"};
  ASSERT_TRUE(common::listFolders(game.pathText(""), folders).ok);
  ASSERT_TRUE(common::listFiles(game.pathText(""), files).ok);
  EXPECT_EQ(folders, wantedFolders);
  EXPECT_EQ(files, wantedFiles);

  ASSERT_TRUE(common::listFiles(game.pathText("b"), files).ok);
  EXPECT_TRUE(files.empty());
  ASSERT_TRUE(common::listFolders(game.pathText("Old\\"), folders).ok);
  EXPECT_TRUE(folders.empty());
}

TEST(Paths, ListingWhatIsNoFolderFails) {
  GameFolder game;
  game.write("Data/maindata.vl1", {"x"});
  const struct {
    std::string relative, words;
  } cases[] = {
      {"Missing", "\" could not be found."},
      {"Data/maindata.vl1", "\" is not a folder."},
  };
  for (const auto& c : cases) {
    Lines list = {"stale"};
    const common::IoStatus folders = common::listFolders(textOf(game, c.relative), list);
    EXPECT_FALSE(folders.ok) << c.relative;
    EXPECT_TRUE(names(folders, game, c.relative)) << folders.error;
    EXPECT_TRUE(says(folders, c.words)) << folders.error;
    EXPECT_TRUE(list.empty());
    list = {"stale"};
    const common::IoStatus files = common::listFiles(textOf(game, c.relative), list);
    EXPECT_FALSE(files.ok) << c.relative;
    EXPECT_TRUE(names(files, game, c.relative)) << files.error;
    EXPECT_TRUE(says(files, c.words)) << files.error;
    EXPECT_TRUE(list.empty());
  }
}

TEST(Paths, CopyFileNeverOverwrites) {
  GameFolder game;
  game.writeBytes("Data/maindata.vl1", "main\r\n\xE9\r\n");
  game.writeBytes("Scenarios/Old/maindata.vl1", "theirs\r\n");
  game.makeFolder("Scenarios/New");

  EXPECT_TRUE(common::copyFile(game.pathText("Data\\maindata.vl1"),
                               game.pathText("Scenarios\\New\\maindata.vl1"))
                  .ok);
  EXPECT_EQ(game.bytes("Scenarios/New/maindata.vl1"), "main\r\n\xE9\r\n");

  const struct {
    std::string from, to, untouched, bytes, words;
  } failures[] = {
      {"Data/maindata.vl1", "Scenarios/Old/maindata.vl1", "Scenarios/Old/maindata.vl1",
       "theirs\r\n", ": something of that name already exists there."},
      {"Data/missing.vl1", "Scenarios/New/missing.vl1", "Scenarios/New/missing.vl1", "",
       ": it does not exist."},
      {"Data", "Scenarios/New/Data", "Scenarios/New/Data", "", ": it does not exist."},
      {"Data/maindata.vl1", "Scenarios/Gone/maindata.vl1", "Scenarios/Gone", "",
       ": the folder it belongs in does not exist."},
  };
  for (const auto& c : failures) {
    const common::IoStatus status = common::copyFile(textOf(game, c.from), textOf(game, c.to));
    EXPECT_FALSE(status.ok) << c.to;
    EXPECT_TRUE(names(status, game, c.from)) << status.error;
    EXPECT_TRUE(names(status, game, c.to)) << status.error;
    EXPECT_TRUE(says(status, c.words)) << status.error;
    EXPECT_EQ(game.bytes(c.untouched), c.bytes) << c.to;
    if (c.bytes.empty()) {
      EXPECT_FALSE(game.exists(c.untouched)) << c.to;
    }
  }
  EXPECT_EQ(game.bytes("Data/maindata.vl1"), "main\r\n\xE9\r\n");
}

TEST(Paths, MakeFolderFailsWhenAnythingIsThere) {
  GameFolder game;
  game.write("Scenarios/file", {"x"});
  game.makeFolder("Scenarios/Old");
  game.write("Scenarios/Old/scenario.txt", {"kept"});
  EXPECT_TRUE(common::makeFolder(game.pathText("Scenarios\\New")).ok);
  EXPECT_TRUE(common::isFolder(game.pathText("Scenarios\\New")));
  const struct {
    std::string relative, words;
  } failures[] = {
      {"Scenarios/Old", ": something of that name already exists."},
      {"Scenarios/file", ": something of that name already exists."},
      {"Missing/New", ": the folder it belongs in does not exist."},
  };
  for (const auto& c : failures) {
    const common::IoStatus status = common::makeFolder(textOf(game, c.relative));
    EXPECT_FALSE(status.ok) << c.relative;
    EXPECT_TRUE(names(status, game, c.relative)) << status.error;
    EXPECT_TRUE(says(status, c.words)) << status.error;
  }
  EXPECT_EQ(game.read("Scenarios/Old/scenario.txt"), (Lines{"kept"}));
  EXPECT_EQ(game.read("Scenarios/file"), (Lines{"x"}));
  EXPECT_FALSE(game.exists("Missing"));
}

TEST(Paths, RemoveFileAndRemoveEmptyFolder) {
  GameFolder game;
  game.write("Data/old.fed", {"x"});
  game.makeFolder("Scenarios/Empty");
  game.write("Scenarios/Full/scenario.txt", {"kept"});

  EXPECT_TRUE(common::removeFile(game.pathText("Data\\old.fed")).ok);
  EXPECT_FALSE(game.exists("Data/old.fed"));
  EXPECT_TRUE(common::removeEmptyFolder(game.pathText("Scenarios\\Empty")).ok);
  EXPECT_FALSE(game.exists("Scenarios/Empty"));

  const struct {
    bool folder;
    std::string relative, words;
  } failures[] = {
      {false, "Data/old.fed", ": it does not exist."},
      {false, "Scenarios/Full", "\" is a folder, not a file."},
      {true, "Scenarios/Full", ": the folder is not empty."},
      {true, "Scenarios/Full/scenario.txt", "\" is not a folder."},
      {true, "Scenarios/Empty", ": it does not exist."},
  };
  for (const auto& c : failures) {
    const std::string text = textOf(game, c.relative);
    const common::IoStatus status =
        c.folder ? common::removeEmptyFolder(text) : common::removeFile(text);
    EXPECT_FALSE(status.ok) << c.relative;
    EXPECT_TRUE(names(status, game, c.relative)) << status.error;
    EXPECT_TRUE(says(status, c.words)) << status.error;
  }
  EXPECT_EQ(game.read("Scenarios/Full/scenario.txt"), (Lines{"kept"}));
}

}  // namespace
