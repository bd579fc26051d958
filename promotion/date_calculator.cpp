#include "promotion/date_calculator.h"

#include "app/editor.h"

Form9::Form9(Editor& editor) : editor_(editor) {
  setCaption("Date Calculator");
  setBackdrop("");
}
