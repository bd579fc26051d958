#include "promotion/promotions_menu.h"

#include "app/editor.h"

Form1::Form1(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");
}
