#include "ui/desktop.h"

namespace ui {

void say(Desktop& desktop, const std::string& text, Icon icon, const std::string& title) {
  desktop.message(text, Buttons::Ok, icon, title);
}

bool askYesNo(Desktop& desktop, const std::string& text, Icon icon, const std::string& title) {
  return desktop.message(text, Buttons::YesNo, icon, title) == Answer::Yes;
}

Answer askSaveBeforeClosing(Desktop& desktop, const UnsavedWork& work) {
  return desktop.message(
      work.what + " has unsaved changes.\r\n\r\nSave them before the editor closes?",
      Buttons::YesNoCancel, Icon::Question, "");
}

std::string ask(Desktop& desktop, const std::string& text, const std::string& title,
                const std::string& defaultAnswer) {
  return desktop.prompt(text, title, defaultAnswer);
}

BusyPointer::BusyPointer(CommandButton& button) : button_(&button) {
  button_->setPointer(Pointer::Hourglass);
}

BusyPointer::BusyPointer(Form& form) : form_(&form) { form_->setPointer(Pointer::Hourglass); }

BusyPointer::~BusyPointer() {
  if (button_) button_->setPointer(Pointer::Normal);
  if (form_) form_->setPointer(Pointer::Normal);
}

}  // namespace ui
