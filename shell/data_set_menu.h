#pragma once

#include "ui/ui.h"

class Editor;

// The data-set menu: the hub every editor starts from, with the results panel of the checks.
class Form14 : public ui::Form {
 public:
  explicit Form14(Editor& editor);

 private:
  Editor& editor_;
};
