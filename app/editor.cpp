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
  // Each window says what work it holds; every wizard page asks the last one, which saves the
  // promotion.
  const std::pair<ui::Form*, ui::Form*> mainWindows[] = {
      {&form1, &form1},   {&form2, &form2},   {&form3, &form11},  {&form4, &form11},
      {&form5, &form11},  {&form6, &form11},  {&form7, &form11},  {&form8, &form11},
      {&form10, &form11}, {&form11, &form11}, {&form12, &form12}, {&form13, &form13},
      {&form14, &form14}, {&form15, &form15}, {&form17, &form17}, {&form18, &form18},
      {&form19, &form19}};
  for (const auto& [window, holder] : mainWindows)
    window->onCloseBox = [this, holder = holder] {
      closeMainWindow([holder] { return holder->unsavedWork(); });
    };
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
