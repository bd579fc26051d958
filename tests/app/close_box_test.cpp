// Closing the editor with a main window's close box while that window holds unsaved work: the
// question, and what Yes, No and Cancel do with the work and the files.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"
#include "roster/roster_file.h"
#include "roster/stat_table.h"
#include "tests/shell/shell_session.h"
#include "tests/support/failing_writes.h"
#include "tests/support/wizard_walk.h"

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
  friend void PrintTo(const WorkKind& kind, std::ostream* out) { *out << kind.name; }
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

// A promotion file as "SAVE" writes an untouched new promotion, with the given initials and any
// other lines given.
std::string promotionFile(const std::string& initials,
                          const std::map<std::size_t, std::string>& otherLines = {}) {
  std::vector<std::string> lines = promotion_file::templateLines();
  lines[promotion_file::initialsLine] = initials;
  lines[promotion_file::monthLine(1, promotion_file::MonthField::brand)] = "All";
  lines[promotion_file::monthLine(1, promotion_file::MonthField::logo)] = "NA";
  for (const auto& [index, text] : otherLines) lines[index] = text;
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
  {
    FailingWrites failing(4, s.folder.path(kind.file));
    if (!failing.ok()) GTEST_SKIP() << failing.why();
    s.desktop.answerYes();
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
                         [](const auto& row) { return row.param.name; });
INSTANTIATE_TEST_SUITE_P(Work, CloseBoxWithRefusedWork, ::testing::ValuesIn(refusingKinds()),
                         [](const auto& row) { return row.param.name; });

// --- A value typed into an open stat editor, not applied yet -------------------------------------

// The roster of one wrestler, "Dax Ravenhurst", with a new wrestler's values.
roster_file::WrestlerRecord dax() { return stat_table::newWrestler("Dax Ravenhurst", "1953"); }

std::string rosterBytes(const roster_file::WrestlerRecord& record) {
  std::string bytes;
  for (const std::string& value : record) bytes += value + "\r\n";
  return bytes;
}

// The hub, then the roster and Dax's stat sheet with the editor of `field` open.
void openStatEditor(Session& s, roster_file::Field field) {
  s.folder.writeBytes("Data/wrestlers.vl1", rosterBytes(dax()));
  openHub(s);
  s.editor.form14.Command2.click();  // "Edit The Wrestlers File"
  s.editor.form12.MSFlexGrid1.selectCell(1, 0);
  ASSERT_TRUE(s.editor.form13.visible());
  s.editor.form13.MSFlexGrid1.selectCell(field, 1);
  ASSERT_NE(s.editor.form13.Label1.caption(), stat_table::idleCaption);
}

struct PendingStat {
  const char* what;
  roster_file::Field field;
  std::function<void(Form13&)> edit;  // what is typed, chosen or scrolled, without "OK"
  std::string stored;                 // the field as saved; "" when the value is refused
  std::string refusal;                // the editor's own message for a refused value
};

TEST(CloseBoxWithAStatEditorOpen, YesAppliesTheValueAsOkWouldThenSavesOrKeepsTheEditor) {
  const PendingStat cases[] = {
      {"weekly wages typed", roster_file::wages, [](Form13& f) { f.Text1.type("777"); }, "777", ""},
      {"a tag team of None, stored as OK stores it", roster_file::tagteam,
       [](Form13& f) { f.Text1.type("None"); }, "no", ""},
      {"a card position chosen, stored as its code", roster_file::roles,
       [](Form13& f) { f.Combo1.choose(2); }, "3", ""},
      {"a scale moved", roster_file::pop, [](Form13& f) { f.HScroll1.scrollTo(33); }, "33", ""},
      {"an editor opened and left as it was: nothing to apply", roster_file::names, [](Form13&) {},
       "Dax Ravenhurst", ""},
      {"an empty full name", roster_file::names, [](Form13& f) { f.Text1.type(""); }, "",
       "You can't leave the Full Name stat blank."},
      {"an expiry without its month", roster_file::expires, [](Form13& f) { f.Text1.type("2004"); },
       "", "The expiry date must be in the form month then year, eg. January 2004."},
      {"an injured condition of a wrestler who is not injured", roster_file::cond,
       [](Form13& f) { f.HScroll1.scrollTo(0); }, "",
       "Condition stat cannot be 'Inj' if Injury Time is zero."},
  };
  for (const PendingStat& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    openStatEditor(s, c.field);
    Form13& sheet = s.editor.form13;
    c.edit(sheet);
    const std::string caption = sheet.Label1.caption();
    const std::string before = s.folder.bytes("Data/wrestlers.vl1");
    s.desktop.forget();
    s.desktop.answerYes();

    sheet.closeBox();

    const std::vector<std::string> messages = s.desktop.messageTexts();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[0], "The wrestler roster" + question);
    if (c.refusal.empty()) {
      EXPECT_EQ(messages[1], "Saved OK.");
      EXPECT_TRUE(s.desktop.programEnded());
      roster_file::WrestlerRecord saved = dax();
      saved[c.field] = c.stored;
      EXPECT_EQ(s.folder.bytes("Data/wrestlers.vl1"), rosterBytes(saved));
    } else {
      // The editor's own message, and everything as it was: the program, the editor, the file.
      EXPECT_EQ(messages, (std::vector<std::string>{messages[0], c.refusal}));
      EXPECT_FALSE(s.desktop.programEnded());
      EXPECT_TRUE(sheet.visible());
      EXPECT_EQ(sheet.Label1.caption(), caption);
      EXPECT_TRUE(sheet.Command2.visible());
      EXPECT_EQ(s.editor.form12.field(c.field).list(0), dax()[c.field]);
      EXPECT_EQ(s.folder.bytes("Data/wrestlers.vl1"), before);
    }
  }
}

