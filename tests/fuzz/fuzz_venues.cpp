// Arbitrary bytes as a scenario's venues.txt: the venue editor's load, and the checks that look
// at the data set's files.

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::resetGameFolder();
  fuzz::writeInput("Scenarios/S/venues.txt", data, size);
  fuzz::QuietDesktop desktop;
  Editor editor(desktop);
  if (!fuzz::openHub(editor, fuzz::DataSet::Scenario)) return 0;
  editor.form14.Command5.click();  // "Edit The Venues"
  if (!editor.form14.visible()) return 0;
  editor.form14.Command7.click();  // "Check Scenario"
  return 0;
}
