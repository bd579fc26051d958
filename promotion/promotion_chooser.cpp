#include "promotion/promotion_chooser.h"

#include "app/editor.h"

Form2::Form2(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
