#pragma once

#include "ui/ui.h"

class Editor;

// Wizard page "Step 1 of 8": the promotion's profile (initials, name, logo, size, bank balance, web
// site, description, owner, roster split and brand names, TV coverage). Every accepted edit goes
// into its line of the open promotion at once.
class Form3 : public ui::Form {
 public:
  explicit Form3(Editor& editor);

  ui::Label Label1{*this, "Label1"};  // "Step 1 of 8"
  ui::Label Label2{*this, "Label2"};  // "Click On A Stat To Edit"

  ui::Label Label3{*this, "Label3"};  // "Promotion Initials"
  ui::Label prominitials{*this, "prominitials"};
  ui::Label Label4{*this, "Label4"};  // "Promotion Name"
  ui::Label promname{*this, "promname"};
  ui::Label Label5{*this, "Label5"};  // "Promotion Logo"
  ui::Label promlogo{*this, "promlogo"};
  ui::CommandButton Command3{*this, "Command3"};  // "...": the image picker
  ui::Label Label6{*this, "Label6"};              // "Promotion Size"
  ui::ComboBox Combo1{*this, "Combo1"};           // the six sizes; line "1" to "6"
  ui::Label Label7{*this, "Label7"};              // "Bank Balance ($)"
  ui::Label bankbalance{*this, "bankbalance"};
  ui::Label Label8{*this, "Label8"};  // "Web Site"
  ui::Label website{*this, "website"};
  ui::Label Label9{*this, "Label9"};    // "Description"
  ui::TextBox Text1{*this, "Text1"};    // the description, one line
  ui::Label Label10{*this, "Label10"};  // "Owner's Name"
  ui::Label owner{*this, "owner"};
  ui::Label Label11{*this, "Label11"};   // "Roster Split?"
  ui::ComboBox Combo2{*this, "Combo2"};  // "Yes", "No"
  ui::Label Label14{*this, "Label14"};   // "Brand 1 Name"
  ui::Label brand1{*this, "brand1"};
  ui::Label Label16{*this, "Label16"};  // "Brand 2 Name"
  ui::Label brand2{*this, "brand2"};
  ui::Label Label12{*this, "Label12"};   // "TV Coverage"
  ui::ComboBox Combo3{*this, "Combo3"};  // "None", "Local", "Regional", "National"

  ui::CommandButton Command2{*this, "Command2"};  // "<<< Back": to the chooser, after a question
  ui::CommandButton Command1{*this, "Command1"};  // "Next >>>": Step 2

  void prominitials_Click();
  void promname_Click();
  void bankbalance_Click();
  void website_Click();
  void owner_Click();
  void brand1_Click();
  void brand2_Click();
  void Text1_Change();
  void Text1_DblClick();
  void Combo1_Click();
  void Combo2_Click();
  void Combo3_Click();
  void Command1_Click();
  void Command3_Click();  // "...": opens the image picker for the logo
  void Command2_Click();

 private:
  void enableBrands(bool enabled);
  Editor& editor_;
  int coverageRuns_ = 0;  // how deep the coverage rules run inside each other
};
