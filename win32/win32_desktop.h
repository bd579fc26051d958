#pragma once
// The real desktop on Windows: message boxes through MessageBoxW and the text prompt as a dialog
// that fits its text, each over the window that raised it, every other window of the editor
// disabled while it is up. Texts are Windows-1252 bytes.

#include <windows.h>

#include <string>

#include "ui/desktop.h"

namespace win {

class FrontEnd;

class Win32Desktop : public ui::Desktop {
 public:
  Win32Desktop() = default;
  // The front end whose windows are brought up to date before every dialog and hidden at the end,
  // and whose windows the dialogs belong to.
  void attach(FrontEnd& front) { front_ = &front; }

  // A Yes/No box has no way out but its two buttons (its close box and Escape do nothing); a
  // Yes/No/Cancel box takes them as Cancel.
  ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                     const std::string& title) override;
  // A typed answer holding characters the game's files can't hold is not taken: the person is
  // told which, and the prompt stays up with the typed text to change.
  std::string prompt(const std::string& text, const std::string& title,
                     const std::string& defaultAnswer) override;
  void endProgram() override;

 private:
  FrontEnd* front_ = nullptr;
};

// A modal message box over owner (nullptr: over the screen).
ui::Answer messageBox(HWND owner, const std::wstring& text, ui::Buttons buttons, ui::Icon icon,
                      const std::wstring& title);

// What the front end itself tells the person (a typed text not taken): a box with OK and the
// warning icon, over the window the person acts on, every other window waiting under it.
void tell(FrontEnd& front, const std::wstring& text);

// The text prompt over owner: the answer typed, or nothing for Cancel; false for Cancel.
bool promptBox(HWND owner, const std::wstring& text, const std::wstring& title,
               std::wstring& answer);

}  // namespace win
