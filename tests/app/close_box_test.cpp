// Closing the editor with a main window's close box while that window holds unsaved work: the
// question, and what Yes, No and Cancel do with the work and the files.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "promotion/promotion_file.h"
#include "roster/stat_table.h"
#include "tests/shell/shell_session.h"

using shelltest::Session;

namespace {

const std::string question = " has unsaved changes.\r\n\r\nSave them before the editor closes?";

// One kind of work: how to open its window on the sample files, how to change it (or make a
// change its save refuses), the file that holds it, and what its own save writes.
struct WorkKind {
  std::string name;
  std::string what;                           // as the question names it
  std::function<void(Session&)> open;         // shows the window, unchanged
  std::function<void(Session&)> change;       // a change its save accepts
  std::function<void(Session&)> badChange;    // a change its save refuses
  std::string badMessage;                     // the refusal's message
  std::string file;                           // the file holding the work, relative
  std::string savedBytes;                     // the file after the save of `change`
  std::function<ui::Form&(Session&)> window;  // the window whose close box is clicked
  std::function<bool(Session&)> showsChange;  // the window still shows the change
};

void openHub(Session& s) {
  s.startWithNewGameData();
  s.editor.form15.Command2.click();  // "Edit Data For New Games"
  ASSERT_TRUE(s.editor.form14.visible());
}

void openScenarioHub(Session& s) {
  for (const char* file : {"maindata.vl1", "venues.txt"})
    s.folder.writeBytes(std::string("Scenarios/Old School/") + file, "x\r\n");
  s.folder.writeBytes("Scenarios/Old School/scenario.txt", "Title\r\nAbout\r\nMe\r\n");
  s.startWithNewGameData();
  shelltest::openScenario(s.editor, "Old School");
  ASSERT_TRUE(s.editor.form14.visible());
}

int itemIndex(const ui::ComboBox& list, const std::string& text) {
  for (int i = 0; i < list.listCount(); ++i)
    if (list.list(i) == text) return i;
  return -1;
}

// The roster after "Create New Wrestler" on an empty roster whose start year is 1950.
std::string rosterWithANewWrestler() {
  std::string bytes;
  for (const std::string& value : stat_table::newWrestler("New Wrestler", "1953"))
    bytes += value + "\r\n";
  return bytes;
}

// A promotion file as "SAVE" writes an untouched new promotion, with the given initials.
std::string promotionFile(const std::string& initials) {
  std::vector<std::string> lines = promotion_file::templateLines();
  lines[promotion_file::initialsLine] = initials;
  lines[promotion_file::monthLine(1, promotion_file::MonthField::brand)] = "All";
  lines[promotion_file::monthLine(1, promotion_file::MonthField::logo)] = "NA";
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// The wizard page that is shown.
ui::Form& wizardPage(Editor& e) {
  for (ui::Form* page : std::vector<ui::Form*>{&e.form3, &e.form4, &e.form5, &e.form6, &e.form7,
                                               &e.form8, &e.form10, &e.form11})
    if (page->visible()) return *page;
  return e.form3;
}

std::vector<WorkKind> workKinds() {
  return {
      {"StartDate", "The start date",
       [](Session& s) {
         openHub(s);
         s.editor.form14.Command4.click();
       },
       [](Session& s) {  // Sunday 8 January 1950
         s.editor.form17.Combo2.choose(itemIndex(s.editor.form17.Combo2, "8"));
       },
       [](Session& s) {  // Sunday 2 January 1950 is not a day of the calendar
         s.editor.form17.Combo2.choose(itemIndex(s.editor.form17.Combo2, "2"));
       },
       "Your start date has been checked and it is not a valid date. Please choose a real-life "
       "date.",
       "Data/maindata.vl1",
       "Vorlune\r\n1.3\r\nSunday\r\n8\r\nJanuary\r\n1950\r\nCaf\xE9 line\r\nlast\r\n",
       [](Session& s) -> ui::Form& { return s.editor.form17; },
       [](Session& s) { return s.editor.form17.Combo2.text() != "1"; }},
      {"ScenarioInfo", "The scenario information",
       [](Session& s) {
         openScenarioHub(s);
         s.editor.form14.Command9.click();
       },
       [](Session& s) {
         s.desktop.reply("New Title");
         s.editor.form19.scenarioname.click();
       },
       nullptr, "", "Scenarios/Old School/scenario.txt", "New Title\r\nAbout\r\nMe\r\n",
       [](Session& s) -> ui::Form& { return s.editor.form19; },
       [](Session& s) { return s.editor.form19.scenarioname.caption() == "New Title"; }},
      {"Roster", "The wrestler roster",
       [](Session& s) {
         openHub(s);
         s.editor.form14.Command2.click();  // "Edit The Wrestlers File": made empty
       },
       [](Session& s) {
         s.editor.form12.Command2.click();  // "Create New Wrestler" opens the stat sheet
       },
       nullptr, "", "Data/wrestlers.vl1", rosterWithANewWrestler(),
       [](Session& s) -> ui::Form& {
         return s.editor.form13.visible() ? static_cast<ui::Form&>(s.editor.form13)
                                          : s.editor.form12;
       },
       [](Session& s) { return s.editor.form12.wrestlerCount() == 1; }},
      {"Venue", "The venue being edited",
       [](Session& s) {
         openHub(s);
         s.editor.form14.Command5.click();   // "Edit The Venues"
         s.editor.form18.Command12.click();  // "Edit": no change yet
       },
       [](Session& s) {
         s.desktop.reply("Osaka Dome");
         s.editor.form18.venuename.click();
       },
       nullptr, "", "Data/venues.txt",
       "Osaka Dome\r\nTokyo, Japan\r\nTokyo\r\n55000\r\nJapan\r\nNone\r\n",
       [](Session& s) -> ui::Form& { return s.editor.form18; },
       [](Session& s) { return s.editor.form18.venuename.caption() == "Osaka Dome"; }},
      {"Promotion", "The promotion a.fed",
       [](Session& s) {
         s.folder.writeBytes("Data/a.fed", promotionFile("VLF"));
         openHub(s);
         s.editor.form14.Command1.click();  // "Edit The Promotions Files"
         s.editor.form1.Command1.click();   // "Edit an Existing Promotion"
         s.editor.form2.File1.choose(0);
         s.editor.form2.Command1.click();  // "Edit This Promotion"
         ASSERT_TRUE(s.editor.form3.visible());
       },
       [](Session& s) {
         s.desktop.reply("XYZ");
         s.editor.form3.prominitials.click();
       },
       [](Session& s) {  // Step 3: a televised attendance below 20
         s.editor.form3.Command1.click();
         s.editor.form4.Command1.click();
         s.desktop.reply("5");
         s.editor.form5.tvatt.click();
       },
       "Televised Attendence must be at least 20.", "Data/a.fed", promotionFile("XYZ"),
       [](Session& s) -> ui::Form& { return wizardPage(s.editor); },
       [](Session& s) { return s.editor.form3.prominitials.caption() == "XYZ"; }},
  };
}

// The kinds whose save refuses some values.
std::vector<WorkKind> refusingKinds() {
  std::vector<WorkKind> kinds;
  for (WorkKind& kind : workKinds())
    if (kind.badChange) kinds.push_back(std::move(kind));
  return kinds;
}

class CloseBoxWithWork : public ::testing::TestWithParam<WorkKind> {};
class CloseBoxWithRefusedWork : public ::testing::TestWithParam<WorkKind> {};

TEST_P(CloseBoxWithWork, UnchangedEndsTheProgramWithoutAQuestion) {
  const WorkKind& kind = GetParam();
  Session s;
  kind.open(s);
  ASSERT_TRUE(kind.window(s).visible());
  const std::string before = s.folder.bytes(kind.file);
  s.desktop.forget();

  kind.window(s).closeBox();

  EXPECT_TRUE(s.desktop.dialogs().empty());
  EXPECT_TRUE(s.desktop.programEnded());
  EXPECT_EQ(s.folder.bytes(kind.file), before);
}

TEST_P(CloseBoxWithWork, CancelKeepsTheEditorAndTheWorkAsTheyWere) {
  const WorkKind& kind = GetParam();
  Session s;
  kind.open(s);
  kind.change(s);
  const std::string before = s.folder.bytes(kind.file);
  s.desktop.forget();
  s.desktop.answerCancel();

  kind.window(s).closeBox();

  ASSERT_EQ(s.desktop.dialogs().size(), 1u);
  const Dialog& asked = s.desktop.last();
  EXPECT_EQ(asked.text, kind.what + question);
  EXPECT_EQ(asked.buttons, ui::Buttons::YesNoCancel);
  EXPECT_EQ(asked.icon, ui::Icon::Question);
  EXPECT_EQ(asked.title, "");
  EXPECT_FALSE(s.desktop.programEnded());
  EXPECT_TRUE(kind.window(s).visible());
  EXPECT_TRUE(kind.showsChange(s));
  EXPECT_EQ(s.folder.bytes(kind.file), before);
}

TEST_P(CloseBoxWithWork, NoEndsTheProgramAndWritesNothing) {
  const WorkKind& kind = GetParam();
  Session s;
  kind.open(s);
  kind.change(s);
  const std::string before = s.folder.bytes(kind.file);
  s.desktop.answerNo();

  kind.window(s).closeBox();

  EXPECT_TRUE(s.desktop.programEnded());
  EXPECT_EQ(s.folder.bytes(kind.file), before);
}

TEST_P(CloseBoxWithWork, YesSavesAsTheWindowsOwnSaveThenEndsTheProgram) {
  const WorkKind& kind = GetParam();
  Session s;
  kind.open(s);
  kind.change(s);
  s.desktop.answerYes();

  kind.window(s).closeBox();

  EXPECT_TRUE(s.desktop.programEnded());
  EXPECT_EQ(s.folder.bytes(kind.file), kind.savedBytes);
}

TEST_P(CloseBoxWithWork, YesWithAFailingWriteKeepsTheEditorTheWorkAndTheFile) {
  const WorkKind& kind = GetParam();
  Session s;
  kind.open(s);
  kind.change(s);
  const std::string before = s.folder.bytes(kind.file);
  s.desktop.forget();
  s.desktop.answerYes();
  {
    FileSizeLimit limit(4);
    if (!limit.ok()) GTEST_SKIP() << "the file size limit can't be lowered here";
    kind.window(s).closeBox();
  }

  ASSERT_GE(s.desktop.dialogs().size(), 2u);  // the question, then the save's own report
  EXPECT_EQ(s.desktop.dialogs()[1].buttons, ui::Buttons::Ok);
  EXPECT_FALSE(s.desktop.programEnded());
  EXPECT_TRUE(kind.window(s).visible());
  EXPECT_TRUE(kind.showsChange(s));
  EXPECT_EQ(s.folder.bytes(kind.file), before);
}

TEST_P(CloseBoxWithRefusedWork, YesWithARefusedSaveKeepsTheEditorTheWorkAndTheFile) {
  const WorkKind& kind = GetParam();
  Session s;
  kind.open(s);
  kind.badChange(s);
  const std::string before = s.folder.bytes(kind.file);
  s.desktop.forget();
  s.desktop.answerYes();

  kind.window(s).closeBox();

  const std::vector<std::string> messages = s.desktop.messageTexts();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages[1], kind.badMessage);
  EXPECT_FALSE(s.desktop.programEnded());
  EXPECT_TRUE(kind.window(s).visible());
  EXPECT_EQ(s.folder.bytes(kind.file), before);
}

INSTANTIATE_TEST_SUITE_P(Work, CloseBoxWithWork, ::testing::ValuesIn(workKinds()),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(Work, CloseBoxWithRefusedWork, ::testing::ValuesIn(refusingKinds()),
                         [](const auto& info) { return info.param.name; });

TEST(CloseBox, AWindowWithoutWorkOfItsOwnEndsTheProgramAtOnce) {
  Session s;
  openHub(s);
  s.desktop.forget();
  s.editor.form14.closeBox();
  EXPECT_TRUE(s.desktop.dialogs().empty());
  EXPECT_TRUE(s.desktop.programEnded());
}

TEST(CloseBox, ThePopUpsNeverEndTheProgram) {
  Session s;
  openHub(s);
  for (ui::Form* popUp : std::vector<ui::Form*>{&s.editor.form9, &s.editor.form16}) {
    popUp->show();
    popUp->closeBox();
    EXPECT_FALSE(popUp->visible());
  }
  EXPECT_FALSE(s.desktop.programEnded());
}

}  // namespace
