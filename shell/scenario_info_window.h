#pragma once

#include <optional>
#include <string>

#include "ui/ui.h"

class Editor;

// The scenario information window: title, description and creator of a scenario.
class Form19 : public ui::Form {
 public:
  explicit Form19(Editor& editor);

  ui::Label curredithead{*this, "curredithead"};  // "Scenario Information File"
  ui::Label Label5{*this, "Label5"};              // "Click an item to edit"
  ui::Label Label2{*this, "Label2"};              // "Title Of Scenario"
  ui::Label scenarioname{*this, "scenarioname"};
  ui::Label Label1{*this, "Label1"};  // "Scenario Description"
  ui::Label scenariodesc{*this, "scenariodesc"};
  ui::Label Label4{*this, "Label4"};  // "Your Name"
  ui::Label scenariocreator{*this, "scenariocreator"};
  ui::CommandButton Command4{*this, "Command4"};  // "OK"

  // The hub's "Edit The Scenario Info File": reads scenario.txt of the data set, or offers to
  // create it, then shows this window.
  void load();

  // Takes note of scenario.txt as it is now, as the file the texts shown came from: "OK" asks
  // before it replaces a scenario.txt that has changed since.
  void stampFile();

  void scenarioname_Click();
  void scenariodesc_Click();
  void scenariocreator_Click();
  void Command4_Click();

  // The texts shown, while the window is open with texts that differ from scenario.txt (or there
  // is no scenario.txt yet); its save is "OK".
  std::optional<ui::UnsavedWork> unsavedWork() override;

 private:
  // Opens the text's prompt with its current text as default; a non-empty answer replaces it.
  void edittext(ui::Label& value, const std::string& title, const std::string& text);

  Editor& editor_;
  common::FileStamp fileStamp_;  // scenario.txt as it was read
};
