#pragma once

#include "ui/ui.h"

class Editor;

// The promotion chooser: lists the promotion files and holds the open promotion's lines.
class Form2 : public ui::Form {
 public:
  explicit Form2(Editor& editor);

 private:
  Editor& editor_;
};
