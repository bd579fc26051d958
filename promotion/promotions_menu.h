#pragma once

#include "ui/ui.h"

class Editor;

// The promotions menu: create, edit or delete the data set's promotions.
class Form1 : public ui::Form {
 public:
  explicit Form1(Editor& editor);

 private:
  Editor& editor_;
};
