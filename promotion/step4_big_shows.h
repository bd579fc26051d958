#pragma once

#include <array>
#include <string>

#include "promotion/promotion_file.h"
#include "ui/ui.h"

class Editor;

// Wizard page "Step 4 of 8": the PPV settings and the big show the promotion holds by custom in
// each month. A row of twelve month labels selects the month (the white one); the three fields
// below edit whichever month is selected.
class Form6 : public ui::Form {
 public:
  explicit Form6(Editor& editor);

  ui::Label Label1{*this, "Label1"};     // "Step 4 of 8"
  ui::Label Label6{*this, "Label6"};     // "Click On A Stat To Edit"
  ui::Label Label2{*this, "Label2"};     // "Monthly PPV Deal?"
  ui::ComboBox Combo1{*this, "Combo1"};  // "Yes", "No"
  ui::Label Label12{*this, "Label12"};   // "Av. PPV Buy-Rate"
  ui::Label ppvbuyrate{*this, "ppvbuyrate"};
  ui::Label Label3{*this, "Label3"};  // "Max Big Show Attendence"
  ui::Label bigshowatt{*this, "bigshowatt"};
  ui::Label Label10{*this, "Label10"};  // what the month defaults are for

  // The box holding the months and the selected month's fields.
  ui::Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"},
      Line4{*this, "Line4"};
  ui::Label month1{*this, "month1"}, month2{*this, "month2"}, month3{*this, "month3"},
      month4{*this, "month4"}, month5{*this, "month5"}, month6{*this, "month6"},
      month7{*this, "month7"}, month8{*this, "month8"}, month9{*this, "month9"},
      month10{*this, "month10"}, month11{*this, "month11"}, month12{*this, "month12"};
  ui::Label Label5{*this, "Label5"};  // "Big Show Name"
  ui::Label bigshowname{*this, "bigshowname"};
  ui::Label Label4{*this, "Label4"};     // "Big Show Brand"
  ui::ComboBox Combo2{*this, "Combo2"};  // "All", "Brand 1", "Brand 2"
  ui::Label Label9{*this, "Label9"};     // "Big Show Logo"
  ui::Label bigshowlogo{*this, "bigshowlogo"};
  ui::CommandButton Command3{*this, "Command3"};  // "...": the image picker

  ui::CommandButton Command2{*this, "Command2"};  // "<<< Back": Step 3
  ui::CommandButton Command1{*this, "Command1"};  // "Next >>>": Step 5

  void Combo1_Click();
  void ppvbuyrate_Click();
  void bigshowatt_Click();
  void month1_Click();
  void month2_Click();
  void month3_Click();
  void month4_Click();
  void month5_Click();
  void month6_Click();
  void month7_Click();
  void month8_Click();
  void month9_Click();
  void month10_Click();
  void month11_Click();
  void month12_Click();
  void bigshowname_Click();
  void Combo2_Click();
  void bigshowlogo_Click();
  void Command1_Click();
  void Command3_Click();  // "...": opens the image picker for the logo
  void Command2_Click();

 private:
  std::array<ui::Label*, 12> months();
  // The selected month (1 to 12): the first white month label; 0 when none is white.
  int selectedMonth();
  void selectMonth(int month);
  std::size_t monthLine(int month, promotion_file::MonthField field) const {
    return promotion_file::monthLine(month, field);
  }
  Editor& editor_;
};
