// Rosters beyond the 32,767 wrestlers the game reads: loaded, saved, exported and merged whole,
// with the user told once at each load and before each such write.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/roster/roster_session.h"

namespace {

using rostertest::rosterBytes;
using rostertest::Session;
using Records = std::vector<roster_file::WrestlerRecord>;

// count wrestlers of one promotion, every name its own.
Records numberedRoster(std::size_t count) {
  Records records;
  records.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    records.push_back(rostertest::wrestler("Wrestler " + std::to_string(i)));
  return records;
}

std::string overLimit(const std::string& fileName, const std::string& count) {
  return fileName + " holds " + count +
         " wrestlers, but the game reads at most 32,767.\r\n\r\nThe editor keeps them all; the "
         "game may not.";
}

// The message boxes since the last call; every limit box has the exclamation icon.
std::vector<std::string> messages(ScriptedDesktop& desktop) {
  std::vector<std::string> texts;
  for (const Dialog& dialog : desktop.dialogs()) {
    if (dialog.kind != Dialog::Kind::Message) continue;
    texts.push_back(dialog.text);
    if (dialog.text.find("32,767") != std::string::npos) {
      EXPECT_EQ(dialog.icon, ui::Icon::Exclamation) << dialog.text;
    }
  }
  desktop.forget();
  return texts;
}

TEST(GameLimit, OnlyARosterBeyondTheLimitIsToldOfAndNothingIsCut) {
  const struct {
    std::size_t count;
    std::string shown;  // the count in the box, "" for no box
  } cases[] = {{32767, ""}, {32768, "32,768"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    Session s;
    Form12& list = s.list;
    const Records roster = numberedRoster(c.count);
    const std::string bytes = rosterBytes(roster);
    s.writeRoster(roster);
    s.folder.writeBytes("Data/other.vl1", "");

    auto told = [&c](const std::string& fileName, const std::vector<std::string>& then) {
      std::vector<std::string> expected;
      if (!c.shown.empty()) expected.push_back(overLimit(fileName, c.shown));
      expected.insert(expected.end(), then.begin(), then.end());
      return expected;
    };

    s.open();
    EXPECT_EQ(messages(s.desktop), told("wrestlers.vl1", {}));
    EXPECT_EQ(list.totalnum.caption(), std::to_string(c.count));
    EXPECT_EQ(rostertest::table(list), roster);

    // "Save Changes": the box comes before the write, which goes on.
    list.Command4.click();
    EXPECT_EQ(messages(s.desktop), told("wrestlers.vl1", {"Saved OK."}));
    EXPECT_EQ(s.folder.bytes("Data/wrestlers.vl1"), bytes);

    // One promotion, here every wrestler, to a new file.
    list.Text4.type("GCF");
    list.Text5.type("all.vl1");
    list.Command11.click();
    EXPECT_EQ(messages(s.desktop), told("all.vl1", {"File ''all.vl1'' created successfully."}));
    EXPECT_EQ(s.folder.bytes("Data/all.vl1"), bytes);

    // Merged into an empty roster file.
    s.desktop.reply("other.vl1");
    list.Command9.click();
    EXPECT_EQ(messages(s.desktop), told("other.vl1", {"Roster exported successfully."}));
    EXPECT_EQ(s.folder.bytes("Data/other.vl1"), bytes);
    EXPECT_EQ(rostertest::table(list), roster);
  }
}

// The merge counts what it writes: a small roster added to a full file takes it past the limit.
TEST(GameLimit, AMergeIsToldOfByTheRecordsItWrites) {
  Session s;
  const Records target = numberedRoster(32767);
  s.writeRoster({rostertest::wrestler("New Face")});
  s.folder.writeBytes("Data/full.vl1", rosterBytes(target));
  s.open();
  EXPECT_TRUE(messages(s.desktop).empty());

  s.desktop.reply("full.vl1");
  s.list.Command9.click();
  EXPECT_EQ(messages(s.desktop), (std::vector<std::string>{overLimit("full.vl1", "32,768"),
                                                           "Roster exported successfully."}));
  Records merged = target;
  merged.push_back(rostertest::wrestler("New Face"));
  EXPECT_EQ(s.folder.bytes("Data/full.vl1"), rosterBytes(merged));
}

}  // namespace
