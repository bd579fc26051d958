#pragma once

#include <string>

#include "ui/ui.h"

class Editor;

// The start window: checks the game folder, then chooses or creates the data set to edit.
class Form15 : public ui::Form {
 public:
  explicit Form15(Editor& editor);

  // Menu mode: the five actions.
  ui::CommandButton Command2{*this, "Command2"};  // "Edit Data For New Games"
  ui::CommandButton Command1{*this, "Command1"};  // "Edit a Scenario"
  ui::CommandButton Command4{*this, "Command4"};  // "Create a Scenario"
  ui::CommandButton Command5{*this, "Command5"};  // "Edit a Saved Game"
  ui::CommandButton Command3{*this, "Command3"};  // "Exit"

  // Chooser mode: what the list holds, the list, "OK" and "Cancel".
  ui::Label Label2{*this, "Label2"};
  ui::ListBox List1{*this, "List1"};
  ui::CommandButton Command6{*this, "Command6"};
  ui::CommandButton Command7{*this, "Command7"};

  // Hidden: the subfolders of a folder (full path texts) and the *.sav files (bare names).
  ui::DirListBox Dir1{*this, "Dir1"};
  ui::FileListBox File1{*this, "File1"};

  void Form_Load();
  void Command2_Click();
  void Command1_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command4_Click();
  void Command3_Click();

  // Shows the five menu buttons and hides the chooser.
  void menumode();
  // Hides the menu buttons and shows the chooser under the given title.
  void choosermode(const std::string& title);

 private:
  // Shows the menu buttons and hides the chooser, or the other way round.
  void showmenu(bool menu);
  // Whether the folder (a path text) has a subfolder whose full path matches the pattern.
  bool hassubfolder(const std::string& folder, const std::string& pattern);
  // Makes the Scenarios folder when the working folder has none; false (after telling the user)
  // when it can't be made.
  bool makescenariosfolder();
  void openscenario(const std::string& name);
  void opensavedgame(const std::string& folder);
  // Copies a file the scenario lacks from the new-game data and reports it.
  void repairscenario(const std::string& fileName, const std::string& copiedMessage);
  void createscenario(const std::string& name);

  Editor& editor_;
};
