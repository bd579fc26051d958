#pragma once

#include "ui/ui.h"

class Editor;

// The venue window: the venue list by country, with adding, editing and deleting.
class Form18 : public ui::Form {
 public:
  explicit Form18(Editor& editor);

 private:
  Editor& editor_;
};
