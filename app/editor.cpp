#include "app/editor.h"

#include "common/paths.h"

Editor::Editor(ui::Desktop& shownOn)
    : desktop(shownOn),
      form1(*this),
      form2(*this),
      form3(*this),
      form4(*this),
      form5(*this),
      form6(*this),
      form7(*this),
      form8(*this),
      form9(*this),
      form10(*this),
      form11(*this),
      form12(*this),
      form13(*this),
      form14(*this),
      form15(*this),
      form16(*this),
      form17(*this),
      form18(*this),
      form19(*this) {
  // Closing a main window ends the program as "Exit" does, asking first when the window holds
  // work that is not saved; the pop-ups only go away.
  using Work = std::function<std::optional<ui::UnsavedWork>()>;
  const Work nothing = [] { return std::nullopt; };
  const Work promotion = [this] { return form11.unsavedWork(); };  // any wizard page
  const std::pair<ui::Form*, Work> mainWindows[] = {
      {&form1, nothing},
      {&form2, nothing},
      {&form3, promotion},
      {&form4, promotion},
      {&form5, promotion},
      {&form6, promotion},
      {&form7, promotion},
      {&form8, promotion},
      {&form10, promotion},
      {&form11, promotion},
      {&form12, [this] { return form12.unsavedWork(); }},
      {&form13, [this] { return form13.unsavedWork(); }},
      {&form14, nothing},
      {&form15, nothing},
      {&form17, [this] { return form17.unsavedWork(); }},
      {&form18, [this] { return form18.unsavedWork(); }},
      {&form19, [this] { return form19.unsavedWork(); }}};
  for (const auto& [window, work] : mainWindows)
    window->onCloseBox = [this, work = work] { closeMainWindow(work); };
  form9.onCloseBox = [this] { form9.hide(); };
  form16.onCloseBox = [this] { form16.Command3_Click(); };
}

void Editor::start() {
  form15.Form_Load();
  if (!ended_) form15.show();
}

void Editor::closeMainWindow(const std::function<std::optional<ui::UnsavedWork>()>& unsavedWork) {
  const std::optional<ui::UnsavedWork> work = unsavedWork();
  if (work) {
    switch (ui::askSaveBeforeClosing(desktop, *work)) {
      case ui::Answer::Cancel:
        return;
      case ui::Answer::Yes:
        if (!work->save()) return;  // refused or failed: the window keeps the work
        break;
      default:
        break;
    }
  }
  endProgram();
}

void Editor::endProgram() {
  ended_ = true;
  desktop.endProgram();
}

std::string Editor::dataSetDir() const { return form14.Text1.text(); }

std::string Editor::dataFile(const std::string& name) const {
  return common::dataFilePath(dataSetDir(), name);
}
