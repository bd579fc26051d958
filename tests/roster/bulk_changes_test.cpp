// The wrestler list's bulk changes by promotion: renaming a promotion on every wrestler, deleting
// every wrestler of a promotion, and random contract expiry dates from the start year.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/random.h"
#include "tests/roster/roster_session.h"

namespace {

using rostertest::column;
using rostertest::mainDataFile;
using rostertest::Session;
using rostertest::table;
using rostertest::wrestler;
using Names = std::vector<std::string>;

class BulkChanges : public ::testing::Test, public Session {
 protected:
  // The roster the rename and the delete work on, in file order.
  void openPromotions() {
    writeRoster({wrestler("Ada Quill", "SBL"), wrestler("Bo Marsh", "sbl"),
                 wrestler("Cy Dunmore", "QRB"), wrestler("Dee Holt", "SBL "),
                 wrestler("Eli Varga", "SBL", "21"), wrestler("Fay Orrin", "Free Agent")});
    open();
  }

  // A filter, a sort and a search that the bulk changes must put back to "every wrestler".
  void narrowTheList() {
    list.Command8.click();
    list.Command6.click();
    list.Text1.type("a");
    list.Text1.pressKey(ui::KeyEnter);
  }

  void expectEveryoneListedByName() {
    Names sorted = list.names.items();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(column(list.MSFlexGrid1), sorted);
    EXPECT_EQ(list.showbutton.caption(), "all");
    EXPECT_EQ(list.sortbutton.caption(), "promotion");  // left as it was
    EXPECT_EQ(list.Text1.text(), "");
  }

