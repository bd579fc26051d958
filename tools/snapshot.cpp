// snapshot OUTDIR [GAMEFOLDER]: runs the editor headless on a scratch copy of a game folder,
// drives it through a few steps and writes a picture of every window into OUTDIR
// (form15-start_window.png, ...). Every dialog is answered at once (OK, No or Cancel) and listed.
// Exits with 1 when a window could not be pictured.

#include <QApplication>
#include <QPixmap>
#include <filesystem>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/editor.h"
#include "common/code_page.h"
#include "qt/front_end.h"

namespace fs = std::filesystem;

namespace {

// What each window is, for the file names, in the order form1 ... form19.
const char* const windowRoles[] = {
    "promotions_menu",   "promotion_chooser",   "step1_profile",       "step2_weekly_shows",
    "step3_attendances", "step4_big_shows",     "step5_next_big_show", "step6_title_belts",
    "date_calculator",   "step7_power_figures", "step8_talk_shows",    "wrestler_list",
    "stat_sheet",        "data_set_menu",       "start_window",        "image_picker",
    "start_date_window", "venue_window",        "scenario_info_window"};

// Answers every dialog the way that changes least (OK, No, Cancel) and lists it.
class AnsweringDesktop : public ui::Desktop {
 public:
  ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon,
                     const std::string& title) override {
    const bool yesNo = buttons == ui::Buttons::YesNo;
    report(yesNo ? "question (answered No)" : "message", title, text);
    return yesNo ? ui::Answer::No : ui::Answer::Ok;
  }
  std::string prompt(const std::string& text, const std::string& title,
                     const std::string&) override {
    report("prompt (cancelled)", title, text);
    return "";
  }
  void endProgram() override { std::cout << "  the program asked to end\n"; }

 private:
  static void report(const char* kind, const std::string& title, const std::string& text) {
    std::string shown = common::cp1252ToUtf8(text);
    for (auto at = shown.find("\r\n"); at != std::string::npos; at = shown.find("\r\n", at))
      shown.replace(at, 2, " / ");
    std::cout << "  " << kind << " ["
              << common::cp1252ToUtf8(title.empty() ? ui::programTitle : title) << "]: " << shown
              << "\n";
  }
};

class Snapshots {
 public:
  Snapshots(Editor& editor, front::FrontEnd& screen, fs::path out)
      : screen_(screen), forms_(front::windowsOf(editor)), out_(std::move(out)) {}

  void settle() {
    screen_.flush();
    QApplication::processEvents();
  }

  // Writes the picture of one window, unless it has one already; `state` names a further state
  // of a window that has its picture already ("chooser").
  void capture(int index, const std::string& state = "") {
    const std::string name = "form" + std::to_string(index + 1) + "-" + windowRoles[index] +
                             (state.empty() ? "" : "-" + state) + ".png";
    if (!taken_.insert(name).second) return;
    QWidget* window = screen_.window(*forms_[index]);
    if (!window) {
      std::cout << "  " << name << ": the window was never shown\n";
      ++failures_;
      return;
    }
    const QPixmap picture = window->grab();
    const fs::path file = out_ / name;
    if (picture.isNull() || !picture.save(QString::fromStdString(file.string()), "PNG")) {
      std::cout << "  " << name << ": could not be written\n";
      ++failures_;
      return;
    }
    written_.push_back(file.string());
  }

  // Every window now on screen that has no picture yet.
  void captureShown() {
    for (int i = 0; i < static_cast<int>(forms_.size()); ++i) {
      if (forms_[i]->visible()) capture(i);
    }
  }

  // Clicks the button with this caption on the window, as a person would; false when there is
  // no such button (the window is not filled in yet).
  bool click(ui::Form& form, const std::string& caption) {
    for (ui::Control* control : form.controls()) {
      auto* button = dynamic_cast<ui::CommandButton*>(control);
      if (button && button->caption() == caption) {
        std::cout << "step: \"" << caption << "\"\n";
        button->click();
        settle();
        return true;
      }
    }
    std::cout << "step: \"" << caption << "\" is not on the window yet\n";
    return false;
  }

  void showOnly(ui::Form& form) {
    for (ui::Form* other : forms_) {
      if (other != &form) other->hide();
    }
    form.show();
    settle();
  }

  int count() const { return static_cast<int>(forms_.size()); }
  ui::Form& form(int index) const { return *forms_[index]; }
  const std::vector<std::string>& written() const { return written_; }
  int failures() const { return failures_; }

 private:
  front::FrontEnd& screen_;
  std::vector<ui::Form*> forms_;
  fs::path out_;
  std::set<std::string> taken_;
  std::vector<std::string> written_;
  int failures_ = 0;
};

// A fresh scratch folder holding a copy of the game folder (or a bare one with an empty Data).
fs::path scratchGame(const fs::path& source) {
  std::random_device random;
  const fs::path scratch =
      fs::temp_directory_path() / ("editor-snapshot-" + std::to_string(random()));
  const fs::path game = scratch / "game";
  if (fs::is_directory(source)) {
    fs::create_directories(scratch);
    fs::copy(source, game, fs::copy_options::recursive);
  } else {
    std::cout << "no game folder at " << source.string() << ": using an empty one\n";
    fs::create_directories(game / "Data");
  }
  return game;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: snapshot OUTDIR [GAMEFOLDER]\n";
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const fs::path out = fs::absolute(argv[1]);
  const fs::path source = argc == 3 ? fs::absolute(argv[2]) : fs::path(SNAPSHOT_GAME_FOLDER);
  std::error_code error;
  fs::create_directories(out, error);
  if (!fs::is_directory(out)) {
    std::cerr << "snapshot: cannot make " << out.string() << "\n";
    return 1;
  }
  const fs::path game = scratchGame(source);
  const fs::path before = fs::current_path();
  fs::current_path(game);

  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  int failures = 0;
  {
    AnsweringDesktop desktop;
    Editor editor(desktop);
    front::FrontEnd screen(front::windowsOf(editor));
    Snapshots shots(editor, screen, out);

    std::cout << "step: start\n";
    editor.start();
    shots.settle();
    shots.captureShown();

    // The hub as new-game data opens it, then each editor the hub opens.
    if (shots.click(editor.form15, "Edit Data For New Games")) shots.captureShown();
    for (const char* editorButton : {"Edit The Promotions Files", "Edit The Wrestlers File",
                                     "Edit The Start Date", "Edit The Venues"}) {
      if (!editor.form14.visible()) shots.showOnly(editor.form14);
      if (shots.click(editor.form14, editorButton)) shots.captureShown();
    }
    if (!editor.form14.visible()) shots.showOnly(editor.form14);
    shots.click(editor.form14, "Back To Menu");

    // The scenario chooser, and the first scenario's information.
    if (shots.click(editor.form15, "Edit a Scenario")) {
      shots.capture(14, "chooser");
      editor.form15.List1.choose(0);
      if (shots.click(editor.form15, "OK") &&
          shots.click(editor.form14, "Edit The Scenario Info File"))
        shots.captureShown();
    }

    // Every other window, shown on its own.
    for (int i = 0; i < shots.count(); ++i) {
      shots.showOnly(shots.form(i));
      shots.capture(i);
    }

    std::cout << "written:\n";
    for (const std::string& file : shots.written()) std::cout << "  " << file << "\n";
    failures = shots.failures();
  }
  fs::current_path(before);
  fs::remove_all(game.parent_path(), error);
  return failures == 0 ? 0 : 1;
}
