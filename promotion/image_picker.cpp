#include "promotion/image_picker.h"

#include "app/editor.h"

Form16::Form16(Editor& editor) : editor_(editor) {
  setCaption("Select An Image File");
  setBackdrop("");
}
