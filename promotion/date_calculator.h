#pragma once

#include "ui/ui.h"

class Editor;

// The "Date Calculator" pop-up: counts the days of a title reign.
class Form9 : public ui::Form {
 public:
  explicit Form9(Editor& editor);

 private:
  Editor& editor_;
};
