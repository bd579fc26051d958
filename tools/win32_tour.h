#pragma once
// The Win32 front end's part in the window walk (tools/window_tour.h): its screen as the walk
// sees it, pictures of its windows, and the person at its real dialogs.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/window_tour.h"
#include "ui/ui.h"

namespace win {
class FrontEnd;
}

namespace tour {

// The Win32 front end's windows as the walk sees them.
class Win32Screen : public Screen {
 public:
  Win32Screen(Editor& editor, win::FrontEnd& front);
  const std::vector<ui::Form*>& forms() const override { return forms_; }
  // Brings the windows up to date, then handles every message waiting, so each window has drawn.
  void settle() override;
  void click(const ui::Control& control) override;
  void moveToCorner(const ui::Form& form) override;

 private:
  win::FrontEnd& front_;
  std::vector<ui::Form*> forms_;
};

// Handles every message waiting for this thread's windows.
void handleMessages(win::FrontEnd& front);

// A picture of what a window's inside shows now, its controls with it, as a 32-bit bitmap the
// caller owns (DeleteObject); nullptr when it could not be taken.
HBITMAP pictureOf(HWND window);

// Writes a bitmap as a PNG file (through WIC; COM must be started); false when it could not.
bool writePng(HBITMAP picture, const std::wstring& file);

// Calls `person` with each dialog of this thread once, as it comes up, for as long as the watch
// lives, also while a dialog runs its own message loop: for answering the real dialogs of the
// front end. One watch at a time.
class DialogWatch {
 public:
  explicit DialogWatch(std::function<void(HWND dialog)> person);
  ~DialogWatch();
  DialogWatch(const DialogWatch&) = delete;
  DialogWatch& operator=(const DialogWatch&) = delete;

 private:
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
  std::function<void(HWND)> person_;
  HWND last_ = nullptr;
  UINT_PTR timer_ = 0;
};

// Answers a real dialog the way that changes least: Cancel, No or OK.
void answerLeast(HWND dialog);

}  // namespace tour
