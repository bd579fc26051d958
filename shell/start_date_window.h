#pragma once

#include <optional>
#include <string>

#include "ui/ui.h"

class Editor;

// The start date editor: the date new games of the data set begin at, kept in maindata.vl1.
class Form17 : public ui::Form {
 public:
  explicit Form17(Editor& editor);

  ui::Label Label2{*this, "Label2"};     // heading
  ui::Label Label3{*this, "Label3"};     // "Day"
  ui::Label Label4{*this, "Label4"};     // "Number"
  ui::Label Label5{*this, "Label5"};     // "Month"
  ui::Label Label6{*this, "Label6"};     // "Year"
  ui::ComboBox Combo1{*this, "Combo1"};  // weekday name
  ui::ComboBox Combo2{*this, "Combo2"};  // day number
  ui::ComboBox Combo3{*this, "Combo3"};  // month name
  ui::Label year{*this, "year"};         // the year the check and the save use
  ui::HScrollBar HScroll1{*this, "HScroll1"};
  ui::CommandButton Command1{*this, "Command1"};  // "Confirm Start Date"
  ui::CommandButton Command2{*this, "Command2"};  // "Back To Menu"
  ui::ListBox List1{*this, "List1"};  // hidden: every line of maindata.vl1, from loading to a save

  // "yes" when the last check found the chosen date in the calendar, otherwise "no".
  std::string dateFound = "no";

  // The hub's "Edit The Start Date": loads the data set's maindata.vl1 into the window, shows it
  // and hides the hub. A file that can't be used is reported and the hub stays.
  void load();

  void HScroll1_Change();
  void HScroll1_Scroll();
  void Command1_Click();
  void Command2_Click();

  // The date shown, while the window is open with a date that differs from the file's; its save
  // is "Confirm Start Date".
  std::optional<ui::UnsavedWork> unsavedWork() override;

  // Sets dateFound: whether the chosen weekday, day, month and year is a day of the calendar from
  // Sunday 1 January 1950 to Saturday 31 December 2050.
  void validateStartDate();

 private:
  void showYear();
  bool dateChanged() const;  // the date shown differs from the file's lines
  void backToHub();
  Editor& editor_;
  common::FileStamp fileStamp_;  // maindata.vl1 as it was read
};
