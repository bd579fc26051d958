// The data-set menu's two checks, "Check All Dates" and "Check Scenario", run from the hub on small
// game folders; each test compares the whole report the results panel shows.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "promotion/promotion_file.h"
#include "tests/shell/shell_session.h"
#include "tests/support/failing_writes.h"

using shelltest::Session;

namespace {

namespace pf = promotion_file;

const std::string crlf = "\r\n";
const std::string advice =
    "If you don't change these contract expiry dates to be after the start date, the game will "
    "freeze. You can automatically create random expiry dates for all wrestlers using the wrestler "
    "editor screen. The randomly created expiry dates always work with your start date.";
const std::string noWrestlers =
    "There are no wrestlers in the wrestlers.vl1 file, so no contract expiry dates can be checked.";
const std::string allContractsOk = "All contract expiry dates are OK.";
const std::string bigShowsOk =
    "There are no problems with the dates of Next Big Shows in any of the promotion files.";
const std::string bigShowsWrong =
    "If the incorrect date(s) are not changed, if the player begins a game with this promotion, "
    "they will permanently have the same Big Show and will never be able to book a new one.";
const std::string savedGameNote =
    "Please note that the dates of promotion's Next Big Shows are not checked for saved games.";
const std::string notReady = "This scenario is not ready to be distributed.";
const std::string ready =
    "This scenario is ready to be zipped and distributed. You will find the folder in your "
    "Scenarios folder, with all required files inside. Put that folder into a zip file and "
    "distribute it on the forums or a resource site.\r\n\r\nRemember to use the Date Checker "
    "before distributing a scenario!";

std::string flagged(const std::string& name) {
  return "* " + name + "'s contract expires before the start date. *\r\n";
}
std::string badBigShow(const std::string& file) {
  return "\r\n* There is a problem with the date of the Next Big Show in the promotion file " +
         file + ". *\r\n";
}

// maindata.vl1 with the start date on lines 2 to 5.
std::vector<std::string> mainData(const std::string& weekday, const std::string& day,
                                  const std::string& month, const std::string& year) {
  return {"VL13", "0", weekday, day, month, year, "500000"};
}

// A roster of wrestlers given by name and contract expiry; the other fields are filler.
std::vector<std::string> roster(const std::vector<std::pair<std::string, std::string>>& people) {
  std::vector<std::string> lines;
  for (const auto& [name, expiry] : people) {
    for (int field = 0; field < 31; ++field)
      lines.push_back(field == 0 ? name : field == 8 ? expiry : "50");
  }
  return lines;
}

// A new promotion's lines with some lines changed.
std::vector<std::string> promotion(
    const std::vector<std::pair<std::size_t, std::string>>& changes) {
  std::vector<std::string> lines = pf::templateLines();
  for (const auto& [line, value] : changes) lines[line] = value;
  return lines;
}

std::vector<std::string> nextBigShowOn(const std::string& date) {
  return promotion({{pf::nextBigShowNameLine, "Crownfall"},
                    {pf::nextBigShowLevelLine, "2"},
                    {pf::nextBigShowDateLine, date}});
}

// The editor on new-game data in Data, the hub shown; the test writes the files first.
void openNewGameData(Session& s) {
  s.editor.start();
  s.editor.form15.Command2.click();
  ASSERT_TRUE(s.editor.form14.visible());
}

// ---------------------------------------------------------------------------------------------
// Check All Dates

TEST(CheckAllDates, FlagsContractsEndingInOrBeforeTheStartMonthEachByItsOwnText) {
  Session s;
  s.folder.write("Data/maindata.vl1", mainData("Monday", "1", "March", "2004"));
  // "Dec 2004" follows a December expiry: without a month name of its own it counts as month 0.
  s.folder.write("Data/wrestlers.vl1", roster({{"Ada Vance", "March 2004"},
                                               {"Ben Cole", "April 2004"},
                                               {"Cal Reyes", "December 2003"},
                                               {"Dee Marsh", "January 2005"},
                                               {"Eve Stone", "March 2005"},
                                               {"Fay Lund", "December 2004"},
                                               {"Gus Hale", "Dec 2004"},
                                               {"Hal Brook", "march 2005"}}));
  s.folder.write("Data/vlf.fed", nextBigShowOn("Monday 1st March 2004"));
  openNewGameData(s);
  Form14& hub = s.editor.form14;

  hub.Command6.click();

  EXPECT_EQ(hub.Label1.caption(), "Results Of The Date Check");
  EXPECT_EQ(hub.Text3.text(), flagged("Ada Vance") + flagged("Cal Reyes") + flagged("Gus Hale") +
                                  crlf + advice + crlf + crlf + bigShowsOk);
  EXPECT_TRUE(hub.Text3.visible());
  EXPECT_FALSE(hub.Command3.visible());
  EXPECT_TRUE(s.desktop.dialogs().empty());
}

TEST(CheckAllDates, NextBigShowsPassOnlyOnTheStartDateAndThe359DaysAfterIt) {
  Session s;
  s.folder.write("Data/maindata.vl1", mainData("Monday", "1", "March", "2004"));
  s.folder.write("Data/wrestlers.vl1", roster({{"Ada Vance", "April 2004"}}));
  // The files are listed by name; a failing file before a passing one does not spoil it.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a_wrong_weekday.fed", "Tuesday 1st March 2004"},
      {"b_start_date.fed", "Monday 1st March 2004"},
      {"c_day_359.fed", "Wednesday 23rd February 2005"},
      {"d_day_360.fed", "Thursday 24th February 2005"},
      {"e_day_before.fed", "Sunday 29th February 2004"},
      {"f_leading_zero.fed", "Monday 01st March 2004"},
      {"g_no_suffix.fed", "Monday 1 March 2004"},
      {"h_empty.fed", ""},
      {"i_lower_case.fed", "monday 1st march 2004"},
      {"j_leap_day_2005.fed", "Tuesday 29th February 2005"},
      {"k_summer.fed", "Saturday 21st August 2004"},
  };
  for (const auto& [file, date] : cases) s.folder.write("Data/" + file, nextBigShowOn(date));
  // No next big show: the date line is never looked at.
  s.folder.write("Data/l_none.fed", promotion({{pf::nextBigShowDateLine, "rubbish"}}));
  openNewGameData(s);

