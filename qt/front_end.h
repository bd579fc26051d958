#pragma once
// The Qt front end: one real window per ui::Form, mirroring its controls, and feeding what the
// person does back into the windows as the controls' user actions.
//
// The windows' controls only mark themselves dirty when they change; flush() brings every dirty
// widget up to date (with its signals blocked), creates the window of a form the first time it is
// shown, and shows, hides and titles the windows. Call flush() after every user action fed into
// the model and before every dialog.

#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/ui.h"

class Editor;

namespace front {

class ControlView;
class FocusRing;
class FrontEnd;

// The top-level window of one form: its design size, its caption and its background picture.
class FormWindow : public QWidget {
  Q_OBJECT
 public:
  FormWindow(FrontEnd& front, ui::Form& form);
  ui::Form& form() const { return form_; }
  void setBackdrop(const QPixmap& picture);
  // The ring round the focused control, while the window is the active one.
  FocusRing* focusRing() const { return focusRing_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Escape that no control took clicks the window's cancel button, while it can be clicked.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  FrontEnd& front_;
  ui::Form& form_;
  QPixmap backdrop_;
  FocusRing* focusRing_;
};

class FrontEnd {
 public:
  // Watches the given forms from now on; no window is made before its form is first shown.
  explicit FrontEnd(std::vector<ui::Form*> forms);
  ~FrontEnd();
  FrontEnd(const FrontEnd&) = delete;
  FrontEnd& operator=(const FrontEnd&) = delete;

  // Brings every window and every dirty widget up to date with its form.
  void flush();
  // True while flush() runs: whatever the widgets signal then is the front end's own doing.
  bool flushing() const { return flushing_; }

  // The program is ending: every window is hidden and none is shown again.
  void endProgram();
  bool ended() const { return ended_; }

  // The window of a form, or nullptr before the form was first shown (or for a form not watched).
  FormWindow* window(const ui::Form& form) const;
  // The widget that shows a control, or nullptr while its window does not exist.
  QWidget* widget(const ui::Control& control) const;

  // The background pictures, by the forms' backdrop names ("start", "main").
  static QPixmap backdrop(const std::string& name);
  // The editor's own icon, which every window and dialog shows.
  static QIcon windowIcon();

  // The user clicked a window's close box.
  void closeBoxClicked(ui::Form& form);
  // The person clicked this button, by the mouse or by a key: its window is the one acted on,
  // and every window is brought up to date afterwards.
  void click(ui::CommandButton& button);

  // The person acts on this form's window: the dialogs its handlers show belong to that window.
  void actingOn(ui::Form& form) { actingOn_ = &form; }
  // The window a dialog shown now belongs to, and is centred over: the window the person last
  // acted on, while it is shown; otherwise the shown window that came up last. nullptr when no
  // window is shown. The platform's idea of the active window plays no part: when one action
  // shows two boxes, the second belongs to the same window as the first.
  QWidget* dialogParent() const;

 private:
  struct ControlState {
    ui::Control* control = nullptr;
    bool dirty = true;
    std::unique_ptr<ControlView> view;
  };
  struct FormState {
    ui::Form* form = nullptr;
    bool dirty = true;
    std::unique_ptr<FormWindow> window;
    std::vector<std::unique_ptr<ControlState>> controls;
    ui::Control* focused = nullptr;
    bool placed = false;   // the window has had its first place on the screen
    int shownAt = 0;       // when the window last came up, counted in windows shown
    int shows = 0;         // the form's shows() when last looked at
    std::string backdrop;  // the background picture it shows
    // A pop-up's window: the one it stays above, nullptr for a main window.
    FormState* owner = nullptr;
  };

  void createWindow(FormState& state);
  void syncWindow(FormState& state);
  void watchPointer(const void* owner, ui::Pointer pointer);
  FormState* stateOf(const ui::Form* form) const;
  void orderTabs(FormState& state);
  // The pop-up stays above owner's window (nullptr: it is a main window again).
  void own(FormState& popUp, FormState* owner);
  void bringForward(FormState& popUp);
  bool anyWindowShown() const;

  std::vector<std::unique_ptr<FormState>> forms_;
  std::set<const void*> busy_;  // buttons and forms that show the hourglass now
  bool ended_ = false;
  bool flushing_ = false;
  ui::Form* actingOn_ = nullptr;
  int windowsShown_ = 0;
  std::unique_ptr<QObject> focusWatch_;  // moves the focus rings while the front end lives
};

// The editor's 19 windows, in the order form1 ... form19.
std::vector<ui::Form*> windowsOf(Editor& editor);

}  // namespace front
