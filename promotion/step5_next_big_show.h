#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 5 of 8": the big show already booked when a new game starts with this
// promotion (its name, level, date and how many days ago it was announced).
class Form7 : public ui::Form {
 public:
  explicit Form7(Editor& editor);

  ui::Label Label1{*this, "Label1"};  // "Step 5 of 8"
  ui::Label Label2{*this, "Label2"};  // what the next big show is for
  ui::Label Label3{*this, "Label3"};  // "Name Of Big Show"
  ui::Label nameofbigshow{*this, "nameofbigshow"};
  ui::Label Label4{*this, "Label4"};     // "Level Of Promotion"
  ui::ComboBox Combo2{*this, "Combo2"};  // "Basic", "Regular", "Extensive"; line "1" to "3"
  ui::Label Label5{*this, "Label5"};     // "Date Of Big Show"
  ui::Label dateofshow{*this, "dateofshow"};
  ui::Label Label6{*this, "Label6"};           // "Days Since Announced"
  ui::Label days{*this, "days"};               // the scroll bar's value
  ui::HScrollBar HScroll1{*this, "HScroll1"};  // 0 to 40

  ui::CommandButton Command2{*this, "Command2"};  // "<<< Back": Step 4
  ui::CommandButton Command1{*this, "Command1"};  // "Next >>>": Step 6

  void nameofbigshow_Click();
  void Combo2_Click();
  void dateofshow_Click();
  void HScroll1_Change();
  void HScroll1_Scroll();
  void Command1_Click();
  void Command2_Click();

 private:
  Editor& editor_;
};
