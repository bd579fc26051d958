// Line files: reading lines, and replacing a file atomically.

#include "common/line_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/support/file_size_limit.h"
#include "tests/support/game_folder.h"
#include "tests/support/unprivileged.h"

namespace {

namespace fs = std::filesystem;
using common::readFirstLines;
using common::readLines;
using common::writeLines;
using Lines = std::vector<std::string>;

// Names in the folder that look like a writer's temporary file.
Lines leftovers(const GameFolder& game, const std::string& folder) {
  Lines found;
  for (const auto& name : game.entries(folder))
    if (name.find(".tmp-") != std::string::npos) found.push_back(name);
  return found;
}

// Runs a file operation as an unprivileged user when this process is root (which permission bits
// do not stop), so that a refused read or write is really refused.
common::IoStatus withoutPrivileges(const fs::path& root,
                                   const std::function<common::IoStatus()>& operation) {
  const std::optional<std::string> report = runUnprivileged(root, [&] {
    const common::IoStatus status = operation();
    return (status.ok ? "1" : "0") + status.error;
  });
  if (!report || report->empty()) return common::IoStatus::failure("could not drop privileges");
  return (*report)[0] == '1' ? common::IoStatus::success()
                             : common::IoStatus::failure(report->substr(1));
}

TEST(ReadLines, SplitsAtEveryKindOfLineEnd) {
  const struct {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\n", {"one"}},
      {"one\n", {"one"}},
      {"one\r", {"one"}},
      {"one\r\ntwo", {"one", "two"}},
      {"one\ntwo\rthree\r\nfour", {"one", "two", "three", "four"}},
      {"\r\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"one\r\n\r\ntwo\r\n", {"one", "", "two"}},
      {"one\r\r\ntwo", {"one", "", "two"}},  // CR, then CR LF
      {"one\n\rtwo", {"one", "", "two"}},    // LF then CR is two ends
      {"one\r\n\n", {"one", ""}},
      {"\n\n\n", {"", "", ""}},
      {"  padded  \r\n", {"  padded  "}},
      {std::string("nul\0inside\r\n", 12), {std::string("nul\0inside", 10)}},
      {"Caf\xE9\r\n\x80\x81\xFF", {"Caf\xE9", "\x80\x81\xFF"}},
  };
  GameFolder game;
  for (const auto& c : cases) {
    game.writeBytes("Data/case.txt", c.bytes);
    Lines lines = {"stale"};
    const common::IoStatus status = readLines(game.pathText("Data\\case.txt"), lines);
    EXPECT_TRUE(status.ok) << status.error;
    EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.bytes);
    // Read in pieces, or handed out one line at a time, the file gives the same lines.
    lines = {"stale"};
    EXPECT_TRUE(readFirstLines(game.pathText("Data\\case.txt"), 1000, lines).ok);
    EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.bytes);
    Lines handed;
    std::size_t expected = 1000;
    EXPECT_TRUE(common::forEachLine(
                    game.pathText("Data\\case.txt"),
                    [&](std::size_t count) {
                      EXPECT_TRUE(handed.empty());
                      expected = count;
                    },
                    [&](std::string_view line) { handed.emplace_back(line); })
                    .ok);
    EXPECT_EQ(handed, c.lines) << testing::PrintToString(c.bytes);
    EXPECT_EQ(expected, c.lines.size()) << testing::PrintToString(c.bytes);
  }
}

TEST(ReadLines, ALineEndSplitAcrossReadsIsStillOneEnd) {
  // Long lines put a CR at the end of one read and its LF at the start of the next.
  GameFolder game;
  std::string bytes;
  Lines expected;
  for (int i = 0; i < 40; ++i) {
    expected.push_back(std::string(4093 + i, static_cast<char>('a' + i % 26)));
    bytes += expected.back() + "\r\n";
  }
  game.writeBytes("Data/long.txt", bytes);
  Lines lines;
  ASSERT_TRUE(readLines(game.pathText("Data\\long.txt"), lines).ok);
  EXPECT_EQ(lines, expected);
}

TEST(ReadFirstLines, ReadsAtMostTheLinesAskedFor) {
  GameFolder game;
  game.writeBytes("Data/five.txt", "0\r\n1\n2\r3\r\n4");
  const struct {
    std::size_t count;
    Lines lines;
  } cases[] = {
      {0, {}},
      {1, {"0"}},
      {3, {"0", "1", "2"}},
      {5, {"0", "1", "2", "3", "4"}},
      {50, {"0", "1", "2", "3", "4"}},
  };
  for (const auto& c : cases) {
    Lines lines = {"stale"};
    EXPECT_TRUE(readFirstLines(game.pathText("Data\\five.txt"), c.count, lines).ok);
    EXPECT_EQ(lines, c.lines) << c.count;
  }
}

