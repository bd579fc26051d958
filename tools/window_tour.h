#pragma once
// The walk through the editor's windows that the snapshot pictures and the front ends' tests
// check: it starts the editor on a game folder, clicks through the menus into each editor as a
// person would (so the texts the windows' loaders set are in place), and at last shows every
// window on its own.
//
// A window that needs steps to be filled in gets them in walk() (window_tour.cpp): the snapshots
// and the tests of both front ends follow that one walk, so a window taught to the snapshot is
// guarded by the tests as well. The walk knows only the windows and ui/; a front end lends it its
// screen (tools/qt_tour.h, tools/win32_tour.h).

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <set>
#include <string>
#include <vector>

#include "ui/ui.h"

class Editor;

namespace tour {

// The name of a window by its place in the editor's windows (0 = form1):
// "form17-start_date_window".
std::string windowName(int index);

// The sample game folder that comes with the editor.
std::filesystem::path sampleGame();

// A scratch copy of a game folder (a bare one with an empty Data folder when there is none),
// made the current folder while it lives; then the folder before is current again and the copy
// is removed.
class ScratchGame {
 public:
  ScratchGame(const std::filesystem::path& source, std::ostream& log);
  ~ScratchGame();
  ScratchGame(const ScratchGame&) = delete;
  ScratchGame& operator=(const ScratchGame&) = delete;

 private:
  std::filesystem::path scratch_, before_;
};

// Answers every dialog the way that changes least (OK, No, Cancel) and lists it on the log.
class AnsweringDesktop : public ui::Desktop {
 public:
  explicit AnsweringDesktop(std::ostream& log) : log_(log) {}
  ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon,
                     const std::string& title) override;
  std::string prompt(const std::string& text, const std::string& title,
                     const std::string& defaultAnswer) override;
  void endProgram() override;

 private:
  void report(const char* kind, const std::string& title, const std::string& text);
  std::ostream& log_;
};

// What the walk needs of a front end: its windows brought up to date, and the person's hand on
// them.
class Screen {
 public:
  virtual ~Screen() = default;
  // The editor's windows the front end shows, in the order form1 ... form19.
  virtual const std::vector<ui::Form*>& forms() const = 0;
  // Brings every window up to date with its form and lets the windows draw.
  virtual void settle() = 0;
  // The person's click on the control on screen: the mouse pressed and let go in its middle. Its
  // window must be shown.
  virtual void click(const ui::Control& control) = 0;
  // The person drags the shown window of the form to the top left corner of the screen.
  virtual void moveToCorner(const ui::Form& form) = 0;
};

// Called at every stop of the walk for each window to look at: its place in Screen::forms and a
// further state of it ("" for the window as it first comes up, "chooser" ...). A window can be
// looked at more than once.
using Look = std::function<void(int index, const std::string& state)>;

// The picture's name of a look: "form15-start_window", "form15-start_window-chooser".
std::string lookName(int index, const std::string& state);

// Walks the editor's windows, shown by screen, on the current folder; the steps go to the log.
// The editor must answer its dialogs through an AnsweringDesktop.
void walk(Editor& editor, Screen& screen, std::ostream& log, const Look& look);

// Dialog scenes. Each starts on the start window with "Edit Data For New Games", leads as a
// person does to one click on the screen that raises dialogs, and returns once they have been
// answered (on the real desktop, by the front end's dialog watch). The steps go to the log.
//
// A prompt or a pop-up of a wizard page on gcf.fed: "Next >>>" from Step 1 to the page, then a
// click on the value whose prompt it is, or on the pop-up's opener.
void raiseWizardPrompt(Editor& editor, Screen& screen, std::ostream& log, ui::Form& page,
                       ui::Control& value);
// The editor's widest prompt: Step 8's "Brand 1 Talk Show Segment Name".
void raiseWidestPrompt(Editor& editor, Screen& screen, std::ostream& log);
// "Delete" on the venue window, dragged to the top left corner of the screen, with its first venue
// shown: the question, and after No the second box, "Delete cancelled.", raised by the same click.
void raiseVenueDelete(Editor& editor, Screen& screen, std::ostream& log);

// --- what the two snapshot programs share ---------------------------------------------------

// The snapshot programs' arguments, OUTDIR [GAMEFOLDER]: the folder for the pictures (made when
// missing) and the game folder to copy (the sample one by default). When they can't be used the
// reason is said on the error stream and exitCode is not 0: 2 for a wrong call, 1 for a folder
// that can't be made.
struct SnapshotFolders {
  std::filesystem::path out, game;
  int exitCode = 0;
};
SnapshotFolders snapshotFolders(int argc, char** argv, const char* program);

// The folder a snapshot writes its pictures into: each window's picture once, and the list of the
// files written and of the pictures that could not be.
class PictureFolder {
 public:
  explicit PictureFolder(std::filesystem::path out) : out_(std::move(out)) {}
  // Takes the name for a picture; false when a picture of that name was taken already.
  bool take(const std::string& name) { return taken_.insert(name).second; }
  std::filesystem::path file(const std::string& name) const { return out_ / name; }
  // Says how writing the picture `name` went; a failure is listed with its reason.
  void record(const std::string& name, bool written, const char* failure = "could not be written");
  // The files written, listed on the log; false when a picture could not be taken.
  bool report(std::ostream& log) const;

 private:
  std::filesystem::path out_;
  std::set<std::string> taken_;
  std::vector<std::string> written_;
  int failures_ = 0;
};

// The desktop the editor sees in a snapshot: the walk's answering one, then the real dialogs for
// the scenes.
class SwitchedDesktop : public ui::Desktop {
 public:
  explicit SwitchedDesktop(ui::Desktop& first) : to(&first) {}
  ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                     const std::string& title) override {
    return to->message(text, buttons, icon, title);
  }
  std::string prompt(const std::string& text, const std::string& title,
                     const std::string& defaultAnswer) override {
    return to->prompt(text, title, defaultAnswer);
  }
  void endProgram() override { to->endProgram(); }
  ui::Desktop* to;
};

// The dialog scenes a snapshot pictures on the whole screen: the picture's name, how many dialogs
// the scene raises, and the scene itself.
struct DialogScene {
  std::string name;
  int dialogs;
  std::function<void()> raise;
};
std::vector<DialogScene> dialogScenes(Editor& editor, Screen& screen, std::ostream& log);

}  // namespace tour
