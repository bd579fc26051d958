#pragma once

#include "ui/ui.h"

class Editor;

// The start window: checks the game folder, then chooses or creates the data set to edit.
class Form15 : public ui::Form {
 public:
  explicit Form15(Editor& editor);

 private:
  Editor& editor_;
};
