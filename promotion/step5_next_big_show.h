#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 5 of 8": the next big show.
class Form7 : public ui::Form {
 public:
  explicit Form7(Editor& editor);

 private:
  Editor& editor_;
};
