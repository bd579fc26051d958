#include "shell/data_set_menu.h"

#include "app/editor.h"

Form14::Form14(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
