// Line files on Windows, where the game's players keep their game folders: devices that any
// folder names, files held open by another program, folders under names outside ASCII, line
// ends written in binary, and rewrites that keep the size.

#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/line_file.h"
#include "common/paths.h"
#include "tests/support/game_folder.h"
#include "tests/support/held_file.h"

namespace {

namespace fs = std::filesystem;
using common::readLines;
using common::writeLines;
using Lines = std::vector<std::string>;

TEST(WindowsFiles, DeviceNamesAreNeverReadNorWritten) {
  GameFolder game;
  for (const char* name : {"NUL", "nul.vl1", "CON", "com1.txt", "LPT1", "aux.fed"}) {
    SCOPED_TRACE(name);
    const std::string text = game.pathText(std::string("Data\\") + name);
    Lines lines = {"stale"};
    const common::IoStatus read = readLines(text, lines);
    EXPECT_FALSE(read.ok);
    EXPECT_NE(read.error.find("is not a plain file"), std::string::npos) << read.error;
    EXPECT_TRUE(lines.empty());
    const common::IoStatus written = writeLines(text, {"lost"});
    EXPECT_FALSE(written.ok) << "a write to a device was reported as saved";
  }
  EXPECT_EQ(game.entries("Data"), Lines{});
}

TEST(WindowsFiles, AFileHeldOpenByAnotherProgramIsReportedAndKept) {
  GameFolder game;
  game.write("Data/wrestlers.vl1", {"old"});
  common::IoStatus written, read;
  Lines lines;
  {
    // Another program opens it and shares it with nobody.
    const HeldFile held(game.path("Data/wrestlers.vl1"));
    ASSERT_TRUE(held.held()) << held.why();
    written = writeLines(game.pathText("Data\\wrestlers.vl1"), {"new"});
    read = readLines(game.pathText("Data\\wrestlers.vl1"), lines);
  }

  EXPECT_FALSE(written.ok);
  EXPECT_NE(written.error.find("another program has the file open"), std::string::npos)
      << written.error;
  EXPECT_FALSE(read.ok);
  EXPECT_NE(read.error.find("another program has the file open"), std::string::npos) << read.error;
  EXPECT_EQ(game.bytes("Data/wrestlers.vl1"), "old\r\n");
  EXPECT_EQ(game.entries("Data"), Lines{"wrestlers.vl1"});
}

TEST(WindowsFiles, ARewriteKeepsTheFilesAttributes) {
  GameFolder game;
  game.write("Data/venues.txt", {"old"});
  const std::wstring file = game.path("Data/venues.txt").wstring();
  ASSERT_TRUE(::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  const common::IoStatus written = writeLines(game.pathText("Data\\venues.txt"), {"new"});
  EXPECT_TRUE(written.ok) << written.error;
  EXPECT_EQ(game.bytes("Data/venues.txt"), "new\r\n");
  const DWORD attributes = ::GetFileAttributesW(file.c_str());
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN) << "the rewrite lost the file's hidden mark";
}

TEST(WindowsFiles, AGameFolderUnderANameOutsideAsciiIsUsed) {
  GameFolder game(GameFolder::Layout::Empty);
  const fs::path folder = game.root() / fs::path(u8"J\u00fcrgen") / "game";
  fs::create_directories(folder / "Data");
  fs::current_path(folder);
  const std::string text = common::workingFolder() + "\\Data\\maindata.vl1";
  const common::IoStatus written = writeLines(text, {"Monday", "1"});
  Lines lines;
  const common::IoStatus read = readLines(text, lines);
  fs::current_path(game.root());

  EXPECT_TRUE(written.ok) << written.error;
  EXPECT_TRUE(read.ok) << read.error;
  EXPECT_EQ(lines, (Lines{"Monday", "1"}));
  EXPECT_TRUE(fs::exists(folder / "Data" / "maindata.vl1"));
}

TEST(WindowsFiles, LineEndsAreWrittenOnceAndASameSizeRewriteIsAChange) {
  GameFolder game;
  const std::string text = game.pathText("Data\\venues.txt");
  common::FileStamp saved;
  ASSERT_TRUE(writeLines(text, {"a", "", "b"}, common::WriteMode::Replace, &saved).ok);
  EXPECT_EQ(game.bytes("Data/venues.txt"), "a\r\n\r\nb\r\n");  // never CR CR LF
  const common::FileStamp first = common::stampOf(text);
  ASSERT_TRUE(first.present);
  // The stamp a save hands back is the file's as it is then seen, or the next save would ask.
  EXPECT_EQ(saved, first);
  ASSERT_TRUE(writeLines(text, {"c", "", "d"}, common::WriteMode::Replace, &saved).ok);
  const common::FileStamp second = common::stampOf(text);
  EXPECT_EQ(saved, second);
  EXPECT_EQ(first.size, second.size);
  EXPECT_NE(first, second) << "a rewrite of the same size within a second went unseen";
}

}  // namespace

#endif
