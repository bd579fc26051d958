#include "shell/start_window.h"

#include "app/editor.h"

Form15::Form15(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("start");
}
