#pragma once
// The Win32 front end: one real window per ui::Form, Win32's own controls for its controls, and
// what the person does fed back into the windows as the controls' user actions.
//
// The windows' controls only mark themselves dirty when they change; flush() brings every dirty
// control up to date, creates the window of a form the first time it is shown, and shows, hides
// and titles the windows. Labels, lines and shapes are no windows of their own: the form's window
// draws them over its backdrop.

#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace win {

class ControlView;

class FrontEnd {
 public:
  // Watches the given forms from now on; no window is made before its form is first shown.
  explicit FrontEnd(std::vector<ui::Form*> forms);
  ~FrontEnd();
  FrontEnd(const FrontEnd&) = delete;
  FrontEnd& operator=(const FrontEnd&) = delete;

  // Brings every window and every dirty control up to date with its form.
  void flush();
  bool flushing() const { return flushing_; }

  // The program is ending: every window is hidden, none is shown again, and the message loop
  // ends when control is back in it.
  void endProgram();
  bool ended() const { return ended_; }

  // The window of a form, or nullptr before the form was first shown.
  HWND window(const ui::Form& form) const;
  // The Win32 control that shows a control, or nullptr while its window does not exist and for
  // what the form's window draws itself.
  HWND handle(const ui::Control& control) const;

  // The person acts on this form's window: the dialogs its handlers show belong to that window.
  void actingOn(ui::Form& form) { actingOn_ = &form; }
  // The window a dialog shown now belongs to: the window the person last acted on, while it is
  // shown; otherwise the shown window that came up last; nullptr when none is shown.
  HWND dialogParent() const;
  // Every shown window but the dialog's owner (which the dialog disables itself) is disabled
  // while a dialog is up, and enabled again after.
  void enableWindows(bool enable, HWND owner);

  // Runs a user action on a control of form, then brings every window up to date. Ignored while
  // the front end itself changes the controls.
  template <typename Action>
  void act(ui::Form& form, Action action) {
    if (flushing_) return;
    actingOn(form);
    action();
    flush();
  }

  // The user clicked a window's close box.
  void closeBoxClicked(ui::Form& form);

  // Pixels of the designs (96 dots an inch) at the screen's own resolution.
  static int scaled(int designPixels);
  // The font of the designs at a pixel size (design pixels), bold or not; owned by the front end.
  static HFONT font(int pixels, bool bold);
  // The design pixel size of a control's font: its own point size, or the windows' 11 pixels.
  static int fontPixels(const ui::Control& control);

  // Handles a message before it is dispatched (keys the controls don't take themselves); true
  // when it was handled.
  bool preTranslate(MSG& message);

  struct ControlState {
    ui::Control* control = nullptr;
    bool dirty = true;
    std::unique_ptr<ControlView> view;  // nullptr for what the window draws itself
    // A picture box's picture, as read from its file.
    std::string picturePath;
    bool pictureRead = false;
    HBITMAP picture = nullptr;
  };
  struct FormState {
    FrontEnd* front = nullptr;
    ui::Form* form = nullptr;
    bool dirty = true;
    HWND window = nullptr;
    std::vector<std::unique_ptr<ControlState>> controls;
    ui::Control* focused = nullptr;
    bool placed = false;
    bool disabled = false;              // disabled under a dialog
    ui::Label* focusedLabel = nullptr;  // the label the keys go to, when the window has them
    HWND lastFocus = nullptr;           // the control they went to before another window came up
    int shownAt = 0;
    int shows = 0;  // the form's shows() when last looked at
    // A pop-up's window: the one it stays above, nullptr for a main window.
    FormState* owner = nullptr;
    std::string backdrop;
    HBITMAP picture = nullptr;
  };

 private:
  static LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(FormState& state, UINT message, WPARAM wParam, LPARAM lParam);
  void paint(FormState& state, HDC dc);
  static void drawPicture(HDC dc, ControlState& state);
  void createWindow(FormState& state);
  void syncWindow(FormState& state);
  void watchPointer(const void* owner, ui::Pointer pointer);
  bool anyWindowShown() const;
  static ControlView* viewOf(FormState& state, HWND window);
  // Escape: the window's cancel button is clicked, while it can be clicked.
  void clickCancel(FormState& state);
  FormState* stateOf(HWND window) const;
  FormState* stateOf(const ui::Form* form) const;
  void own(FormState& popUp, FormState* owner);
  // A control the Tab key stops at: a Win32 control, or a label the window draws.
  struct TabStop {
    ui::Control* control;
    HWND handle;       // nullptr for a label
    ui::Label* label;  // nullptr for a Win32 control
  };
  static std::vector<TabStop> tabStops(const FormState& state);
  static void focusStop(FormState& state, const TabStop& stop);
  bool busy(const FormState& state) const;

  std::vector<std::unique_ptr<FormState>> forms_;
  std::set<const void*> busy_;  // buttons and forms that show the hourglass now
  bool ended_ = false;
  bool flushing_ = false;
  ui::Form* actingOn_ = nullptr;
  int windowsShown_ = 0;
};

// What the program needs from Windows while it runs: the common controls and COM (for the
// pictures), from its start to its end; run() is the message loop, until the program ends.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  static int run(FrontEnd& front);

 private:
  bool com_ = false;
};

}  // namespace win
