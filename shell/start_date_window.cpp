#include "shell/start_date_window.h"

#include "app/editor.h"

Form17::Form17(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
