// Arbitrary bytes as wrestlers.vl1: the wrestler list's load, its sorts, filters and search,
// opening a wrestler and coming back, creating one, saving, and "Check All Dates".

#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::resetGameFolder();
  fuzz::writeInput("Data/wrestlers.vl1", data, size);
  fuzz::QuietDesktop desktop;
  Editor editor(desktop);
  if (!fuzz::openHub(editor, fuzz::DataSet::NewGame)) return 0;
  editor.form14.Command6.click();  // "Check All Dates"
  editor.form14.Command8.click();
  editor.form14.Command2.click();  // "Edit The Wrestlers File"
  Form12& list = editor.form12;
  if (!list.visible()) return 0;
  list.Command6.click();  // "Sort: Promotion"
  list.Command5.click();  // "Sort: Name"
  list.Command8.click();  // "Show Injured"
  list.Command7.click();  // "Show All"
  list.Text1.type("a*");
  list.Text1.pressKey(ui::KeyEnter);
  list.Command7.click();
  if (list.MSFlexGrid1.rows() > 1) {
    list.MSFlexGrid1.selectCell(list.MSFlexGrid1.rows() - 1, 0);
    if (editor.form13.visible()) editor.form13.Command3.click();  // "OK" under the grid
  }
  list.Command2.click();  // "Create New Wrestler"
  if (editor.form13.visible()) editor.form13.Command3.click();
  list.Command4.click();  // "Save Changes"
  list.Command1.click();  // "Done"
  return 0;
}
