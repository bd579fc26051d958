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

bool mayReplace(Desktop& desktop, const std::string& pathText, const common::FileStamp& readStamp) {
  if (common::stampOf(pathText) == readStamp) return true;
  const std::string name = pathText.substr(pathText.find_last_of("\\/") + 1);
  return askYesNo(desktop,
                  name +
                      " has been changed on disk since the editor read it.\r\n\r\n"
                      "Replace it with the editor's version?",
                  Icon::Exclamation);
}

bool saveFile(Desktop& desktop, const std::string& pathText, common::FileStamp& stamp,
              const std::function<common::IoStatus(common::WriteMode, common::FileStamp*)>& write,
              const SaveFailure& failed, common::WriteMode mode) {
  if (mode != common::WriteMode::CreateNew && !mayReplace(desktop, pathText, stamp)) return false;
  common::FileStamp written;
  if (const common::IoStatus status = write(mode, &written); !status) {
    say(desktop, failed.text + "\r\n\r\n" + status.error, failed.icon, failed.title);
    return false;
  }
  stamp = written;
  return true;
}

void tellReadError(Desktop& desktop, const std::string& readError) {
  if (!readError.empty()) say(desktop, readError, Icon::Exclamation);
}

void tellMixedLineEnds(Desktop& desktop, const std::string& pathText,
                       const common::ReadInfo& info) {
  if (info.mixedLineEndAt != 0)
    say(desktop, common::mixedLineEndsMessage(pathText, info.mixedLineEndAt), Icon::Exclamation);
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
