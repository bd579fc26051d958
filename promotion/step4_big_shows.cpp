#include "promotion/step4_big_shows.h"

#include "app/editor.h"

Form6::Form6(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
