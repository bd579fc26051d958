#include "shell/scenario_info_window.h"

#include "app/editor.h"

Form19::Form19(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
