#pragma once

#include "ui/ui.h"

class Editor;

// The "Date Calculator" pop-up: counts the days from the date a title was won to the game's start
// date, by stepping day by day, so that the user can type the reign into Step 6.
class Form9 : public ui::Form {
 public:
  explicit Form9(Editor& editor);

  ui::Label Label1{*this, "Label1"};              // "Enter The Date The Wrestler(s) Won The Title"
  ui::ComboBox Combo1{*this, "Combo1"};           // won: weekday
  ui::ComboBox Combo2{*this, "Combo2"};           // won: day
  ui::ComboBox Combo3{*this, "Combo3"};           // won: month
  ui::ComboBox Combo4{*this, "Combo4"};           // won: year
  ui::Label Label2{*this, "Label2"};              // "Enter The Start Date Of The Game"
  ui::ComboBox Combo5{*this, "Combo5"};           // start: weekday
  ui::ComboBox Combo6{*this, "Combo6"};           // start: day
  ui::ComboBox Combo7{*this, "Combo7"};           // start: month
  ui::ComboBox Combo8{*this, "Combo8"};           // start: year
  ui::CommandButton Command1{*this, "Command1"};  // "Calculate"
  ui::Label Label3{*this, "Label3"};              // the result line

  // Hidden: the date being stepped, and the days counted so far.
  ui::Label day{*this, "day"};
  ui::Label num{*this, "num"};
  ui::Label month{*this, "month"};
  ui::Label year{*this, "year"};
  ui::Label numofdays{*this, "numofdays"};

  // The longest count two dates of the lists can need: 1 January 2003 to 1 January 2100.
  static constexpr long longestCount = 35429;

  void Command1_Click();  // "Calculate"

 private:
  Editor& editor_;
};
