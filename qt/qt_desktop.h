#pragma once
// The real desktop: message boxes and text prompts as Qt dialogs, modal to the application, each
// over the window that raised it. Texts are Windows-1252 bytes; "\r\n" in a message shows as a
// line break.

#include <QString>
#include <string>

#include "ui/desktop.h"

class QWidget;

namespace front {

class FrontEnd;

class QtDesktop : public ui::Desktop {
 public:
  QtDesktop() = default;
  // The front end whose windows are brought up to date before every dialog and hidden at the end,
  // and whose windows the dialogs belong to.
  void attach(FrontEnd& front) { front_ = &front; }

  ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                     const std::string& title) override;
  // A typed answer holding characters the game's files can't hold is not taken: the person is
  // told which, and the prompt comes back with the typed text to change.
  std::string prompt(const std::string& text, const std::string& title,
                     const std::string& defaultAnswer) override;
  void endProgram() override;

 private:
  void flush();
  QWidget* dialogParent() const;
  FrontEnd* front_ = nullptr;
};

// A modal message box centred over parent (nullptr: over the screen). A Yes/No box has no way
// out but its two buttons: Escape and its close box do nothing. A Yes/No/Cancel box takes them
// as Cancel.
ui::Answer messageBox(QWidget* parent, const QString& text, ui::Buttons buttons, ui::Icon icon,
                      const QString& title);

// The characters of a typed text that the game's files can't hold, each once; empty when it all
// fits.
std::u32string unfitCharacters(const QString& typed);
// Tells the person, in a message box over parent, that the game's files can't hold these
// characters.
void sayUnfit(QWidget* parent, const std::u32string& characters);

}  // namespace front
