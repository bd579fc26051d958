#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 2 of 8": the weekly shows.
class Form4 : public ui::Form {
 public:
  explicit Form4(Editor& editor);

 private:
  Editor& editor_;
};
