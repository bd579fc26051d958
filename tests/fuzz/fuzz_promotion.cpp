// Arbitrary bytes as a scenario's promotion file (.fed): "Check All Dates" reads its next big
// show, "Check Scenario" its pictures, and the promotion chooser previews and opens it.

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::resetGameFolder();
  fuzz::writeInput("Scenarios/S/vlf.fed", data, size);
  fuzz::QuietDesktop desktop;
  Editor editor(desktop);
  if (!fuzz::openHub(editor, fuzz::DataSet::Scenario)) return 0;
  editor.form14.Command6.click();  // "Check All Dates"
  editor.form14.Command8.click();
  editor.form14.Command7.click();  // "Check Scenario"
  editor.form14.Command8.click();
  editor.form14.Command1.click();  // "Edit The Promotions Files"
  editor.form1.Command1.click();   // "Edit an Existing Promotion"
  ui::FileListBox& files = editor.form2.File1;
  for (int i = 0; i < files.listCount(); ++i) {
    if (files.list(i) != "vlf.fed") continue;
    files.choose(i);                // the preview
    editor.form2.Command1.click();  // "Edit This Promotion"
  }
  return 0;
}
