// Line files: reading lines, and replacing a file atomically.

#include "common/line_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/native_files.h"
#include "tests/support/failing_writes.h"
#include "tests/support/game_folder.h"
#include "tests/support/pipe_guard.h"
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
    // Told first how many lines follow: exactly, unless a bare CR ends a line before the last one
    // (then fewer are foretold, never more).
    bool bareCrBeforeTheLast = false;
    for (std::size_t i = 0; i + 1 < c.bytes.size(); ++i)
      if (c.bytes[i] == '\r' && c.bytes[i + 1] != '\n') bareCrBeforeTheLast = true;
    if (bareCrBeforeTheLast) {
      EXPECT_LE(expected, c.lines.size()) << testing::PrintToString(c.bytes);
    } else {
      EXPECT_EQ(expected, c.lines.size()) << testing::PrintToString(c.bytes);
    }
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

TEST(ReadLines, WhatIsNoPlainFileIsRefusedAtOnce) {
  // A pipe whose writer stays open, a device that never ends, a socket: each is refused with a
  // message that names it, by every reader, without waiting and without reading it.
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no FIFOs; its devices are tested on their own";
#else
  GameFolder game;
  ASSERT_EQ(::mkfifo(game.path("Data/pipe").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", game.path("Data/zero"));
  fs::create_symlink("/dev/null", game.path("Data/null"));
  PipeGuard writer(game.path("Data/pipe"), PipeGuard::Writer::Silent);
  ASSERT_TRUE(writer.ready());
  // A device can only be reached through a link, and a link out of the game folder is never
  // followed.
  const struct {
    const char* name;
    const char* says;
  } cases[] = {{"pipe", "is not a plain file"},
               {"zero", "lies outside the game folder"},
               {"null", "lies outside the game folder"}};
  for (const auto& [name, says] : cases) {
    const std::string text = game.pathText(std::string("Data\\") + name);
    Lines lines = {"stale"};
    const common::IoStatus whole = readLines(text, lines);
    EXPECT_FALSE(whole.ok) << name;
    EXPECT_NE(whole.error.find(game.path(std::string("Data/") + name).string()), std::string::npos)
        << whole.error;
    EXPECT_NE(whole.error.find(says), std::string::npos) << whole.error;
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(readFirstLines(text, 2, lines).error, whole.error) << name;
    std::string bytes;
    EXPECT_EQ(common::readBytes(text, bytes).error, whole.error) << name;
    EXPECT_FALSE(common::copyFile(text, game.pathText("Data\\copy")).ok) << name;
  }
  EXPECT_FALSE(writer.finish()) << "a reader waited for the pipe";
  EXPECT_FALSE(game.exists("Data/copy"));
#endif
}

TEST(ReadLines, AFileTooLargeForTheGameIsRefused) {
  GameFolder game;
  { std::ofstream(game.path("Data/venues.txt")) << "x"; }
  fs::resize_file(game.path("Data/venues.txt"), common::largestFile + 1);  // sparse: no disk used
  Lines lines;
  const common::IoStatus status = readLines(game.pathText("Data\\venues.txt"), lines);
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.error.find("too large"), std::string::npos) << status.error;
  EXPECT_NE(status.error.find("venues.txt"), std::string::npos) << status.error;
  EXPECT_FALSE(readFirstLines(game.pathText("Data\\venues.txt"), 3, lines).ok);
  EXPECT_TRUE(lines.empty());
}

TEST(ReadLines, MixedLineEndsAreFoundAndTheStampTaken) {
  GameFolder game;
  const struct {
    std::string bytes;
    std::size_t lines, mixedAt;
  } cases[] = {
      {"a\r\nb\r\nc\r\n", 3, 0},     // the game's own line ends
      {"a\nb\nc\n", 3, 0},           // all bare LF: not mixed
      {"a\rb\rc", 3, 0},             // all bare CR: not mixed
      {"a\r\nb\nc\r\n", 3, 2},       // a bare LF in line 2
      {"a\r\nb\r\nc\rd\r\n", 4, 3},  // a bare CR in line 3
      {"a\nb\r\n", 2, 1},            // the first line already
      {"a\r\nb", 2, 0},              // no end on the last line: not mixed
      {"", 0, 0},
  };
  for (const auto& c : cases) {
    game.writeBytes("Data/venues.txt", c.bytes);
    Lines lines;
    common::ReadInfo info;
    ASSERT_TRUE(readLines(game.pathText("Data\\venues.txt"), lines, &info).ok);
    EXPECT_EQ(lines.size(), c.lines) << c.bytes;
    EXPECT_EQ(info.mixedLineEndAt, c.mixedAt) << c.bytes;
    EXPECT_EQ(info.stamp, common::stampOf(game.pathText("Data\\venues.txt"))) << c.bytes;
    EXPECT_TRUE(info.stamp.present);
  }
  const std::string message = common::mixedLineEndsMessage(game.pathText("Data\\venues.txt"), 2);
  EXPECT_NE(message.find(game.path("Data/venues.txt").string()), std::string::npos) << message;
  EXPECT_NE(message.find("line 2 "), std::string::npos) << message;
  EXPECT_FALSE(common::stampOf(game.pathText("Data\\missing.txt")).present);
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
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no permission bits that make a file unreadable";
#endif
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
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no permission bits; its attributes are tested on their own";
#endif
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
  // The write itself fails part-way, for any user.
  GameFolder game;
  const std::string old = "Monday\r\n1\r\nJanuary\r\n2000\r\n";
  game.writeBytes("Data/maindata.vl1", old);

  common::IoStatus status;
  {
    FailingWrites failing(4096, game.path("Data/maindata.vl1"));
    if (!failing.ok()) GTEST_SKIP() << failing.why();
    status = writeLines(game.pathText("Data\\maindata.vl1"), Lines(2000, "a line of the new file"));
  }

  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.error.find(game.path("Data/maindata.vl1").string()), std::string::npos)
      << status.error;
#ifdef _WIN32
  const std::string reason =
      common::failureReason(make_error_code(common::native::Refused::heldOpen));
#else
  const std::string reason = common::failureReason(std::make_error_code(std::errc::file_too_large));
#endif
  EXPECT_NE(status.error.find(": " + reason + "."), std::string::npos) << status.error;
  EXPECT_EQ(game.bytes("Data/maindata.vl1"), old);
  EXPECT_EQ(game.entries("Data"), (Lines{"maindata.vl1"}));
}