TEST(CloseBoxWithAStatEditorOpen, NoLeavesTheTypedValueUnsaved) {
  Session s;
  openStatEditor(s, roster_file::wages);
  s.editor.form13.Text1.type("777");
  const std::string before = s.folder.bytes("Data/wrestlers.vl1");
  s.desktop.answerNo();
  s.editor.form13.closeBox();
  EXPECT_TRUE(s.desktop.programEnded());
  EXPECT_EQ(s.folder.bytes("Data/wrestlers.vl1"), before);
}

// --- The open promotion counts as changed only by changes made after its pages were filled ------

// The hub on the sample game's new-game data.
void openSampleHub(Session& s) {
  std::filesystem::copy(
      SAMPLE_GAME_FOLDER "/Data", s.folder.path("Data"),
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  s.editor.start();
  s.editor.form15.Command2.click();  // "Edit Data For New Games"
  ASSERT_TRUE(s.editor.form14.visible());
}

std::vector<std::string> samplePromotions() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(SAMPLE_GAME_FOLDER "/Data"))
    if (entry.path().extension() == ".fed") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(CloseBoxOnAPromotion, EverySamplePromotionOpenedAndClosedUnchangedAsksNothing) {
  const std::vector<std::string> promotions = samplePromotions();
  ASSERT_FALSE(promotions.empty());
  for (const std::string& name : promotions) {
    for (const bool throughEveryPage : {false, true}) {
      SCOPED_TRACE(name + (throughEveryPage ? ", through every page" : ", from Step 1"));
      Session s;
      openSampleHub(s);
      const std::string before = s.folder.bytes("Data/" + name);
      s.editor.form14.Command1.click();  // "Edit The Promotions Files"
      s.editor.form1.Command1.click();   // "Edit an Existing Promotion"
      const int index = [&] {
        for (int i = 0; i < s.editor.form2.File1.listCount(); ++i)
          if (s.editor.form2.File1.list(i) == name) return i;
        return -1;
      }();
      ASSERT_GE(index, 0);
      s.editor.form2.File1.choose(index);
      s.editor.form2.Command1.click();  // "Edit This Promotion"
      ASSERT_TRUE(s.editor.form3.visible());
      if (throughEveryPage) {
        nextToStepEight(s.editor);
        ASSERT_TRUE(s.editor.form11.visible());
      }
      s.desktop.forget();  // messages the fill itself shows

      wizardPage(s.editor).closeBox();

      EXPECT_TRUE(s.desktop.dialogs().empty()) << s.desktop.last().text;
      EXPECT_TRUE(s.desktop.programEnded());
      EXPECT_EQ(s.folder.bytes("Data/" + name), before);
    }
  }
}

