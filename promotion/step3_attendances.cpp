#include "promotion/step3_attendances.h"

#include "app/editor.h"

Form5::Form5(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