TEST(WriteLines, AReadOnlyFolderRefusesTheWriteAndChangesNothing) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no permission bits that make a folder read-only";
#endif
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

namespace {

TEST(WriteLines, ALinkIsRewrittenWhereItPointsAndStaysALink) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes symbolic links only with a privilege tests lack";
#endif
  GameFolder game;
  game.write("Data/real/wrestlers.vl1", {"old"});
  fs::create_symlink("real/wrestlers.vl1", game.path("Data/wrestlers.vl1"));  // relative link
  fs::create_symlink("wrestlers.vl1", game.path("Data/second.vl1"));          // a chain
  fs::create_symlink("loop.vl1", game.path("Data/loop.vl1"));

  ASSERT_TRUE(writeLines(game.pathText("Data\\wrestlers.vl1"), {"new"}).ok);
  EXPECT_TRUE(fs::is_symlink(game.path("Data/wrestlers.vl1")));
  EXPECT_EQ(game.bytes("Data/real/wrestlers.vl1"), "new\r\n");
  ASSERT_TRUE(writeLines(game.pathText("Data\\second.vl1"), {"chained"}).ok);
  EXPECT_TRUE(fs::is_symlink(game.path("Data/second.vl1")));
  EXPECT_EQ(game.bytes("Data/real/wrestlers.vl1"), "chained\r\n");
  EXPECT_TRUE(leftovers(game, "Data").empty());
  EXPECT_TRUE(leftovers(game, "Data/real").empty());

  const common::IoStatus loop = writeLines(game.pathText("Data\\loop.vl1"), {"x"});
  EXPECT_FALSE(loop.ok);
  EXPECT_NE(loop.error.find("loop.vl1"), std::string::npos) << loop.error;
  EXPECT_TRUE(fs::is_symlink(game.path("Data/loop.vl1")));
}

TEST(WriteLines, AReadOnlyFileIsRefusedAndStaysAsItWas) {
  // Refused for every user, root included: nobody may write the file, so the editor doesn't.
  GameFolder game;
  const std::string old = "Monday\r\n1\r\nJanuary\r\n2000\r\n";
  game.writeBytes("Data/maindata.vl1", old);
  fs::permissions(game.path("Data/maindata.vl1"),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
#ifdef _WIN32
  const char* const names[] = {"maindata.vl1"};  // no symbolic link a test could make
#else
  fs::create_symlink("maindata.vl1", game.path("Data/link.vl1"));
  const char* const names[] = {"maindata.vl1", "link.vl1"};
#endif
  for (const char* name : names) {
    const common::IoStatus status =
        writeLines(game.pathText(std::string("Data\\") + name), {"new"});
    EXPECT_FALSE(status.ok) << name;
    EXPECT_NE(status.error.find(game.path(std::string("Data/") + name).string()), std::string::npos)
        << status.error;
    EXPECT_NE(status.error.find("read-only"), std::string::npos) << status.error;
  }
  EXPECT_EQ(game.bytes("Data/maindata.vl1"), old);
  EXPECT_TRUE(leftovers(game, "Data").empty());

  // A file only its owner may write is refused to another user.
#ifndef _WIN32
  fs::permissions(game.path("Data/maindata.vl1"), fs::perms::owner_read | fs::perms::owner_write |
                                                      fs::perms::group_read |
                                                      fs::perms::others_read);
  if (::geteuid() != 0) return;  // the owner may write it: only root can stand in for another user
  fs::permissions(game.path("Data"), fs::perms::all);
  const std::optional<std::string> other = runUnprivileged(
      game.root(), [&] { return writeLines(game.pathText("Data\\maindata.vl1"), {"new"}).error; });
  ASSERT_TRUE(other.has_value());
  EXPECT_NE(other->find(": permission was denied."), std::string::npos) << *other;
  EXPECT_EQ(game.bytes("Data/maindata.vl1"), old);
#endif
}

TEST(WriteLines, CreateNewNeverOverwrites) {
  GameFolder game;
  game.write("Data/gcf.fed", {"theirs"});
  ASSERT_TRUE(
      writeLines(game.pathText("Data\\new.fed"), {"mine"}, common::WriteMode::CreateNew).ok);
  EXPECT_EQ(game.read("Data/new.fed"), (Lines{"mine"}));
  for (const char* name : {"gcf.fed", "GCF.fed", "new.fed"}) {
    const common::IoStatus status = writeLines(game.pathText(std::string("Data\\") + name),
                                               {"again"}, common::WriteMode::CreateNew);
    EXPECT_FALSE(status.ok) << name;
    EXPECT_NE(status.error.find("nothing was overwritten"), std::string::npos) << status.error;
  }
  EXPECT_EQ(game.read("Data/gcf.fed"), (Lines{"theirs"}));
  EXPECT_EQ(game.read("Data/new.fed"), (Lines{"mine"}));
  EXPECT_EQ(game.entries("Data"), (Lines{"gcf.fed", "new.fed"}));
}

}  // namespace
