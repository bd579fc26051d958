#pragma once

#include "ui/ui.h"

class Editor;

// The data-set menu: the hub every editor starts from, with the results panel of the checks.
class Form14 : public ui::Form {
 public:
  explicit Form14(Editor& editor);

  // Which kind of data set is being edited.
  ui::Label curredithead{*this, "curredithead"};

  // The column of editing and check buttons, top to bottom.
  ui::CommandButton Command2{*this, "Command2"};  // "Edit The Wrestlers File"
  ui::CommandButton Command1{*this, "Command1"};  // "Edit The Promotions Files"
  ui::CommandButton Command4{*this, "Command4"};  // "Edit The Start Date"
  ui::CommandButton Command5{*this, "Command5"};  // "Edit The Venues"
  ui::CommandButton Command6{*this, "Command6"};  // "Check All Dates"
  ui::CommandButton Command9{*this, "Command9"};  // "Edit The Scenario Info File"
  ui::CommandButton Command7{*this, "Command7"};  // "Check Scenario"
  ui::CommandButton Command3{*this, "Command3"};  // "Back To Menu"

  // The results panel of the two checks: heading, report and "OK".
  ui::Label Label1{*this, "Label1"};
  ui::TextBox Text3{*this, "Text3"};
  ui::CommandButton Command8{*this, "Command8"};

  // Hidden: the data set's folder ("\Data\", "\Scenarios\name\", "\save\"), the wrestler
  // database's start year, the pictures the scenario check collects, and the checks' file list.
  ui::TextBox Text1{*this, "Text1"};
  ui::TextBox Text2{*this, "Text2"};
  ui::ListBox List1{*this, "List1"};
  ui::FileListBox File1{*this, "File1"};

  void Command1_Click();
  void Command2_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command9_Click();
  void Command7_Click();
  void Command8_Click();
  void Command3_Click();

  // Shows the results panel over the button column, once a check has written its report.
  void showresults();

 private:
  Editor& editor_;
};
