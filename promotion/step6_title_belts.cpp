#include "promotion/step6_title_belts.h"

#include "app/editor.h"

Form8::Form8(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
