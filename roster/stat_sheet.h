#pragma once

#include "ui/ui.h"

class Editor;

// The stat sheet: one wrestler's 31 stats, each edited and checked on its own.
class Form13 : public ui::Form {
 public:
  explicit Form13(Editor& editor);

 private:
  Editor& editor_;
};
