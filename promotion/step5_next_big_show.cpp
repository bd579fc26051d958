#include "promotion/step5_next_big_show.h"

#include "app/editor.h"

Form7::Form7(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
