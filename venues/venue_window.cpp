#include "venues/venue_window.h"

#include "app/editor.h"

Form18::Form18(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
