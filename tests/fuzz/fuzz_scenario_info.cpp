// Arbitrary bytes as scenario.txt: the scenario information window's load and "OK".

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::resetGameFolder();
  fuzz::writeInput("Scenarios/S/scenario.txt", data, size);
  fuzz::QuietDesktop desktop;
  Editor editor(desktop);
  if (!fuzz::openHub(editor, fuzz::DataSet::Scenario)) return 0;
  editor.form14.Command9.click();  // "Edit The Scenario Info File"
  if (editor.form19.visible()) editor.form19.Command4.click();
  return 0;
}
