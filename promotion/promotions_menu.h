#pragma once

#include <string>

#include "ui/ui.h"

class Editor;

// The heading along the top of the promotions menu and the chooser: white bold on navy.
void placeHeading(ui::Label& heading, const std::string& text);

// The promotions menu: create, edit or delete the data set's promotions.
class Form1 : public ui::Form {
 public:
  explicit Form1(Editor& editor);

  ui::Label Label1{*this, "Label1"};  // "Editing Promotions"

  // The menu, top to bottom.
  ui::CommandButton Command2{*this, "Command2"};  // "Create a New Promotion"
  ui::CommandButton Command1{*this, "Command1"};  // "Edit an Existing Promotion"
  ui::CommandButton Command3{*this, "Command3"};  // "Delete a Promotion"
  ui::CommandButton Command4{*this, "Command4"};  // "Back"

  // The framed note "About Creating Promotions".
  ui::Shape Shape1{*this, "Shape1"};
  ui::Label Label2{*this, "Label2"};
  ui::Label Label3{*this, "Label3"};

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

 private:
  Editor& editor_;
};
