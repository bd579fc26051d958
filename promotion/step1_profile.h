#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 1 of 8": the promotion's profile.
class Form3 : public ui::Form {
 public:
  explicit Form3(Editor& editor);

 private:
  Editor& editor_;
};
