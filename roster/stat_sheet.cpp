#include "roster/stat_sheet.h"

#include "app/editor.h"

Form13::Form13(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
