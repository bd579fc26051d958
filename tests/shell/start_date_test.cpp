// The start date editor, driven as a person would: the hub's data set, the pick lists, the year's
// arrows, "Confirm Start Date" and "Back To Menu", with the message boxes answered from a script.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/editor.h"
#include "common/dates.h"
#include "tests/shell/shell_session.h"
#include "tests/support/failing_writes.h"
#include "tests/support/game_folder.h"
#include "tests/support/row_name.h"
#include "tests/support/scripted_desktop.h"

namespace {

const std::string dataFile = "Data/maindata.vl1";

// A data set's maindata.vl1 as the game ships it: the start date on lines 2 to 5.
const std::vector<std::string> shippedLines = {
    "Vorlune Main Data", "13", "Thursday", "1", "January", "2004", "500000", "USA", "Standard"};

const std::string refusal =
    "Your start date has been checked and it is not a valid date. Please choose a real-life date.";
const std::string question =
    "Going back to the menu will lose the changes you made.\r\n\r\nSave changes before you go?";
const std::string savedOk = "Start Date Saved OK!";

struct Date {
  std::string weekday, day, month, year;
};

std::ostream& operator<<(std::ostream& out, const Date& date) {
  return out << date.weekday << " " << date.day << " " << date.month << " " << date.year;
}

std::vector<std::string> withDate(std::vector<std::string> lines, const Date& date) {
  lines[2] = date.weekday;
  lines[3] = date.day;
  lines[4] = date.month;
  lines[5] = date.year;
  return lines;
}

int indexOf(const auto& names, const std::string& name) {
  return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

class StartDateWindow : public ::testing::Test {
 protected:
  GameFolder folder;
  ScriptedDesktop desktop;
  Editor editor{desktop};
  Form17& form = editor.form17;

  void SetUp() override { folder.write(dataFile, shippedLines); }

  // The hub with a data set chosen, then its "Edit The Start Date".
  void open(const std::string& dataSetDir = "\\Data\\") {
    editor.form14.Text1.setText(dataSetDir);
    editor.form14.show();
    editStartDate();
  }
  void editStartDate() { editor.form14.Command4.click(); }

  // Picks a date as a person would: the three lists, then the year's arrows.
  void choose(const Date& date) {
    form.Combo1.choose(indexOf(common::weekdayNames, date.weekday));
    form.Combo2.choose(std::stoi(date.day) - 1);
    form.Combo3.choose(indexOf(common::monthNames, date.month));
    form.HScroll1.scrollTo(std::stoi(date.year));
  }

  Date shown() const {
    return {form.Combo1.text(), form.Combo2.text(), form.Combo3.text(), form.year.caption()};
  }

  void expectOnHub() {
    EXPECT_TRUE(editor.form14.visible());
    EXPECT_FALSE(form.visible());
  }
  void expectStillOpen() {
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(editor.form14.visible());
  }
};

void expectDate(const Date& shown, const Date& expected) {
  EXPECT_EQ(shown.weekday, expected.weekday);
  EXPECT_EQ(shown.day, expected.day);
  EXPECT_EQ(shown.month, expected.month);
  EXPECT_EQ(shown.year, expected.year);
}

TEST_F(StartDateWindow, OffersEveryDateOfTheRangeInItsPickListsAndTheYearsArrows) {
  std::vector<std::string> days;
  for (int day = 1; day <= 31; ++day) days.push_back(std::to_string(day));
  EXPECT_EQ(form.Combo1.items(),
            std::vector<std::string>(common::weekdayNames.begin(), common::weekdayNames.end()));
  EXPECT_EQ(form.Combo2.items(), days);
  EXPECT_EQ(form.Combo3.items(),
            std::vector<std::string>(common::monthNames.begin(), common::monthNames.end()));
  for (const ui::ComboBox* list : {&form.Combo1, &form.Combo2, &form.Combo3}) {
    EXPECT_FALSE(list->editable()) << list->name();
  }
  EXPECT_EQ(form.HScroll1.min(), 1950);
  EXPECT_EQ(form.HScroll1.max(), 2050);
  EXPECT_EQ(form.HScroll1.smallChange(), 1);
  EXPECT_EQ(form.Label2.caption(), "Please choose the date new games will begin at.");
  EXPECT_EQ(form.Command1.caption(), "Confirm Start Date");
  EXPECT_EQ(form.Command2.caption(), "Back To Menu");
  EXPECT_TRUE(form.year.border());
  EXPECT_EQ(form.HScroll1.left(), form.year.left() + form.year.width());
  EXPECT_FALSE(form.List1.visible());

  // Every control that shows lies inside the window, clear of every other.
  std::vector<const ui::Control*> shownControls;
  for (const ui::Control* control : form.controls()) {
    if (!control->visible()) continue;
    EXPECT_GE(control->left(), 0) << control->name();
    EXPECT_GE(control->top(), 0) << control->name();
    EXPECT_LE(control->left() + control->width(), form.width()) << control->name();
    EXPECT_LE(control->top() + control->height(), form.height()) << control->name();
    for (const ui::Control* other : shownControls) {
      const bool apart = control->left() >= other->left() + other->width() ||
                         other->left() >= control->left() + control->width() ||
                         control->top() >= other->top() + other->height() ||
                         other->top() >= control->top() + control->height();
      EXPECT_TRUE(apart) << control->name() << " overlaps " << other->name();
    }
    shownControls.push_back(control);
  }
  EXPECT_EQ(shownControls.size(), 12u);
}

TEST_F(StartDateWindow, LoadShowsTheFilesDateAndHidesTheHub) {
  folder.write(dataFile, withDate(shippedLines, {"Sunday", "29", "February", "2004"}));
  open();

  EXPECT_TRUE(desktop.dialogs().empty());
  expectStillOpen();
  expectDate(shown(), {"Sunday", "29", "February", "2004"});
  EXPECT_EQ(form.HScroll1.value(), 2004);
  EXPECT_EQ(form.Label2.caption(), "Please choose the start date for this game / scenario.");
  EXPECT_EQ(form.List1.items(), withDate(shippedLines, {"Sunday", "29", "February", "2004"}));
  EXPECT_FALSE(form.List1.visible());
}

TEST_F(StartDateWindow, EditsTheDataSetBeingEditedAndNoOther) {
  folder.write("Scenarios/Old School/maindata.vl1",
               withDate(shippedLines, {"Saturday", "1", "January", "1983"}));
  open("\\Scenarios\\Old School\\");
  expectDate(shown(), {"Saturday", "1", "January", "1983"});

  choose({"Monday", "3", "January", "1983"});
  form.Command1.click();

  EXPECT_EQ(desktop.messageTexts(), std::vector<std::string>{savedOk});
  EXPECT_EQ(folder.read("Scenarios/Old School/maindata.vl1"),
            withDate(shippedLines, {"Monday", "3", "January", "1983"}));
  EXPECT_EQ(folder.read(dataFile), shippedLines);
}

TEST_F(StartDateWindow, YearFollowsTheArrowsAndTheDraggedBoxWithinItsRange) {
  open();
  struct Move {
    std::function<void()> move;
    std::string year;
  };
  const std::vector<Move> moves = {
      {[&] { form.HScroll1.scrollTo(2010); }, "2010"},
      {[&] { form.HScroll1.dragTo(1977); }, "1977"},
      {[&] { form.HScroll1.scrollTo(2051); }, "2050"},
      {[&] { form.HScroll1.dragTo(1949); }, "1950"},
  };
  for (const Move& move : moves) {
    move.move();
    EXPECT_EQ(form.year.caption(), move.year);
  }
}

// --- a file that can't hold a start date is not loaded -----------------------------------------

struct UnusableFile {
  const char* name;
  std::function<void(GameFolder&)> make;
  std::string problem;  // words of the message that name the problem
};

std::ostream& operator<<(std::ostream& out, const UnusableFile& file) { return out << file.name; }

std::function<void(GameFolder&)> startDate(const Date& date) {
  return [date](GameFolder& folder) { folder.write(dataFile, withDate(shippedLines, date)); };
}

class UnusableStartDateFile : public StartDateWindow,
                              public ::testing::WithParamInterface<UnusableFile> {};

TEST_P(UnusableStartDateFile, IsReportedAndTheHubStays) {
  GetParam().make(folder);
  const std::vector<std::string> entriesBefore = folder.entries("Data");
  // The file's bytes, or a mark for a folder in its place.
  const auto contents = [&] {
    return std::filesystem::is_directory(folder.path(dataFile)) ? std::string("<folder>")
                                                                : folder.bytes(dataFile);
  };
  const std::string bytesBefore = contents();
  open();

  ASSERT_EQ(desktop.dialogs().size(), 1u);
  const Dialog& message = desktop.last();
  EXPECT_EQ(message.icon, ui::Icon::Exclamation);
  EXPECT_EQ(message.buttons, ui::Buttons::Ok);
  EXPECT_EQ(message.title, "");
  EXPECT_NE(message.text.find("maindata.vl1"), std::string::npos) << message.text;
  EXPECT_NE(message.text.find(GetParam().problem), std::string::npos) << message.text;
  expectOnHub();
  EXPECT_EQ(form.List1.listCount(), 0);
  EXPECT_EQ(folder.entries("Data"), entriesBefore);
  EXPECT_EQ(contents(), bytesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableStartDateFile,
    ::testing::Values(
        UnusableFile{"Missing", [](GameFolder& f) { std::filesystem::remove(f.path(dataFile)); },
                     "could not be read"},
        UnusableFile{"AFolder",
                     [](GameFolder& f) {
                       std::filesystem::remove(f.path(dataFile));
                       f.makeFolder(dataFile);
                     },
                     "could not be read"},
        UnusableFile{"Empty", [](GameFolder& f) { f.writeBytes(dataFile, ""); }, "has 0 lines"},
        UnusableFile{"FiveLines",
                     [](GameFolder& f) {
                       f.writeBytes(dataFile,
                                    "Vorlune Main Data\r\n13\r\nThursday\r\n1\r\nJanuary");
                     },
                     "has 5 lines"},
        UnusableFile{"WeekdayInLowerCase", startDate({"thursday", "1", "January", "2004"}),
                     "\"thursday\""},
        UnusableFile{"WeekdayWithBlank", startDate({"Thursday ", "1", "January", "2004"}),
                     "\"Thursday \""},
        UnusableFile{"WeekdayEmpty", startDate({"", "1", "January", "2004"}), "day of the week"},
        UnusableFile{"DayWithLeadingZero", startDate({"Thursday", "01", "January", "2004"}),
                     "\"01\""},
        UnusableFile{"DayZero", startDate({"Thursday", "0", "January", "2004"}), "\"0\""},
        UnusableFile{"DayPastPickList", startDate({"Thursday", "32", "January", "2004"}), "\"32\""},
        UnusableFile{"MonthShort", startDate({"Thursday", "1", "Jan", "2004"}), "\"Jan\""},
        UnusableFile{"MonthAsNumber", startDate({"Thursday", "1", "1", "2004"}), "month"},
        UnusableFile{"YearBeforeRange", startDate({"Thursday", "1", "January", "1949"}),
                     "\"1949\""},
        UnusableFile{"YearAfterRange", startDate({"Thursday", "1", "January", "2051"}), "\"2051\""},
        UnusableFile{"YearWithBlank", startDate({"Thursday", "1", "January", " 2004"}),
                     "\" 2004\""},
        UnusableFile{"YearWithFraction", startDate({"Thursday", "1", "January", "2004.0"}),
                     "\"2004.0\""},
        UnusableFile{"YearWithText", startDate({"Thursday", "1", "January", "2004AD"}),
                     "\"2004AD\""},
        UnusableFile{"YearEmpty", startDate({"Thursday", "1", "January", ""}), "year"}),
    [](const auto& row) { return std::string(row.param.name); });

// --- "Confirm Start Date": saved or refused ----------------------------------------------------

struct ChosenDate {
  Date date;
  bool real;
};

std::ostream& operator<<(std::ostream& out, const ChosenDate& chosen) {
  return out << chosen.date << (chosen.real ? " (real)" : " (not real)");
}

std::vector<ChosenDate> chosenDates() {
  std::vector<ChosenDate> dates = {
      {{"Sunday", "1", "January", "1950"}, true},  // the first day of the range
      {{"Monday", "1", "January", "1950"}, false},
      {{"Saturday", "31", "December", "1955"}, true},
      {{"Thursday", "1", "January", "2004"}, true},  // the date already in the file
      {{"Monday", "28", "February", "2000"}, true},
      {{"Tuesday", "29", "February", "2000"}, true},
      {{"Wednesday", "1", "March", "2000"}, true},
      {{"Sunday", "30", "April", "2000"}, true},
      {{"Sunday", "29", "February", "2004"}, true},
      {{"Wednesday", "29", "February", "2004"}, false},
      {{"Wednesday", "31", "December", "2014"}, true},
      {{"Saturday", "31", "December", "2050"}, true},  // the last day of the range
      {{"Friday", "31", "December", "2050"}, false},
  };
  for (const std::string& weekday : common::weekdayNames) {
    dates.push_back({{weekday, "29", "February", "1999"}, false});
    dates.push_back({{weekday, "31", "April", "2004"}, false});
    dates.push_back({{weekday, "31", "June", "2050"}, false});
    dates.push_back({{weekday, "30", "February", "2000"}, false});
  }
  return dates;
}

class ConfirmStartDate : public StartDateWindow,
                         public ::testing::WithParamInterface<ChosenDate> {};

TEST_P(ConfirmStartDate, SavesARealDateAndRefusesAnyOther) {
  const ChosenDate& chosen = GetParam();
  open();
  const std::string bytesBefore = folder.bytes(dataFile);
  choose(chosen.date);
  form.Command1.click();

  ASSERT_EQ(desktop.dialogs().size(), 1u);
  const Dialog& message = desktop.last();
  EXPECT_EQ(message.buttons, ui::Buttons::Ok);
  EXPECT_EQ(message.title, "");
  EXPECT_EQ(form.Command1.pointer(), ui::Pointer::Normal);
  if (chosen.real) {
    EXPECT_EQ(form.dateFound, "yes");
    EXPECT_EQ(message.text, savedOk);
    EXPECT_EQ(message.icon, ui::Icon::None);
    EXPECT_EQ(folder.read(dataFile), withDate(shippedLines, chosen.date));
    EXPECT_EQ(form.List1.listCount(), 0);
    expectOnHub();
  } else {
    EXPECT_EQ(form.dateFound, "no");
    EXPECT_EQ(message.text, refusal);
    EXPECT_EQ(message.icon, ui::Icon::Exclamation);
    EXPECT_EQ(folder.bytes(dataFile), bytesBefore);
    EXPECT_EQ(form.List1.items(), shippedLines);
    expectStillOpen();
    expectDate(shown(), chosen.date);
  }
}

INSTANTIATE_TEST_SUITE_P(Dates, ConfirmStartDate, ::testing::ValuesIn(chosenDates()),
                         [](const auto& row) {
                           return rowName(::testing::PrintToString(row.param));
                         });

TEST_F(StartDateWindow, ConfirmShowsTheHourglassUntilTheCheckIsDone) {
  open();
  struct Seen {
    ui::Pointer pointer;
    std::size_t dialogs;
  };
  std::vector<Seen> seen;
  form.Command1.setObserver([&] {
    seen.push_back({form.Command1.pointer(), desktop.dialogs().size()});
  });

  for (const Date& date :
       {Date{"Monday", "1", "January", "1950"}, Date{"Friday", "2", "January", "2004"}}) {
    SCOPED_TRACE(::testing::Message() << date);
    seen.clear();
    desktop.forget();
    choose(date);
    form.Command1.click();
    ASSERT_EQ(desktop.dialogs().size(), 1u);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.front().pointer, ui::Pointer::Hourglass);
    // The normal pointer is back before the message box comes up.
    EXPECT_EQ(seen.back().pointer, ui::Pointer::Normal);
    EXPECT_EQ(seen.back().dialogs, 0u);
  }
}

// --- what a save keeps ---------------------------------------------------------------------

struct RewrittenFile {
  const char* name;
  std::string before;  // bytes as found
  Date chosen;
  std::string after;  // bytes after "Confirm Start Date"
};

std::ostream& operator<<(std::ostream& out, const RewrittenFile& file) { return out << file.name; }

class StartDateSavedFile : public StartDateWindow,
                           public ::testing::WithParamInterface<RewrittenFile> {};

TEST_P(StartDateSavedFile, KeepsItsLineCountAndEveryOtherLineByteForByte) {
  folder.writeBytes(dataFile, GetParam().before);
  const std::size_t lineCount = folder.read(dataFile).size();
  open();
  choose(GetParam().chosen);
  form.Command1.click();

  // A file with mixed line ends is named when it loads; the save goes on as for any other.
  const bool mixed = std::string(GetParam().name).find("Mixed") != std::string::npos;
  const std::vector<std::string> told = desktop.messageTexts();
  ASSERT_EQ(told.size(), mixed ? 2u : 1u);
  if (mixed) {
    EXPECT_NE(told.front().find("mixes line ends: line 2 "), std::string::npos);
  }
  EXPECT_EQ(told.back(), savedOk);
  EXPECT_EQ(folder.bytes(dataFile), GetParam().after);
  EXPECT_EQ(folder.read(dataFile).size(), lineCount);
  EXPECT_EQ(folder.entries("Data"), std::vector<std::string>{"maindata.vl1"});
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartDateSavedFile,
    ::testing::Values(RewrittenFile{"MixedLineEndsHighBytesAndNoLastLineEnd",
                                    "Donn\xE9"
                                    "es du jeu\r\n"
                                    "13\n"
                                    "Thursday\r\n"
                                    "1\r"
                                    "January\r\n"
                                    "2004\r\n"
                                    "\xA3"
                                    "500 \xBD\r\n"
                                    "\r\n"
                                    "  two blanks either side  \n"
                                    "last line without an end",
                                    {"Sunday", "29", "February", "2004"},
                                    "Donn\xE9"
                                    "es du jeu\r\n"
                                    "13\r\n"
                                    "Sunday\r\n"
                                    "29\r\n"
                                    "February\r\n"
                                    "2004\r\n"
                                    "\xA3"
                                    "500 \xBD\r\n"
                                    "\r\n"
                                    "  two blanks either side  \r\n"
                                    "last line without an end\r\n"},
                      RewrittenFile{"JustSixLines",
                                    "\r\n"
                                    "\xFF\r\n"
                                    "Thursday\r\n"
                                    "1\r\n"
                                    "January\r\n"
                                    "2004",
                                    {"Saturday", "31", "December", "2050"},
                                    "\r\n"
                                    "\xFF\r\n"
                                    "Saturday\r\n"
                                    "31\r\n"
                                    "December\r\n"
                                    "2050\r\n"},
                      RewrittenFile{"UnchangedDateIsWrittenAllTheSame",
                                    "a\nb\nThursday\n1\nJanuary\n2004\nc\n",
                                    {"Thursday", "1", "January", "2004"},
                                    "a\r\nb\r\nThursday\r\n1\r\nJanuary\r\n2004\r\nc\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(StartDateWindow, NextVisitLoadsTheSavedDate) {
  open();
  choose({"Wednesday", "1", "March", "2000"});
  form.Command1.click();
  expectOnHub();

  editStartDate();
  expectStillOpen();
  expectDate(shown(), {"Wednesday", "1", "March", "2000"});
  EXPECT_EQ(form.List1.items(), withDate(shippedLines, {"Wednesday", "1", "March", "2000"}));
}

// --- "Back To Menu" ------------------------------------------------------------------------

enum class Reply { None, Yes, No };

struct BackCase {
  const char* name;
  std::function<void(Form17&)> change;
  Reply reply;
  std::vector<std::string> messages;  // every message box, in order
  std::vector<std::string> file;      // maindata.vl1 afterwards
  bool staysOpen;
};

std::ostream& operator<<(std::ostream& out, const BackCase& c) { return out << c.name; }

const Date friday2nd{"Friday", "2", "January", "2004"};

std::vector<BackCase> backCases() {
  return {
      {"Unchanged", [](Form17&) {}, Reply::None, {}, shippedLines, false},
      {"YearMovedAwayAndBack",
       [](Form17& f) {
         f.HScroll1.scrollTo(2010);
         f.HScroll1.dragTo(2004);
       },
       Reply::None,
       {},
       shippedLines,
       false},
      {"EveryFieldChangedAndChangedBack",
       [](Form17& f) {
         f.Combo1.choose(4);
         f.Combo2.choose(29);
         f.Combo3.choose(5);
         f.HScroll1.dragTo(1950);
         f.Combo1.choose(3);
         f.Combo2.choose(0);
         f.Combo3.choose(0);
         f.HScroll1.scrollTo(2004);
       },
       Reply::None,
       {},
       shippedLines,
       false},
      {"ChangedAnsweredNo",
       [](Form17& f) { f.Combo2.choose(1); },
       Reply::No,
       {question},
       shippedLines,
       false},
      {"ChangedYearAnsweredNo",
       [](Form17& f) { f.HScroll1.scrollTo(2005); },
       Reply::No,
       {question},
       shippedLines,
       false},
      {"ChangedToARealDateAnsweredYes",
       [](Form17& f) {
         f.Combo1.choose(4);
         f.Combo2.choose(1);
       },
       Reply::Yes,
       {question, savedOk},
       withDate(shippedLines, friday2nd),
       false},
      {"ChangedToADateThatIsNotRealAnsweredYes",
       [](Form17& f) { f.Combo1.choose(4); },
       Reply::Yes,
       {question, refusal},
       shippedLines,
       true},
  };
}

class StartDateBackToMenu : public StartDateWindow,
                            public ::testing::WithParamInterface<BackCase> {};

TEST_P(StartDateBackToMenu, AsksOnlyWhenTheDateDiffersFromTheFile) {
  const BackCase& c = GetParam();
  open();
  c.change(form);
  const Date chosenBefore = shown();
  if (c.reply == Reply::Yes) desktop.answerYes();
  if (c.reply == Reply::No) desktop.answerNo();
  form.Command2.click();

  EXPECT_EQ(desktop.messageTexts(), c.messages);
  if (!c.messages.empty()) {
    const Dialog& asked = desktop.dialogs().front();
    EXPECT_EQ(asked.buttons, ui::Buttons::YesNo);
    EXPECT_EQ(asked.icon, ui::Icon::None);
    EXPECT_EQ(asked.title, "");
  }
  EXPECT_EQ(folder.read(dataFile), c.file);
  if (c.staysOpen) {
    expectStillOpen();
    expectDate(shown(), chosenBefore);
    return;
  }
  expectOnHub();
  // Every visit starts from the file, whatever the last one left in the window.
  desktop.forget();
  editStartDate();
  expectDate(shown(), {c.file[2], c.file[3], c.file[4], c.file[5]});
  EXPECT_TRUE(desktop.dialogs().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, StartDateBackToMenu, ::testing::ValuesIn(backCases()),
                         [](const auto& row) { return std::string(row.param.name); });

// --- a write that fails --------------------------------------------------------------------

TEST_F(StartDateWindow, FailedWriteIsReportedAndLeavesWindowAndFileAsTheyWere) {
  open();
  const std::string bytesBefore = folder.bytes(dataFile);
  const std::vector<std::string> entriesBefore = folder.entries("Data");
  choose(friday2nd);
  {
    FailingWrites failing(8, folder.path(dataFile));
    if (!failing.ok()) GTEST_SKIP() << failing.why();
    form.Command1.click();
  }

  ASSERT_EQ(desktop.dialogs().size(), 1u);
  const Dialog& message = desktop.last();
  EXPECT_EQ(message.text.rfind("The start date could not be saved.", 0), 0u) << message.text;
  EXPECT_EQ(message.icon, ui::Icon::Critical);
  EXPECT_EQ(message.title, "");
  expectStillOpen();
  expectDate(shown(), friday2nd);
  EXPECT_EQ(form.List1.items(), shippedLines);
  EXPECT_EQ(folder.bytes(dataFile), bytesBefore);
  EXPECT_EQ(folder.entries("Data"), entriesBefore);

  // The change is still there to be asked about.
  desktop.forget();
  desktop.answerNo();
  form.Command2.click();
  EXPECT_EQ(desktop.messageTexts(), std::vector<std::string>{question});
  expectOnHub();
  EXPECT_EQ(folder.bytes(dataFile), bytesBefore);
}

}  // namespace
