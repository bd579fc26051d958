#include "promotion/step7_power_figures.h"

#include "app/editor.h"

Form10::Form10(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
