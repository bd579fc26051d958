// Arbitrary bytes as a saved game's .sav file: the start window's saved-game chooser and opening
// the saved game it names.

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::resetGameFolder();
  fuzz::writeInput("save1.sav", data, size);
  fuzz::QuietDesktop desktop;
  Editor editor(desktop);
  editor.start();
  if (editor.ended()) return 0;
  Form15& start = editor.form15;
  start.Command5.click();  // "Edit a Saved Game"
  for (int i = 0; i < start.List1.listCount(); ++i) {
    start.List1.choose(i);
    start.Command6.click();
    if (editor.form14.visible()) {
      editor.form14.Command6.click();  // "Check All Dates"
      break;
    }
  }
  return 0;
}
