// Arbitrary bytes as maindata.vl1: the start date editor's load, and the checks that read it.

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::resetGameFolder();
  fuzz::writeInput("Scenarios/S/maindata.vl1", data, size);
  fuzz::QuietDesktop desktop;
  Editor editor(desktop);
  if (!fuzz::openHub(editor, fuzz::DataSet::Scenario)) return 0;
  editor.form14.Command4.click();  // "Edit The Start Date"
  if (editor.form17.visible()) {
    editor.form17.Command1.click();  // "Confirm Start Date"
    if (editor.form17.visible()) editor.form17.Command2.click();
  }
  editor.form14.Command6.click();  // "Check All Dates"
  editor.form14.Command8.click();
  editor.form14.Command7.click();  // "Check Scenario"
  return 0;
}
