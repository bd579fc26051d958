#pragma once

#include "ui/ui.h"

class Editor;

// The image picker pop-up: chooses a picture from the Images folder for a logo.
class Form16 : public ui::Form {
 public:
  explicit Form16(Editor& editor);

 private:
  Editor& editor_;
};
