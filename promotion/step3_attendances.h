#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 3 of 8": the largest attendances and the production values.
class Form5 : public ui::Form {
 public:
  explicit Form5(Editor& editor);

  ui::Label Label1{*this, "Label1"};  // "Step 3 of 8"
  ui::Label Label2{*this, "Label2"};  // "Click On A Stat To Edit"
  ui::Label Label3{*this, "Label3"};  // "Max Televised Attendence"
  ui::Label tvatt{*this, "tvatt"};
  ui::Label Label4{*this, "Label4"};  // "Max Untelevised Attendence"
  ui::Label untvatt{*this, "untvatt"};
  ui::Label Label5{*this, "Label5"};     // "Production Values - Primary Shows"
  ui::ComboBox Combo1{*this, "Combo1"};  // the 20 production values; line "1" to "20"
  ui::Label Label6{*this, "Label6"};     // "Production Values - Secondary Shows"
  ui::ComboBox Combo2{*this, "Combo2"};
  ui::Label Label7{*this, "Label7"};  // "Production Values - Big Shows"
  ui::ComboBox Combo3{*this, "Combo3"};

  ui::CommandButton Command2{*this, "Command2"};  // "<<< Back": Step 2
  ui::CommandButton Command1{*this, "Command1"};  // "Next >>>": Step 4

  void tvatt_Click();
  void untvatt_Click();
  void Combo1_Click();
  void Combo2_Click();
  void Combo3_Click();
  void Command1_Click();
  void Command2_Click();

 private:
  Editor& editor_;
};
