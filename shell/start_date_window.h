#pragma once

#include "ui/ui.h"

class Editor;

// The start date editor: the date new games of the data set begin at.
class Form17 : public ui::Form {
 public:
  explicit Form17(Editor& editor);

 private:
  Editor& editor_;
};
