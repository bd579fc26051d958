#include "promotion/step8_talk_shows.h"

#include "app/editor.h"

Form11::Form11(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