  void expectParallelLists(int count) {
    for (int f = 0; f < roster_file::fieldCount; ++f)
      EXPECT_EQ(list.field(static_cast<roster_file::Field>(f)).listCount(), count) << f;
  }
};

TEST_F(BulkChanges, RenameTouchesOnlyTheExactPromotionText) {
  openPromotions();
  narrowTheList();
  desktop.forget();
  const auto before = table(list);

  list.Text2.type("SBL");
  list.Text3.type("QRB");
  list.Command10.click();

  EXPECT_EQ(list.promotion.items(), (Names{"QRB", "sbl", "QRB", "SBL ", "QRB", "Free Agent"}));
  const auto after = table(list);
  for (std::size_t i = 0; i < after.size(); ++i) {
    auto same = before[i];
    same[roster_file::promotion] = after[i][roster_file::promotion];
    EXPECT_EQ(after[i], same) << i;
  }
  EXPECT_EQ(desktop.messageTexts(),
            Names{"All wrestlers with the promotion SBL have now been changed to the promotion "
                  "QRB.\r\n\r\nRemember to click Save before you leave."});
  EXPECT_EQ(desktop.last().icon, ui::Icon::None);
  EXPECT_EQ(list.madechanges.caption(), "yes");
  EXPECT_EQ(list.Text2.text(), "");
  EXPECT_EQ(list.Text3.text(), "");
  expectEveryoneListedByName();
  EXPECT_EQ(column(list.MSFlexGrid1, 1), (Names{"QRB", "sbl", "QRB", "SBL ", "QRB", "Free Agent"}));
}

TEST_F(BulkChanges, RenameOfATextNobodyCarriesStillReportsAndCountsAsAChange) {
  openPromotions();
  const Names before = list.promotion.items();
  list.Text2.type("SBL  ");
  list.Text3.type("GCF");
  list.Command10.click();
  EXPECT_EQ(list.promotion.items(), before);
  EXPECT_EQ(desktop.messageTexts().size(), 1u);
  EXPECT_EQ(list.madechanges.caption(), "yes");
}

TEST_F(BulkChanges, AnEmptyBoxIsRefusedAndNothingChanges) {
  openPromotions();
  narrowTheList();
  const Names listed = column(list.MSFlexGrid1);
  const Names before = list.promotion.items();
  const struct { const char *from, *to; } renames[] = {{"", "QRB"}, {"SBL", ""}, {"", ""}};
  for (const auto& c : renames) {
    SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
    desktop.forget();
    list.Text2.type(c.from);
    list.Text3.type(c.to);
    list.Command10.click();
    EXPECT_EQ(desktop.messageTexts(), Names{"Both text boxes must contain text."});
    EXPECT_EQ(list.Text2.text(), c.from);
    EXPECT_EQ(list.Text3.text(), c.to);
  }

  desktop.forget();
  list.Text6.type("");
  list.Command12.click();
  EXPECT_EQ(desktop.messageTexts(), Names{"Please enter a promotion's initials."});

  EXPECT_EQ(list.promotion.items(), before);
  EXPECT_EQ(column(list.MSFlexGrid1), listed);
  EXPECT_EQ(list.showbutton.caption(), "injured");
  EXPECT_EQ(list.madechanges.caption(), "no");
}

TEST_F(BulkChanges, DeleteRemovesEveryWrestlerOfThePromotionFromAllLists) {
  writeRoster({wrestler("Ada Quill", "SBL"), wrestler("Bo Marsh", "QRB"),
               wrestler("Cy Dunmore", "QRB"), wrestler("Dee Holt", "QRB"),
               wrestler("Eli Varga", "qrb"), wrestler("Fay Orrin", "GCF"),
               wrestler("Gus Penn", "QRB")});
  open();
  auto kept = table(list);
  kept = {kept[0], kept[4], kept[5]};
  narrowTheList();
  desktop.forget();

  list.Text6.type("QRB");
  list.Command12.click();

  EXPECT_EQ(table(list), kept);
  expectParallelLists(3);
  EXPECT_EQ(list.totalnum.caption(), "3");
  EXPECT_EQ(desktop.messageTexts(), Names{"All wrestlers from promotion QRB have been deleted."});
  EXPECT_EQ(list.Command12.pointer(), ui::Pointer::Normal);
  EXPECT_EQ(list.madechanges.caption(), "yes");
  EXPECT_EQ(list.Text6.text(), "");
  expectEveryoneListedByName();

  // Nothing reaches the file until "Save Changes".
  EXPECT_EQ(folder.read(rostertest::rosterFile).size(), 7u * roster_file::fieldCount);
  list.Command4.click();
  EXPECT_EQ(folder.bytes(rostertest::rosterFile), rostertest::rosterBytes(kept));
}

TEST_F(BulkChanges, DeleteOfNobodyOrOfEverybody) {
  writeRoster({wrestler("Ada Quill", "SBL"), wrestler("Bo Marsh", "SBL")});
  open();

  list.Text6.type("GCF");
  list.Command12.click();
  EXPECT_EQ(list.wrestlerCount(), 2);
  EXPECT_EQ(list.totalnum.caption(), "2");
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Ada Quill", "Bo Marsh"}));
  EXPECT_EQ(desktop.messageTexts(), Names{"All wrestlers from promotion GCF have been deleted."});
  EXPECT_EQ(list.madechanges.caption(), "yes");

  list.Text6.type("SBL");
  list.Command12.click();
  expectParallelLists(0);
  EXPECT_EQ(list.totalnum.caption(), "0");
  EXPECT_EQ(list.MSFlexGrid1.rows(), 1);
}

// --- Automatic expiry dates --------------------------------------------------------------------

const char* const monthNames[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};

TEST_F(BulkChanges, ExpiryDatesFallInTheFourYearsAfterTheStartYear) {
  std::vector<roster_file::WrestlerRecord> roster;
  for (int i = 0; i < 1000; ++i) roster.push_back(wrestler("Wrestler " + std::to_string(i)));
  writeRoster(roster);
  open();
  const auto before = table(list);
  const Names listed = column(list.MSFlexGrid1);

  desktop.answerYes();
  list.Command3.click();

  ASSERT_EQ(desktop.dialogs().size(), 2u);
  EXPECT_EQ(desktop.dialogs()[0].text,
            "Using this feature will overwrite any contract expiry dates you have entered "
            "manually.\r\nContinue?");
  EXPECT_EQ(desktop.dialogs()[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(desktop.last().text, "Random Contract Expiry Dates created successfully.");
  EXPECT_EQ(list.madechanges.caption(), "yes");
  EXPECT_EQ(editor.form14.Text2.text(), "2004");

  const std::regex date(
      "(January|February|March|April|May|June|July|August|September|October|November|December) "
      "(2005|2006|2007|2008)");
  std::set<std::string> months, years;
  const auto after = table(list);
  for (std::size_t i = 0; i < after.size(); ++i) {
    const std::string& expiry = after[i][roster_file::expires];
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(expiry, parts, date)) << expiry;
    months.insert(parts[1]);
    years.insert(parts[2]);
    auto same = before[i];
    same[roster_file::expires] = expiry;
    EXPECT_EQ(after[i], same);  // no other field changes
  }
  EXPECT_EQ(months.size(), 12u);
  EXPECT_EQ(years.size(), 4u);
  EXPECT_EQ(list.month.caption() + " " + list.contyear.caption(),
            after.back()[roster_file::expires]);
  EXPECT_EQ(column(list.MSFlexGrid1), listed);
}

TEST_F(BulkChanges, SeededDrawsGiveTheMonthAndThenTheYearOfEachWrestler) {
  writeRoster({wrestler("Ada Quill"), wrestler("Bo Marsh"), wrestler("Cy Dunmore")});
  open();
  list.seedRandom(20040101);
  desktop.answerYes();
  list.Command3.click();

  common::Random same(20040101);
  for (int i = 0; i < 3; ++i) {
    const int monthNumber = 1 + static_cast<int>(same.next() * 12);
    const int offset = 1 + static_cast<int>(same.next() * 4);
    EXPECT_EQ(list.expires.list(i),
              std::string(monthNames[monthNumber - 1]) + " " + std::to_string(2004 + offset));
  }
}

TEST_F(BulkChanges, ExpiryDatesWithoutAStartYearChangeNothing) {
  writeRoster({wrestler("Ada Quill")});
  open();
  const Names before = list.expires.items();

  // Answering No: nothing happens.
  desktop.answerNo();
  list.Command3.click();
  EXPECT_EQ(desktop.dialogs().size(), 1u);
  EXPECT_EQ(list.expires.items(), before);
  EXPECT_EQ(list.madechanges.caption(), "no");

  // maindata.vl1 too short, then missing: refused with a message.
  for (const bool missing : {false, true}) {
    SCOPED_TRACE(missing ? "missing" : "too short");
    if (missing)
      std::filesystem::remove(folder.path(mainDataFile));
    else
      folder.write(mainDataFile, {"Vorlune Main Data", "13", "Thursday", "1", "January"});
    desktop.forget();
    desktop.answerYes();
    list.Command3.click();
    ASSERT_EQ(desktop.dialogs().size(), 2u);
    EXPECT_EQ(desktop.last().text.rfind("Contract expiry dates can't be created", 0), 0u);
    EXPECT_EQ(desktop.last().icon, ui::Icon::Exclamation);
    EXPECT_EQ(list.expires.items(), before);
    EXPECT_EQ(list.madechanges.caption(), "no");
  }

  // A year line without a number counts as 0.
  folder.write(mainDataFile, rostertest::mainData("soon"));
  desktop.answerYes();
  list.Command3.click();
  EXPECT_TRUE(std::regex_match(list.expires.list(0), std::regex("[A-Za-z]+ [1-4]")))
      << list.expires.list(0);
}

TEST_F(BulkChanges, ExpiryDatesOnAnEmptyRosterStillAskReadAndReport) {
  open();
  desktop.answerYes();
  list.Command3.click();
  EXPECT_EQ(desktop.messageTexts().back(), "Random Contract Expiry Dates created successfully.");
  EXPECT_EQ(list.madechanges.caption(), "yes");
  EXPECT_EQ(editor.form14.Text2.text(), "2004");
  EXPECT_EQ(list.wrestlerCount(), 0);
}

}  // namespace
