#pragma once
// The real desktop: message boxes and text prompts as Qt dialogs, modal to the application.
// Texts are Windows-1252 bytes; "\r\n" in a message shows as a line break.

#include "ui/desktop.h"

namespace front {

class FrontEnd;

class QtDesktop : public ui::Desktop {
 public:
  QtDesktop() = default;
  // The front end whose windows are brought up to date before every dialog and hidden at the end.
  void attach(FrontEnd& front) { front_ = &front; }

  ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                     const std::string& title) override;
  std::string prompt(const std::string& text, const std::string& title,
                     const std::string& defaultAnswer) override;
  void endProgram() override;

 private:
  void flush();
  FrontEnd* front_ = nullptr;
};

}  // namespace front
