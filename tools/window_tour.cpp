#include "tools/window_tour.h"

#include <iostream>
#include <ostream>
#include <random>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "common/code_page.h"

namespace fs = std::filesystem;

namespace tour {

namespace {

// What each window is, in the order form1 ... form19.
const char* const windowRoles[] = {
    "promotions_menu",   "promotion_chooser",   "step1_profile",       "step2_weekly_shows",
    "step3_attendances", "step4_big_shows",     "step5_next_big_show", "step6_title_belts",
    "date_calculator",   "step7_power_figures", "step8_talk_shows",    "wrestler_list",
    "stat_sheet",        "data_set_menu",       "start_window",        "image_picker",
    "start_date_window", "venue_window",        "scenario_info_window"};

// The steps of the walk, done as a person would, each followed by bringing the screen up to date.
class Walker {
 public:
  Walker(Screen& screen, std::ostream& log, const Look& look)
      : screen_(screen), forms_(screen.forms()), log_(log), look_(look) {}

  void settle() { screen_.settle(); }

  // Looks at one window, in a further state of it ("" for the window as it first comes up).
  void lookAt(const ui::Form& form, const std::string& state = "") {
    for (int i = 0; i < static_cast<int>(forms_.size()); ++i) {
      if (forms_[i] == &form) look_(i, state);
    }
  }

  // Looks at every window now on screen.
  void lookAtShown() {
    for (int i = 0; i < static_cast<int>(forms_.size()); ++i) {
      if (forms_[i]->visible()) look_(i, "");
    }
  }

  // Clicks the button with this caption on the window; false when there is no such button (the
  // window is not filled in yet).
  bool click(ui::Form& form, const std::string& caption) {
    for (ui::Control* control : form.controls()) {
      auto* button = dynamic_cast<ui::CommandButton*>(control);
      if (button && button->caption() == caption) {
        log_ << "step: \"" << caption << "\"\n";
        button->click();
        settle();
        return true;
      }
    }
    log_ << "step: \"" << caption << "\" is not on the window yet\n";
    return false;
  }

  // Shows this window alone, as if the windows before had led to it.
  void showOnly(ui::Form& form) {
    for (ui::Form* other : forms_) {
      if (other != &form) other->hide();
    }
    form.show();
    settle();
  }

  const std::vector<ui::Form*>& forms() const { return forms_; }
  std::ostream& log() { return log_; }

