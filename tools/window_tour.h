#pragma once
// The walk through the editor's windows that the snapshot pictures and the front end's tests
// check: it starts the editor on a game folder, clicks through the menus into each editor as a
// person would (so the texts the windows' loaders set are in place), and at last shows every
// window on its own.
//
// A window that needs steps to be filled in gets them in walk() (window_tour.cpp): the snapshot
// and the tests both follow that one walk, so a window taught to the snapshot is guarded by the
// tests as well.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

#include "ui/ui.h"

class Editor;

namespace front {
class FrontEnd;
}

namespace tour {

// The name of a window by its place in front::windowsOf (0 = form1): "form17-start_date_window".
std::string windowName(int index);

// Unless a platform was chosen already (QT_QPA_PLATFORM), the front end runs on the offscreen
// platform with one screen of 800 x 600 pixels, the smallest the windows are made for. Make it
// before the application; the platform has read its screen once the application is made.
class SmallOffscreenScreen {
 public:
  SmallOffscreenScreen();
  ~SmallOffscreenScreen();
  SmallOffscreenScreen(const SmallOffscreenScreen&) = delete;
  SmallOffscreenScreen& operator=(const SmallOffscreenScreen&) = delete;

 private:
  std::filesystem::path config_;  // the platform's description of its screen
};

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

// Called at every stop of the walk for each window to look at: its place in front::windowsOf
// and a further state of it ("" for the window as it first comes up, "chooser" ...). A window
// can be looked at more than once.
using Look = std::function<void(int index, const std::string& state)>;

// Walks the editor's windows, shown by screen, on the current folder; the steps go to the log.
// The editor must answer its dialogs through an AnsweringDesktop.
void walk(Editor& editor, front::FrontEnd& screen, std::ostream& log, const Look& look);

// The person's click on the widget that shows a control: the mouse pressed and let go in its
// middle. Its window must be shown.
void clickOnScreen(front::FrontEnd& screen, const ui::Control& control);

// Calls `person` with each modal dialog once, as it comes up, for as long as the watch lives: for
// answering the real dialogs of the front end.
class DialogWatch {
 public:
  explicit DialogWatch(std::function<void(QWidget* dialog)> person);
  DialogWatch(const DialogWatch&) = delete;
  DialogWatch& operator=(const DialogWatch&) = delete;

 private:
  std::function<void(QWidget*)> person_;
  QPointer<QWidget> last_;
  QTimer timer_;
};

// Answers a real dialog the way that changes least: Cancel, No or OK.
void answerLeast(QWidget* dialog);

// Dialog scenes. Each starts on the start window with "Edit Data For New Games", leads as a
// person does to one click on the screen that raises dialogs, and returns once they have been
// answered (on the real desktop, by a DialogWatch). The steps go to the log.
//
// A prompt or a pop-up of a wizard page on gcf.fed: "Next >>>" from Step 1 to the page, then a
// click on the value whose prompt it is, or on the pop-up's opener.
void raiseWizardPrompt(Editor& editor, front::FrontEnd& screen, std::ostream& log, ui::Form& page,
                       ui::Control& value);
// The editor's widest prompt: Step 8's "Brand 1 Talk Show Segment Name".
void raiseWidestPrompt(Editor& editor, front::FrontEnd& screen, std::ostream& log);
// "Delete" on the venue window, dragged to the top left corner of the screen, with its first venue
// shown: the question, and after No the second box, "Delete cancelled.", raised by the same click.
void raiseVenueDelete(Editor& editor, front::FrontEnd& screen, std::ostream& log);

}  // namespace tour
