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
  Form18& venues = editor.form18;
  if (venues.visible()) {
    for (ui::CommandButton* filter : {&venues.Command7, &venues.Command8, &venues.Command9,
                                      &venues.Command10, &venues.Command6})
      filter->click();
    if (venues.List1.listCount() > 0) venues.List1.choose(venues.List1.listCount() - 1);
    venues.Command12.click();  // "Edit"
    venues.Command1.click();   // "Confirm Changes"
    venues.Command3.click();   // "Delete" (answered No)
    venues.Command2.click();   // "Add New"
    venues.Command11.click();  // "Cancel Changes"
    venues.Command4.click();   // "Back To Menu"
  }
  editor.form14.Command7.click();  // "Check Scenario"
  return 0;
}