TEST(CloseBoxOnAPromotion, AChangeUndoneAsksNothingAndANewPromotionNeverSavedAsks) {
  {
    Session s;
    openSampleHub(s);
    s.editor.form14.Command1.click();
    s.editor.form1.Command1.click();
    s.editor.form2.File1.choose(0);
    s.editor.form2.Command1.click();
    const std::string initials = s.editor.form3.prominitials.caption();
    s.desktop.reply("XYZ");
    s.editor.form3.prominitials.click();
    s.desktop.reply(initials);
    s.editor.form3.prominitials.click();
    s.desktop.forget();
    s.editor.form3.closeBox();
    EXPECT_TRUE(s.desktop.dialogs().empty());
    EXPECT_TRUE(s.desktop.programEnded());
  }
  {
    Session s;
    openSampleHub(s);
    s.editor.form14.Command1.click();
    s.desktop.reply("new.fed");
    s.editor.form1.Command2.click();  // "Create a New Promotion", nothing changed after
    ASSERT_TRUE(s.editor.form3.visible());
    s.desktop.forget();
    s.desktop.answerCancel();
    s.editor.form3.closeBox();
    ASSERT_EQ(s.desktop.dialogs().size(), 1u);
    EXPECT_EQ(s.desktop.last().text, "The promotion new.fed" + question);
    EXPECT_FALSE(s.desktop.programEnded());

    // Saved, it counts as unchanged.
    s.editor.form3.Command1.click();
    nextToStepEight(s.editor);
    ASSERT_TRUE(s.editor.form11.savepromotion());
    EXPECT_TRUE(s.folder.exists("Data/new.fed"));
    s.desktop.forget();
    s.editor.form11.closeBox();
    EXPECT_TRUE(s.desktop.dialogs().empty());
    EXPECT_TRUE(s.desktop.programEnded());
  }
}

// A title's value and minimum draw with fractions are shown, not rewritten: neither opening the
// promotion nor a click on its selected slot changes a line, so the close box asks nothing.
TEST(CloseBoxOnAPromotion, AFractionalTitleValueSurvivesAClickOnItsSelectedSlot) {
  using promotion_file::TitleField;
  using promotion_file::titleLine;
  const std::string bytes = promotionFile("VLF", {{titleLine(1, TitleField::value), "7.6"},
                                                  {titleLine(1, TitleField::minimumDraw), "59.5"}});
  Session s;
  s.folder.writeBytes("Data/a.fed", bytes);
  openHub(s);
  s.editor.form14.Command1.click();  // "Edit The Promotions Files"
  s.editor.form1.Command1.click();   // "Edit an Existing Promotion"
  s.editor.form2.File1.choose(0);
  s.editor.form2.Command1.click();  // "Edit This Promotion"
  Form8& page = s.editor.form8;
  ASSERT_EQ(wizard::line(s.editor, titleLine(1, TitleField::value)), "7.6");
  ASSERT_EQ(wizard::line(s.editor, titleLine(1, TitleField::minimumDraw)), "59.5");
  for (ui::CommandButton* next :
       {&s.editor.form3.Command1, &s.editor.form4.Command1, &s.editor.form5.Command1,
        &s.editor.form6.Command1, &s.editor.form7.Command1})
    next->click();
  ASSERT_TRUE(page.visible());
  EXPECT_EQ(page.HScroll1.value(), 8);
  EXPECT_EQ(page.HScroll2.value(), 60);

  page.title1.click();  // "Primary Singles 1", already selected

  EXPECT_EQ(wizard::line(s.editor, titleLine(1, TitleField::value)), "7.6");
  EXPECT_EQ(wizard::line(s.editor, titleLine(1, TitleField::minimumDraw)), "59.5");
  EXPECT_EQ(page.titlevalue.caption(), "7.6%");
  EXPECT_EQ(page.mindraw.caption(), "59.5");
  s.desktop.forget();
  page.closeBox();
  EXPECT_TRUE(s.desktop.dialogs().empty());
  EXPECT_TRUE(s.desktop.programEnded());
  EXPECT_EQ(s.folder.bytes("Data/a.fed"), bytes);
}

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
