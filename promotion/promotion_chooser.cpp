#include "promotion/promotion_chooser.h"

#include "app/editor.h"
#include "promotion/promotion_file.h"

Form2::Form2(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
  setBackdrop("main");

  List1.setVisible(false);
  List2.setVisible(false);
  for (const std::string& line : promotion_file::templateLines()) List2.addItem(line);
  nameoffile.setCaption("filename");
  nameoffile.setVisible(false);
}
