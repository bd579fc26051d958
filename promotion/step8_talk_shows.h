#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 8 of 8": country, popularity, talk-show segments and SAVE.
class Form11 : public ui::Form {
 public:
  explicit Form11(Editor& editor);

 private:
  Editor& editor_;
};
