#include "promotion/page_fill.h"

#include "app/editor.h"

void loadpromotionpages(Editor& editor, FillPath path) {
  // The pages are not filled yet.
  (void)editor;
  (void)path;
}
