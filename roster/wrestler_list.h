#pragma once

#include "ui/ui.h"

class Editor;

// The wrestler list: the roster, sorted, filtered and searched, with bulk changes and saving.
class Form12 : public ui::Form {
 public:
  explicit Form12(Editor& editor);

 private:
  Editor& editor_;
};