 private:
  Screen& screen_;
  const std::vector<ui::Form*>& forms_;
  std::ostream& log_;
  const Look& look_;
};

// Runs one of the hub's checks, looks at its report in the results panel ("state" names the
// picture), and goes back to the buttons with the panel's "OK".
void runCheck(Walker& go, ui::Form& hub, const std::string& check, const std::string& state) {
  if (!go.click(hub, check)) return;
  go.lookAt(hub, state);
  go.click(hub, "OK");
}

// Opens a promotion of the data set as a person does, from the hub: the promotions menu's "Edit an
// Existing Promotion", the file, "Edit This Promotion", which fills every page of the wizard.
// False when Step 1 did not come up.
bool openPromotion(Editor& editor, Walker& go, const std::string& fileName) {
  if (!editor.form14.visible()) go.showOnly(editor.form14);
  if (!go.click(editor.form14, "Edit The Promotions Files") ||
      !go.click(editor.form1, "Edit an Existing Promotion"))
    return false;
  for (int i = 0; i < editor.form2.File1.listCount(); ++i) {
    if (editor.form2.File1.list(i) == fileName) editor.form2.File1.choose(i);
  }
  go.settle();
  return go.click(editor.form2, "Edit This Promotion") && editor.form3.visible();
}

// Types a promotion's bulk tools full on the wrestler list (export, rename, delete), looks at
// them, and empties them again without running any.
void fillBulkRows(Walker& go, Form12& list) {
  go.log() << "step: the wrestler list's rows for a promotion's wrestlers, filled in\n";
  const std::pair<ui::TextBox*, const char*> rows[] = {{&list.Text4, "IKP"},
                                                       {&list.Text5, "ikp.vl1"},
                                                       {&list.Text2, "Free Agent"},
                                                       {&list.Text3, "SRG"},
                                                       {&list.Text6, "LGA"}};
  for (const auto& [box, text] : rows) box->type(text);
  go.settle();
  go.lookAt(list, "bulk_rows");
  for (const auto& [box, text] : rows) box->type("");
  go.settle();
}

// On Step 6: a custom title, and the date calculator over the page counting a reign, closed by
// its close box.
void lookAtCustomTitleAndCalculator(Editor& editor, Walker& go) {
  Form8& titles = editor.form8;
  go.log() << "step: \"Custom 1\"\n";
  titles.title5.click();
  go.settle();
  go.lookAt(titles, "custom");

  go.log() << "step: \"Click Here To Calculate A Title Reign\"\n";
  titles.Label3.click();
  Form9& calculator = editor.form9;
  const std::pair<ui::ComboBox*, int> choices[] = {
      {&calculator.Combo1, 0}, {&calculator.Combo2, 1}, {&calculator.Combo3, 7},
      {&calculator.Combo4, 1}, {&calculator.Combo5, 0}, {&calculator.Combo6, 8},
      {&calculator.Combo7, 7}, {&calculator.Combo8, 1}};  // Monday 2 to Monday 9 August 2004
  for (const auto& [list, index] : choices) list->choose(index);
  go.click(calculator, "Calculate");
  go.lookAt(calculator);
  go.log() << "step: the calculator's close box\n";
  calculator.closeBox();
  go.settle();
}

}  // namespace

std::string windowName(int index) {
  return "form" + std::to_string(index + 1) + "-" + windowRoles[index];
}

fs::path sampleGame() { return fs::path(SAMPLE_GAME_FOLDER); }

std::string lookName(int index, const std::string& state) {
  return windowName(index) + (state.empty() ? "" : "-" + state);
}

// --- the walk --------------------------------------------------------------------------------

namespace {

// The promotions menu, the chooser with the first promotion previewed, the image picker opened
// by the first page's "...", and the ways back: "Make No Changes", then the chooser's and the
// menu's "Back".
void promotionEditor(Editor& editor, Walker& go) {
  if (!go.click(editor.form14, "Edit The Promotions Files")) return;
  go.lookAtShown();
  if (!go.click(editor.form1, "Edit an Existing Promotion")) return;
  if (editor.form2.File1.listCount() > 0) {
    go.log() << "step: preview " << editor.form2.File1.list(0) << "\n";
    editor.form2.File1.choose(0);
    go.settle();
  }
  go.lookAtShown();
  // The first page is looked at once it is filled, further on; here only its "..." matters.
  if (go.click(editor.form2, "Edit This Promotion") && go.click(editor.form3, "...")) {
    go.lookAt(editor.form16);
    go.click(editor.form16, "Make No Changes");
  }
  go.showOnly(editor.form2);
  if (go.click(editor.form2, "Back")) go.click(editor.form1, "Back");
}

}  // namespace

void walk(Editor& editor, Screen& screen, std::ostream& log, const Look& look) {
  Walker go(screen, log, look);

  go.log() << "step: start\n";
  editor.start();
  go.settle();
  go.lookAtShown();

  // The hub as new-game data opens it, then each editor the hub opens.
  if (go.click(editor.form15, "Edit Data For New Games")) go.lookAtShown();
  promotionEditor(editor, go);
  for (const char* editorButton :
       {"Edit The Wrestlers File", "Edit The Start Date", "Edit The Venues"}) {
    if (!editor.form14.visible()) go.showOnly(editor.form14);
    if (go.click(editor.form14, editorButton)) go.lookAtShown();
  }

  // The venue window: a country filter with one of its venues chosen, "Edit" for edit mode, then
  // "Cancel Changes" and the way back to the hub, "Back To Menu".
  if (editor.form18.visible() && go.click(editor.form18, "Japan Only")) {
    if (editor.form18.List1.listCount() > 1) {
      go.log() << "step: the second venue of the list\n";
      editor.form18.List1.choose(1);
      go.settle();
    }
    go.lookAt(editor.form18, "japan_only");
    if (go.click(editor.form18, "Edit")) go.lookAt(editor.form18, "edit");
    go.click(editor.form18, "Cancel Changes");
    go.click(editor.form18, "Back To Menu");
  }

  // The wizard's pages on a sample promotion, one after the other by "Next >>>", back by
  // "<<< Back", forward again, and "SAVE", which writes the scratch copy's file and returns to the
  // promotions menu; its "Back" returns to the hub.
  go.log() << "step: the wizard's pages on gcf.fed\n";
  if (openPromotion(editor, go, "gcf.fed")) {
    go.lookAtShown();
    ui::Form* const forward[] = {&editor.form3, &editor.form4, &editor.form5, &editor.form6,
                                 &editor.form7, &editor.form8, &editor.form10};
    for (ui::Form* page : forward) {
      if (page == &editor.form8) lookAtCustomTitleAndCalculator(editor, go);
      if (go.click(*page, "Next >>>")) go.lookAtShown();
    }
    ui::Form* const backward[] = {&editor.form11, &editor.form10, &editor.form8, &editor.form7,
                                  &editor.form6,  &editor.form5,  &editor.form4};
    for (ui::Form* page : backward) go.click(*page, "<<< Back");
    for (ui::Form* page : forward) go.click(*page, "Next >>>");
    if (go.click(editor.form11, "SAVE")) go.click(editor.form1, "Back");
  }

  // The wrestler list, one wrestler's stat sheet, and the ways back: the sheet's "OK" under its
  // grid, then the list's "Done".
  if (!editor.form14.visible()) go.showOnly(editor.form14);
  if (go.click(editor.form14, "Edit The Wrestlers File") && editor.form12.visible() &&
      editor.form12.MSFlexGrid1.rows() > 1) {
    go.log() << "step: the first wrestler of the list\n";
    editor.form12.MSFlexGrid1.selectCell(1, 0);
    go.settle();
    go.lookAtShown();
    go.log() << "step: the wrestler's contract expiry, then \"Cancel\"\n";
    editor.form13.MSFlexGrid1.selectCell(8, 1);
    go.settle();
    go.lookAt(editor.form13, "editor");
    go.click(editor.form13, "Cancel");
    go.log() << "step: the sheet's \"OK\" under its grid\n";
    editor.form13.Command3.click();
    go.settle();
    fillBulkRows(go, editor.form12);
    go.click(editor.form12, "Done");
  }
  if (!editor.form14.visible()) go.showOnly(editor.form14);
  runCheck(go, editor.form14, "Check All Dates", "check_all_dates");
  go.click(editor.form14, "Back To Menu");

  // The scenario chooser, the first scenario's two checks and its information.
  if (go.click(editor.form15, "Edit a Scenario")) {
    go.lookAt(editor.form15, "chooser");
    editor.form15.List1.choose(0);
    if (go.click(editor.form15, "OK")) {
      runCheck(go, editor.form14, "Check All Dates", "scenario-check_all_dates");
      runCheck(go, editor.form14, "Check Scenario", "scenario-check_scenario");
      if (go.click(editor.form14, "Edit The Scenario Info File")) go.lookAtShown();
    }
  }

  // The first saved game's date check, which leaves its promotions alone.
  if (!editor.form15.visible()) go.showOnly(editor.form15);
  if (go.click(editor.form15, "Edit a Saved Game")) {
    editor.form15.List1.choose(0);
    if (go.click(editor.form15, "OK")) {
      runCheck(go, editor.form14, "Check All Dates", "saved_game-check_all_dates");
      go.click(editor.form14, "Back To Menu");
    }
  }

  // Every window once more, shown on its own.
  for (ui::Form* form : go.forms()) {
    go.showOnly(*form);
    go.lookAt(*form);
  }
}

// --- the dialog scenes ----------------------------------------------------------------------

namespace {

const Look lookAtNothing = [](int, const std::string&) {};

// The start window's "Edit Data For New Games", from wherever the editor is.
bool newGameData(Editor& editor, Walker& go) {
  go.showOnly(editor.form15);
  return go.click(editor.form15, "Edit Data For New Games");
}

}  // namespace

void raiseWizardPrompt(Editor& editor, Screen& screen, std::ostream& log, ui::Form& page,
                       ui::Control& value) {
  Walker go(screen, log, lookAtNothing);
  if (!newGameData(editor, go) || !openPromotion(editor, go, "gcf.fed")) return;
  ui::Form* const pages[] = {&editor.form3, &editor.form4, &editor.form5,  &editor.form6,
                             &editor.form7, &editor.form8, &editor.form10, &editor.form11};
  for (ui::Form* shown : pages) {
    if (shown == &page || !go.click(*shown, "Next >>>")) break;
  }
  if (!page.visible()) return;
  log << "step: a click on " << value.name() << "\n";
  screen.click(value);
  go.settle();
}

void raiseWidestPrompt(Editor& editor, Screen& screen, std::ostream& log) {
  raiseWizardPrompt(editor, screen, log, editor.form11, editor.form11.brand1talkshowname);
}

void raiseVenueDelete(Editor& editor, Screen& screen, std::ostream& log) {
  Walker go(screen, log, lookAtNothing);
  if (!newGameData(editor, go) || !go.click(editor.form14, "Edit The Venues")) return;
  // Away from the middle of the screen, where a box without its window would come up.
  if (editor.form18.visible()) {
    log << "step: the venue window dragged to the top left corner of the screen\n";
    screen.moveToCorner(editor.form18);
  }
  log << "step: \"Delete\" on " << editor.form18.hiddenvenue.caption() << "\n";
  screen.click(editor.form18.Command3);
  go.settle();
}

// --- the scratch game folder -----------------------------------------------------------------

ScratchGame::ScratchGame(const fs::path& source, std::ostream& log) : before_(fs::current_path()) {
  std::random_device random;
  scratch_ = fs::temp_directory_path() / ("editor-tour-" + std::to_string(random()));
  const fs::path game = scratch_ / "game";
  if (fs::is_directory(source)) {
    fs::create_directories(scratch_);
    fs::copy(source, game, fs::copy_options::recursive);
  } else {
    log << "no game folder at " << source.string() << ": using an empty one\n";
    fs::create_directories(game / "Data");
  }
  fs::current_path(game);
}

ScratchGame::~ScratchGame() {
  std::error_code error;
  fs::current_path(before_, error);
  fs::remove_all(scratch_, error);
}

// --- the answering desktop -------------------------------------------------------------------

ui::Answer AnsweringDesktop::message(const std::string& text, ui::Buttons buttons, ui::Icon,
                                     const std::string& title) {
  const bool yesNo = buttons == ui::Buttons::YesNo;
  report(yesNo ? "question (answered No)" : "message", title, text);
  return yesNo ? ui::Answer::No : ui::Answer::Ok;
}

std::string AnsweringDesktop::prompt(const std::string& text, const std::string& title,
                                     const std::string&) {
  report("prompt (cancelled)", title, text);
  return "";
}

void AnsweringDesktop::endProgram() { log_ << "  the program asked to end\n"; }

void AnsweringDesktop::report(const char* kind, const std::string& title, const std::string& text) {
  std::string shown = common::cp1252ToUtf8(text);
  for (auto at = shown.find("\r\n"); at != std::string::npos; at = shown.find("\r\n", at))
    shown.replace(at, 2, " / ");
  log_ << "  " << kind << " [" << common::cp1252ToUtf8(title.empty() ? ui::programTitle : title)
       << "]: " << shown << "\n";
}

SnapshotFolders snapshotFolders(int argc, char** argv, const char* program) {
  SnapshotFolders folders;
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: " << program << " OUTDIR [GAMEFOLDER]\n";
    folders.exitCode = 2;
    return folders;
  }
  folders.out = fs::absolute(argv[1]);
  folders.game = argc == 3 ? fs::absolute(argv[2]) : sampleGame();
  std::error_code error;
  fs::create_directories(folders.out, error);
  if (!fs::is_directory(folders.out)) {
    std::cerr << program << ": cannot make " << folders.out.string() << "\n";
    folders.exitCode = 1;
  }
  return folders;
}

void PictureFolder::record(const std::string& name, bool written, const char* failure) {
  if (!written) {
    std::cout << "  " << name << ": " << failure << "\n";
    ++failures_;
    return;
  }
  written_.push_back(file(name).string());
}

bool PictureFolder::report(std::ostream& log) const {
  log << "written:\n";
  for (const std::string& written : written_) log << "  " << written << "\n";
  return failures_ == 0;
}

std::vector<DialogScene> dialogScenes(Editor& editor, Screen& screen, std::ostream& log) {
  return {
      {"screen-widest_prompt", 1, [&] { raiseWidestPrompt(editor, screen, log); }},
      {"screen-tv_rating_prompt", 1,
       [&] { raiseWizardPrompt(editor, screen, log, editor.form4, editor.form4.tvrating); }},
      {"screen-ppv_buy_rate_prompt", 1,
       [&] { raiseWizardPrompt(editor, screen, log, editor.form6, editor.form6.ppvbuyrate); }},
      {"screen-venue_delete", 2, [&] { raiseVenueDelete(editor, screen, log); }},
  };
}

}  // namespace tour
