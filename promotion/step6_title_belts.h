#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 6 of 8": the title belts.
class Form8 : public ui::Form {
 public:
  explicit Form8(Editor& editor);

 private:
  Editor& editor_;
};