TEST(ReadFirstLines, StopsWithoutWaitingForTheRestOfTheFile) {
  // A pipe whose writer stays open: reading to the end would wait until the writer gives up.
  GameFolder game;
  const fs::path pipe = game.path("Data/pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::atomic<bool> readerDone{false}, writerClosed{false};
  std::thread writer([&] {
    const int fd = ::open(pipe.c_str(), O_WRONLY);
    if (fd < 0) return;
    const std::string head = "first\r\nsecond\r\nthird, never needed";
    (void)!::write(fd, head.data(), head.size());
    for (int i = 0; i < 1000 && !readerDone; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ::close(fd);
    writerClosed = true;
  });
  Lines lines;
  const common::IoStatus status = readFirstLines(game.pathText("Data\\pipe"), 2, lines);
  const bool finishedFirst = !writerClosed;
  readerDone = true;
  writer.join();
  EXPECT_TRUE(status.ok) << status.error;
  EXPECT_EQ(lines, (Lines{"first", "second"}));
  EXPECT_TRUE(finishedFirst) << "the reader waited for the end of the file";
}

TEST(ReadLines, FailuresNameTheFileAndLeaveNoLines) {
  GameFolder game;
  const struct {
    std::string pathText, named, says;
  } cases[] = {
      {game.pathText("Data\\missing.txt"), game.path("Data/missing.txt").string(),
       "\" could not be found."},
      {game.pathText("Nowhere\\missing.txt"), game.path("Nowhere/missing.txt").string(),
       "\" could not be found."},
      {game.pathText("Data"), game.path("Data").string(), "\" is a folder, not a file."},
  };
  for (const auto& c : cases) {
    Lines lines = {"stale"};
    const common::IoStatus status = readLines(c.pathText, lines);
    EXPECT_FALSE(status.ok) << c.pathText;
    EXPECT_FALSE(static_cast<bool>(status));
    EXPECT_NE(status.error.find(c.named), std::string::npos) << status.error;
    EXPECT_NE(status.error.find(c.says), std::string::npos) << status.error;
    EXPECT_TRUE(lines.empty()) << c.pathText;
    lines = {"stale"};
    EXPECT_FALSE(readFirstLines(c.pathText, 3, lines).ok) << c.pathText;
    EXPECT_TRUE(lines.empty()) << c.pathText;
    bool called = false;
    const common::IoStatus handed = common::forEachLine(
        c.pathText, [&](std::size_t) { called = true; }, [&](std::string_view) { called = true; });
    EXPECT_EQ(handed.error, status.error);
    EXPECT_FALSE(called) << c.pathText;
  }
}

TEST(ReadLines, AnUnreadableFileFails) {
  GameFolder game;
  game.write("Data/secret.txt", {"hidden"});
  fs::permissions(game.path("Data/secret.txt"), fs::perms::none);
  Lines lines{"left over"};
  const common::IoStatus status = withoutPrivileges(game.root(), [&] {
    common::IoStatus read = readLines(game.pathText("Data\\secret.txt"), lines);
    if (!lines.empty()) read = common::IoStatus::failure("lines were returned");
    return read;
  });
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.error.find("secret.txt\" could not be read: permission was denied."),
            std::string::npos)
      << status.error;
}

TEST(WriteLines, WritesEachLineWithCrLf) {
  const struct {
    Lines lines;
    std::string bytes;
  } cases[] = {
      {{}, ""},
      {{""}, "\r\n"},
      {{"one"}, "one\r\n"},
      {{"one", "", "three"}, "one\r\n\r\nthree\r\n"},
      {{std::string("a\0b", 3), "Caf\xE9 \x80\x9D\xFF"},
       std::string("a\0b\r\nCaf\xE9 \x80\x9D\xFF\r\n", 15)},
  };
  GameFolder game;
  for (const auto& c : cases) {
    const common::IoStatus status = writeLines(game.pathText("Data\\out.txt"), c.lines);
    EXPECT_TRUE(status.ok) << status.error;
    EXPECT_EQ(game.bytes("Data/out.txt"), c.bytes);
    EXPECT_EQ(game.read("Data/out.txt"), c.lines);
  }
  EXPECT_TRUE(leftovers(game, "Data").empty());
}

TEST(WriteLines, TakesItsLinesFromASource) {
  GameFolder game;
  const Lines left = {"a", "c"}, right = {"b", ""};
  const common::IoStatus status = writeLines(
      game.pathText("Data\\out.txt"), 4,
      [&](std::size_t k) -> const std::string& { return (k % 2 ? right : left)[k / 2]; });
  EXPECT_TRUE(status.ok) << status.error;
  EXPECT_EQ(game.bytes("Data/out.txt"), "a\r\nb\r\nc\r\n\r\n");
  ASSERT_TRUE(writeLines(game.pathText("Data\\out.txt"), 0, nullptr).ok);
  EXPECT_EQ(game.bytes("Data/out.txt"), "");
}

TEST(WriteLines, ReplacesTheFileAndKeepsItsPermissions) {
  GameFolder game;
  game.write("Data/venues.txt", {"old", "lines", "that", "are", "longer"});
  fs::permissions(game.path("Data/venues.txt"),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(writeLines(game.pathText("Data\\venues.txt"), {"new"}).ok);
  EXPECT_EQ(game.bytes("Data/venues.txt"), "new\r\n");
  EXPECT_EQ(fs::status(game.path("Data/venues.txt")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(game.entries("Data"), (Lines{"venues.txt"}));
}

TEST(WriteLines, ALargeFileIsWrittenWhole) {
  GameFolder game;
  Lines lines;
  for (int i = 0; i < 100000; ++i) lines.push_back("Wrestler " + std::to_string(i));
  ASSERT_TRUE(writeLines(game.pathText("Data\\wrestlers.vl1"), lines).ok);
  EXPECT_EQ(game.read("Data/wrestlers.vl1"), lines);
}

TEST(WriteLines, FailsWhenTheTargetCannotBeMade) {
  GameFolder game;
  game.makeFolder("Data/in the way");
  game.write("Data/in the way/inside.txt", {"kept"});
  const struct {
    std::string relative, pathText, reason;
  } cases[] = {
      {"Data/in the way", game.pathText("Data\\in the way"), "a folder of that name is in the way"},
      {"Missing/new.txt", game.pathText("Missing\\new.txt"),
       "the folder it belongs in does not exist"},
      {"Data/in the way/inside.txt/x", game.pathText("Data\\in the way\\inside.txt\\x"),
       "part of the path is not a folder"},
  };
  for (const auto& c : cases) {
    const common::IoStatus status = writeLines(c.pathText, {"new"});
    EXPECT_FALSE(status.ok) << c.pathText;
    EXPECT_NE(status.error.find(game.path(c.relative).string()), std::string::npos) << status.error;
    EXPECT_NE(status.error.find(": " + c.reason + "."), std::string::npos) << status.error;
  }
  EXPECT_EQ(game.entries("Data/in the way"), (Lines{"inside.txt"}));
  EXPECT_EQ(game.bytes("Data/in the way/inside.txt"), "kept\r\n");
  EXPECT_TRUE(leftovers(game, "Data").empty());
  EXPECT_FALSE(game.exists("Missing"));
}

TEST(WriteLines, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  // A file size limit makes the write itself fail part-way, for any user.
  GameFolder game;
  const std::string old = "Monday\r\n1\r\nJanuary\r\n2000\r\n";
  game.writeBytes("Data/maindata.vl1", old);

  common::IoStatus status;
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.ok());
    status = writeLines(game.pathText("Data\\maindata.vl1"), Lines(2000, "a line of the new file"));
  }

  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.error.find(game.path("Data/maindata.vl1").string()), std::string::npos)
      << status.error;
  const std::string tooLarge =
      common::failureReason(std::make_error_code(std::errc::file_too_large));
  EXPECT_NE(status.error.find(": " + tooLarge + "."), std::string::npos) << status.error;
  EXPECT_EQ(game.bytes("Data/maindata.vl1"), old);
  EXPECT_EQ(game.entries("Data"), (Lines{"maindata.vl1"}));
}

TEST(WriteLines, AReadOnlyFolderRefusesTheWriteAndChangesNothing) {
  GameFolder game;
  game.makeFolder("Scenarios/Locked");
  const std::string old = "Title\r\nDescription\r\nCreator\r\n";
  game.writeBytes("Scenarios/Locked/scenario.txt", old);
  const fs::path folder = game.path("Scenarios/Locked");
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const common::IoStatus status = withoutPrivileges(game.root(), [&] {
    return writeLines(game.pathText("Scenarios\\Locked\\scenario.txt"), {"New", "Text", "Here"});
  });
  const common::IoStatus fresh = withoutPrivileges(
      game.root(), [&] { return writeLines(game.pathText("Scenarios\\Locked\\new.txt"), {"x"}); });
  fs::permissions(folder, fs::perms::owner_all);

  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.error.find("scenario.txt"), std::string::npos) << status.error;
  EXPECT_NE(status.error.find(": permission was denied."), std::string::npos) << status.error;
  EXPECT_FALSE(fresh.ok);
  EXPECT_EQ(game.bytes("Scenarios/Locked/scenario.txt"), old);
  EXPECT_EQ(game.entries("Scenarios/Locked"), (Lines{"scenario.txt"}));
}

}  // namespace
