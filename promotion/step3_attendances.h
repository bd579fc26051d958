#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 3 of 8": attendances and production values.
class Form5 : public ui::Form {
 public:
  explicit Form5(Editor& editor);

 private:
  Editor& editor_;
};
