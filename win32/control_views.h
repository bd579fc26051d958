#pragma once
// The Win32 control that shows one ui::Control, and the way the person's input on it reaches the
// control. A view owns no model state: sync() reads the control and brings the Win32 control up to
// date; the Win32 control's notifications call the control's user actions through the front end.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace win {

class FrontEnd;

class ControlView {
 public:
  ControlView(FrontEnd& front, ui::Control& control, HWND handle);
  virtual ~ControlView();
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  HWND handle() const { return handle_; }
  ui::Control& control() const { return control_; }
  // The Win32 control is this window or holds it (an editable combo box's own edit box).
  bool owns(HWND window) const { return window == handle_ || IsChild(handle_, window); }

  // Brings the Win32 control up to date; a hidden control only hides its window and returns
  // false, the rest waits until it is shown.
  bool sync();
  // A notification (WM_COMMAND's code) the Win32 control sent its window.
  virtual void command(int) {}
  // A WM_NOTIFY the Win32 control sent its window; its answer.
  virtual LRESULT notify(const NMHDR&) { return 0; }
  // A WM_HSCROLL the Win32 control sent its window: its code and the box's place (a 16-bit one).
  virtual void scroll(int, int) {}
  // A WM_DRAWITEM for the Win32 control.
  virtual void drawItem(const DRAWITEMSTRUCT&) {}
  // A key pressed on the Win32 control, before the control itself sees it (as the windows get
  // their key-down events); true when the key is used up.
  virtual bool keyDown(int) { return false; }
  // A double click on the Win32 control.
  virtual void doubleClicked() {}
  // The colours of the Win32 control's text and ground (WM_CTLCOLOR...); nullptr: the system's.
  HBRUSH colors(HDC dc);

 protected:
  virtual void syncContent() = 0;
  // Where the Win32 control lies, from the control's place in the design (in screen pixels).
  virtual RECT placeFor(RECT design) const { return design; }
  // Runs a user action on the control, then brings every window up to date.
  template <typename Action>
  void act(Action action);
  // Tells the person, in a message box over the control's window, why a typed text is not taken:
  // the message of ui/typed_text.h, in UTF-8.
  void refuse(const std::string& message);
  // The message for a typed text that holds characters the game's files can't hold, or is longer
  // than a box holds; "" when it may be taken.
  static std::string refusal(const std::wstring& typed);

  FrontEnd& front_;
  ui::Control& control_;
  HWND handle_;

 private:
  RECT placed_{};
  bool shown_ = false;
  HBRUSH brush_ = nullptr;
  ui::Color brushColor_ = ui::noColor;
};

// The view for a control that is a window of its own, made as a child of parent; nullptr for the
// controls the form's window draws (labels, pictures, lines, shapes) and for kinds not shown.
std::unique_ptr<ControlView> makeView(FrontEnd& front, ui::Control& control, HWND parent, int id);

// The text of a Win32 control.
std::wstring windowText(HWND window);

// Draws a control that is no window of its own (label, line or shape) over the backdrop.
void drawDecoration(HDC dc, const ui::Control& control);
// The label at a point of its window, the topmost that takes a click; nullptr when none.
ui::Label* labelAt(const std::vector<ui::Control*>& controls, POINT designPoint);

// The caption drawn whole in a box: the largest pixel size (from the control's own down to the
// smallest of 6 pt) at which it fits, on one line or broken at spaces.
struct FittedCaption {
  int pixels = 11;
  bool wrap = false;
};
FittedCaption fitCaption(const std::wstring& caption, int pixels, bool bold, SIZE room, UINT flags);

}  // namespace win
