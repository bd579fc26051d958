#include "promotion/step1_profile.h"

#include "app/editor.h"

Form3::Form3(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
