#include "promotion/step3_attendances.h"

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"

namespace pf = promotion_file;

namespace {

// A production pick list stores the position of its item, never the amount.
void storePosition(Editor& editor, const ui::ComboBox& list, std::size_t index) {
  const std::string position = wizard::choicePosition(list);
  if (!position.empty()) wizard::setLine(editor, index, position);
}

}  // namespace

Form5::Form5(Editor& editor) : editor_(editor) {
  wizard::setUpPage(*this, Label1, "Step 3 of 8", Label2, "Click On A Stat To Edit", Command2,
                    Command1);
  wizard::placeRow(0, Label3, "Max Televised Attendence", tvatt);
  wizard::placeRow(1, Label4, "Max Untelevised Attendence", untvatt);
  wizard::placeRow(2, Label5, "Production Values - Primary Shows", Combo1);
  wizard::placeRow(3, Label6, "Production Values - Secondary Shows", Combo2);
  wizard::placeRow(4, Label7, "Production Values - Big Shows", Combo3);
  for (ui::ComboBox* list : {&Combo1, &Combo2, &Combo3}) {
    for (const std::string& value : pf::productionValues) list->addItem(value);
  }

  tvatt.onClick = [this] { tvatt_Click(); };
  untvatt.onClick = [this] { untvatt_Click(); };
  Combo1.onClick = [this] { Combo1_Click(); };
  Combo2.onClick = [this] { Combo2_Click(); };
  Combo3.onClick = [this] { Combo3_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

void Form5::tvatt_Click() {
  wizard::editNumber(editor_, tvatt, pf::maxTelevisedAttendanceLine, "Max Televised Attendence",
                     "Please enter the maximum attendence this promotion could attract for a "
                     "televised show at this point in time.");
}

void Form5::untvatt_Click() {
  wizard::editNumber(editor_, untvatt, pf::maxUntelevisedAttendanceLine,
                     "Max Untelevised Attendence",
                     "Please enter the maximum attendence this promotion could attract for an "
                     "untelevised show at this point in time.");
}

void Form5::Combo1_Click() { storePosition(editor_, Combo1, pf::primaryProductionLine); }
void Form5::Combo2_Click() { storePosition(editor_, Combo2, pf::secondaryProductionLine); }
void Form5::Combo3_Click() { storePosition(editor_, Combo3, pf::bigShowProductionLine); }

void Form5::Command1_Click() { wizard::goTo(*this, editor_.form6); }
void Form5::Command2_Click() { wizard::goTo(*this, editor_.form4); }
