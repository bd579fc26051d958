#include "promotion/step2_weekly_shows.h"

#include "app/editor.h"

Form4::Form4(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
