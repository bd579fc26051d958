#pragma once

#include "ui/ui.h"

class Editor;

// The promotion chooser: lists the promotion files and holds the open promotion's lines.
class Form2 : public ui::Form {
 public:
  explicit Form2(Editor& editor);

  // Hidden: the open promotion's lines (one item a line), the lines of a new promotion, and the
  // open promotion's bare file name.
  ui::ListBox List1{*this, "List1"};
  ui::ListBox List2{*this, "List2"};
  ui::Label nameoffile{*this, "nameoffile"};

 private:
  Editor& editor_;
};