  s.editor.form14.Command6.click();

  EXPECT_EQ(s.editor.form14.Text3.text(),
            allContractsOk + crlf + badBigShow("a_wrong_weekday.fed") +
                badBigShow("d_day_360.fed") + badBigShow("e_day_before.fed") +
                badBigShow("f_leading_zero.fed") + badBigShow("g_no_suffix.fed") +
                badBigShow("h_empty.fed") + badBigShow("i_lower_case.fed") +
                badBigShow("j_leap_day_2005.fed") + crlf + bigShowsWrong);
}

TEST(CheckAllDates, LeapDaysAreReachedOnlyInYearsDivisibleByFour) {
  struct Case {
    std::vector<std::string> start;
    std::string date;
    bool fits;
  };
  const Case cases[] = {
      {mainData("Monday", "2", "February", "2004"), "Sunday 29th February 2004", true},
      {mainData("Monday", "2", "February", "2004"), "Monday 1st March 2004", true},
      {mainData("Tuesday", "2", "February", "2100"), "Monday 29th February 2100", true},
      {mainData("Wednesday", "2", "February", "2005"), "Tuesday 29th February 2005", false},
      // A start month that is no month name: no date can be met.
      {mainData("Monday", "2", "Febuary", "2004"), "Monday 2nd February 2004", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    Session s;
    s.folder.write("Data/maindata.vl1", c.start);
    s.folder.writeBytes("Data/wrestlers.vl1", "");
    s.folder.write("Data/vlf.fed", nextBigShowOn(c.date));
    openNewGameData(s);
    s.editor.form14.Command6.click();
    EXPECT_EQ(s.editor.form14.Text3.text(),
              noWrestlers + crlf +
                  (c.fits ? crlf + bigShowsOk : badBigShow("vlf.fed") + crlf + bigShowsWrong));
  }
}

TEST(CheckAllDates, ASavedGameGetsItsNoteAndNoPromotionFileIsRead) {
  Session s;
  s.folder.write("save1/maindata.vl1", mainData("Monday", "2", "February", "2004"));
  s.folder.writeBytes("save1/wrestlers.vl1", "");
  s.folder.write("save1/gcf.fed", {"too", "short"});
  s.folder.writeBytes("save1.sav", "save1\r\n");
  s.editor.start();
  shelltest::openSavedGame(s.editor, "save1");

  s.editor.form14.Command6.click();

  EXPECT_EQ(s.editor.form14.Text3.text(), noWrestlers + crlf + crlf + savedGameNote);
  EXPECT_EQ(s.editor.form14.File1.listCount(), 0);
}

TEST(CheckAllDates, FilesOutsideTheExpectedShapeAreReportedInThePanel) {
  const std::vector<std::string> start = mainData("Monday", "1", "March", "2004");
  struct Case {
    const char* what;
    std::vector<std::string> mainData;  // empty: no maindata.vl1
    bool hasRoster;
    std::vector<std::string> roster;
    std::vector<std::string> promotion;  // empty: no promotion file
    std::string report;
  };
  std::vector<std::string> cutRecord =
      roster({{"Ada Vance", "April 2004"}, {"Ben Cole", "May 2003"}});
  cutRecord.resize(31 + 10);
  std::vector<std::string> nameOnly =
      roster({{"Ada Vance", "April 2004"}, {"Ben Cole", "May 2003"}});
  nameOnly.resize(31 + 5);
  std::vector<std::string> wholeWithBlankEnd = roster({{"Ada Vance", "April 2004"}});
  wholeWithBlankEnd.push_back("");
  std::vector<std::string> noShowLines = nextBigShowOn("Monday 1st March 2004");
  noShowLines.resize(pf::nextBigShowDateLine);
  const Case cases[] = {
      {"no maindata.vl1", {}, true, {}, {}, ""},
      {"short maindata.vl1",
       {"VL13", "0", "Monday"},
       true,
       {},
       {},
       "* No dates were checked: maindata.vl1 has only 3 lines, too few to hold the start date. "
       "*\r\n"},
      {"no wrestlers.vl1",
       start,
       false,
       {},
       {},
       "There is no wrestlers.vl1 file in this data set, so no contract expiry dates can be "
       "checked.\r\n\r\n" +
           bigShowsOk},
      {"roster cut inside a record",
       start,
       true,
       cutRecord,
       {},
       flagged("Ben Cole") +
           "* wrestlers.vl1 ends inside the record of Ben Cole, which has only 10 lines of its "
           "31. *\r\n\r\n" +
           advice + crlf + crlf + bigShowsOk},
      {"roster cut before the expiry",
       start,
       true,
       nameOnly,
       {},
       "* wrestlers.vl1 ends inside the record of Ben Cole, which has only 5 lines of its 31. Its "
       "contract expiry date could not be checked. *\r\n\r\n" +
           allContractsOk + crlf + crlf + bigShowsOk},
      {"empty line after the last record",
       start,
       true,
       wholeWithBlankEnd,
       {},
       allContractsOk + crlf + crlf + bigShowsOk},
      {"promotion file without the next big show",
       start,
       true,
       {},
       {"VLF", "Short"},
       noWrestlers + crlf +
           "\r\n* The promotion file vlf.fed has only 2 lines, too few to hold its Next Big Show. "
           "*\r\n\r\n" +
           bigShowsWrong},
      {"promotion file cut after the show's name",
       start,
       true,
       {},
       noShowLines,
       noWrestlers + crlf +
           "\r\n* The promotion file vlf.fed has only 236 lines, too few to hold its Next Big "
           "Show. *\r\n\r\n" +
           bigShowsWrong},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    if (!c.mainData.empty()) s.folder.write("Data/maindata.vl1", c.mainData);
    if (c.hasRoster) s.folder.write("Data/wrestlers.vl1", c.roster);
    if (!c.promotion.empty()) s.folder.write("Data/vlf.fed", c.promotion);
    openNewGameData(s);

    s.editor.form14.Command6.click();

    const std::string& text = s.editor.form14.Text3.text();
    if (c.mainData.empty()) {
      EXPECT_EQ(text.rfind("* No dates were checked: the start date could not be read. ", 0), 0u)
          << text;
      EXPECT_NE(text.find("maindata.vl1"), std::string::npos) << text;
    } else {
      EXPECT_EQ(text, c.report);
    }
    EXPECT_TRUE(s.editor.form14.Text3.visible());
    EXPECT_EQ(s.folder.exists("Data/wrestlers.vl1"), c.hasRoster);  // never created
  }
}

TEST(CheckAllDates, ASecondRunShowsOnlyItsOwnReport) {
  Session s;
  s.folder.write("Data/maindata.vl1", mainData("Monday", "1", "March", "2004"));
  s.folder.write("Data/wrestlers.vl1", roster({{"Ada Vance", "March 2004"}}));
  openNewGameData(s);
  Form14& hub = s.editor.form14;
  hub.Command6.click();
  hub.Command8.click();
  s.folder.write("Data/wrestlers.vl1", roster({{"Ada Vance", "April 2004"}}));

  hub.Command6.click();

  EXPECT_EQ(hub.Text3.text(), allContractsOk + crlf + crlf + bigShowsOk);
}

// ---------------------------------------------------------------------------------------------
// Check Scenario

const std::string scenario = "Scenarios/Frontier/";

// A scenario with its three data files, opened from the start window.
void openScenario(Session& s,
                  const std::vector<std::pair<std::string, std::vector<std::string>>>& promotions) {
  s.folder.write(scenario + "maindata.vl1", mainData("Saturday", "1", "April", "2000"));
  s.folder.write(scenario + "venues.txt", {"Arena", "Town, USA", "Town", "5000", "USA", "None"});
  s.folder.writeBytes(scenario + "wrestlers.vl1", "");
  for (const auto& [file, lines] : promotions) s.folder.write(scenario + file, lines);
  s.editor.start();
  shelltest::openScenario(s.editor, "Frontier");
}

const std::string dataFilesPresent =
    "maindata.vl1 file.....OK\r\nvenues.txt file.....OK\r\nwrestlers.vl1 file.....OK\r\n";

std::string image(const std::string& name, bool ok) {
  return "Image: ''" + name + "''....." + (ok ? " OK" : " ** MISSING **") + "\r\n";
}

TEST(CheckScenario, APictureOnlyInImagesIsCopiedInAndOneNowhereIsMissing) {
  Session s;
  static const char logo[] = "\xFF\xD8\xFF\xE0 logo\r\n\0bytes";
  const std::string logoBytes(logo, sizeof logo - 1);
  s.folder.writeBytes("Images/fsr_logo.jpg", logoBytes);
  openScenario(s,
               {{"fsr.fed", promotion({{pf::logoLine, "fsr_logo.jpg"},
                                       {pf::showLine(0, pf::ShowField::logo), "fsr_show.gif"}})}});
  Form14& hub = s.editor.form14;
  // The pointer of "Check Scenario" while the pictures are collected, and after.
  std::vector<ui::Pointer> during;
  hub.List1.setObserver([&] { during.push_back(hub.Command7.pointer()); });

  hub.Command7.click();

  EXPECT_EQ(hub.Label1.caption(), "Results Of The Scenario Check");
  EXPECT_EQ(hub.Text3.text(), dataFilesPresent + "promotion files..... OK (1 found)\r\n" +
                                  image("fsr_logo.jpg", true) + image("fsr_show.gif", false) +
                                  crlf + notReady);
  EXPECT_EQ(s.folder.bytes(scenario + "fsr_logo.jpg"), logoBytes);
  EXPECT_FALSE(s.folder.exists(scenario + "fsr_show.gif"));
  ASSERT_FALSE(during.empty());
  for (const ui::Pointer pointer : during) EXPECT_EQ(pointer, ui::Pointer::Hourglass);
  EXPECT_EQ(hub.Command7.pointer(), ui::Pointer::Normal);
  EXPECT_TRUE(hub.Text3.visible());
  EXPECT_FALSE(hub.Command9.visible());
  EXPECT_TRUE(s.desktop.dialogs().empty());
}

TEST(CheckScenario, ANewScenarioHasNoPromotionFileAndIsNotReady) {
  Session s;
  s.startWithNewGameData();
  s.desktop.reply("Brand New");
  s.editor.form15.Command4.click();
  s.editor.form19.Command4.click();
  ASSERT_TRUE(s.editor.form14.visible());

  s.editor.form14.Command7.click();

  EXPECT_EQ(s.editor.form14.Text3.text(),
            dataFilesPresent + "promotion files.....** MISSING **\r\n\r\n" + notReady);
}

TEST(CheckScenario, AReadyScenarioCopiesEachPictureOnceAndReplacesNothing) {
  Session s;
  s.folder.writeBytes("Images/shared.jpg", "shared picture");
  s.folder.writeBytes("Images/both.gif", "the Images copy");
  s.folder.writeBytes(scenario + "both.gif", "the scenario's own copy");
  s.folder.writeBytes(scenario + "own.bmp", "only in the scenario");
  openScenario(s,
               {{"a.fed", promotion({{pf::logoLine, "shared.jpg"},
                                     {pf::showLine(0, pf::ShowField::logo), "NA"},
                                     {pf::monthLine(3, pf::MonthField::name), "Spring Siege"},
                                     {pf::monthLine(3, pf::MonthField::logo), "both.gif"},
                                     {pf::monthLine(12, pf::MonthField::logo), "own.bmp"}})},
                // The default logo, an "NA" show logo and months without shows: no picture at all.
                {"b.fed", promotion({})},
                {"c.fed", promotion({{pf::logoLine, "shared.jpg"}})}});
  Form14& hub = s.editor.form14;
  const std::string expected = dataFilesPresent + "promotion files..... OK (3 found)\r\n" +
                               image("shared.jpg", true) + image("both.gif", true) +
                               image("own.bmp", true) + image("shared.jpg", true) + crlf + ready;

  hub.Command7.click();

  EXPECT_EQ(hub.Text3.text(), expected);
  EXPECT_EQ(hub.List1.listCount(), 4);
  EXPECT_EQ(s.folder.bytes(scenario + "shared.jpg"), "shared picture");
  EXPECT_EQ(s.folder.bytes(scenario + "both.gif"), "the scenario's own copy");

  // A second run finds everything in place and shows the same report, once.
  hub.Command8.click();
  hub.Command7.click();
  EXPECT_EQ(hub.Text3.text(), expected);
  EXPECT_EQ(hub.List1.listCount(), 4);
}

TEST(CheckScenario, OddPictureNamesFailedCopiesAndShortFilesMakeTheScenarioNotReady) {
  Session s;
  s.folder.writeBytes("outside.jpg", "beside the Images folder");
  s.folder.writeBytes("Images/big.jpg", std::string(64 * 1024, 'x'));
  std::vector<std::string> shortFile = promotion({});
  shortFile.resize(50);
  openScenario(s, {{"a.fed", promotion({{pf::logoLine, ""},
                                        {pf::showLine(0, pf::ShowField::logo), "../outside.jpg"},
                                        {pf::showLine(1, pf::ShowField::logo), "..\\outside.jpg"},
                                        {pf::showLine(2, pf::ShowField::logo), ".."},
                                        {pf::monthLine(1, pf::MonthField::logo), "big.jpg"}})},
                   {"b.fed", shortFile}});
  s.folder.write(scenario + "fresh.fed", promotion({}));
  std::filesystem::remove(s.folder.path(scenario + "maindata.vl1"));
  Form14& hub = s.editor.form14;

  {
    // The copy of big.jpg fails: the disk will take no file past 4 KiB (on Windows, another
    // program holds big.jpg).
    FailingWrites failing(4096, s.folder.path("Images/big.jpg"));
    if (!failing.ok()) GTEST_SKIP() << failing.why();
    hub.Command7.click();
  }
  const std::string big = s.folder.path("Images/big.jpg").string();
#ifdef _WIN32
  const std::string failed =
      "The file \"" + big + "\" could not be read: another program has the file open.";
#else
  const std::string failed = "The file \"" + big + "\" could not be copied to \"" +
                             s.folder.path(scenario + "big.jpg").string() + "\": file too large.";
#endif

  EXPECT_EQ(hub.Text3.text(),
            "maindata.vl1 file.....** MISSING **\r\nvenues.txt file.....OK\r\nwrestlers.vl1 "
            "file.....OK\r\npromotion files..... OK (3 found)\r\n"
            "Promotion file: ''b.fed''..... ** TOO SHORT: 50 lines, pictures not checked **\r\n" +
                image("", false) + image("../outside.jpg", false) +
                image("..\\outside.jpg", false) + image("..", false) +
                // A failed copy keeps "** MISSING **" and says why, in the system's words.
                "Image: ''big.jpg''..... ** MISSING ** (" + failed + ")\r\n" + crlf + notReady);
  EXPECT_FALSE(s.folder.exists("Scenarios/outside.jpg"));
  EXPECT_FALSE(s.folder.exists(scenario + "big.jpg"));  // no half copy left behind
  EXPECT_EQ(hub.Command7.pointer(), ui::Pointer::Normal);
}

TEST(DataSetChecks, EachCheckReplacesTheOtherOnesReport) {
  Session s;
  openScenario(s, {{"a.fed", promotion({})}});
  Form14& hub = s.editor.form14;

  hub.Command7.click();
  hub.Command8.click();
  hub.Command6.click();

  EXPECT_EQ(hub.Label1.caption(), "Results Of The Date Check");
  EXPECT_EQ(hub.Text3.text(), noWrestlers + crlf + crlf + bigShowsOk);

  hub.Command8.click();
  hub.Command7.click();
  EXPECT_EQ(hub.Label1.caption(), "Results Of The Scenario Check");
  EXPECT_EQ(hub.Text3.text(),
            dataFilesPresent + "promotion files..... OK (1 found)\r\n" + crlf + ready);
}

}  // namespace
