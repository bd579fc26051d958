#pragma once

#include "ui/ui.h"

class Editor;

// The scenario information window: title, description and creator of a scenario.
class Form19 : public ui::Form {
 public:
  explicit Form19(Editor& editor);

 private:
  Editor& editor_;
};
