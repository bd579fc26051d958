#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 7 of 8": power figures and interviewers.
class Form10 : public ui::Form {
 public:
  explicit Form10(Editor& editor);

 private:
  Editor& editor_;
};
