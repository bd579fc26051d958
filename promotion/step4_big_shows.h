#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 4 of 8": PPV settings and the monthly big shows.
class Form6 : public ui::Form {
 public:
  explicit Form6(Editor& editor);

 private:
  Editor& editor_;
};
