#pragma once
// The Win32 control that shows one ui::Control, and the way the person's input on it reaches the
// control. A view owns no model state: sync() reads the control and brings the Win32 control up to
// date; the Win32 control's notifications call the control's user actions through the front end.

#include <windows.h>

#include <memory>

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

  // Brings the Win32 control up to date; a hidden control only hides its window and returns
  // false, the rest waits until it is shown.
  bool sync();
  // A notification (WM_COMMAND's code) the Win32 control sent its window.
  virtual void command(int) {}

 protected:
  virtual void syncContent() = 0;
  FrontEnd& front_;
  ui::Control& control_;
  HWND handle_;

 private:
  RECT placed_{};
  bool shown_ = false;
};

// The view for a control that is a window of its own, made as a child of parent; nullptr for the
// controls the form's window draws (labels, lines, shapes) and for kinds not shown.
std::unique_ptr<ControlView> makeView(FrontEnd& front, ui::Control& control, HWND parent, int id);

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
