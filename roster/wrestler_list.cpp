#include "roster/wrestler_list.h"

#include "app/editor.h"

Form12::Form12(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
