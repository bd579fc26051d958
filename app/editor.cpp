#include "app/editor.h"

#include "common/paths.h"

Editor::Editor(ui::Desktop& desktop)
    : desktop(desktop),
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
  // Closing a main window ends the program as "Exit" does; the pop-ups only go away.
  ui::Form* mainWindows[] = {&form1,  &form2,  &form3,  &form4,  &form5,  &form6,
                             &form7,  &form8,  &form10, &form11, &form12, &form13,
                             &form14, &form15, &form17, &form18, &form19};
  for (ui::Form* window : mainWindows) window->onCloseBox = [this] { endProgram(); };
  form9.onCloseBox = [this] { form9.hide(); };
  form16.onCloseBox = [this] { form16.hide(); };
}

void Editor::start() {
  form15.Form_Load();
  if (!ended_) form15.show();
}

void Editor::endProgram() {
  ended_ = true;
  desktop.endProgram();
}

std::string Editor::dataSetDir() const { return form14.Text1.text(); }

std::string Editor::dataFile(const std::string& name) const {
  return common::dataFilePath(dataSetDir(), name);
}
