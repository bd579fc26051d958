#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/ui.h"

class Editor;

// The venue window: the venue list by country, with adding, editing and deleting.
class Form18 : public ui::Form {
 public:
  explicit Form18(Editor& editor);

  // The two frames: the name list on the left, the shown venue on the right.
  ui::Shape Frame1{*this, "Frame1"};
  ui::Shape Frame2{*this, "Frame2"};

  ui::Label Label1{*this, "Label1"};  // "Editing Venues"

  // The country filters: the active one is the yellow button.
  ui::CommandButton Command6{*this, "Command6"};    // "Show All"
  ui::CommandButton Command7{*this, "Command7"};    // "USA Only"
  ui::CommandButton Command8{*this, "Command8"};    // "UK Only"
  ui::CommandButton Command9{*this, "Command9"};    // "Japan Only"
  ui::CommandButton Command10{*this, "Command10"};  // "Other Only"
  ui::Label Label12{*this, "Label12"};              // "Total Showing"
  ui::Label Label13{*this, "Label13"};              // how many venues the list shows

  // The names the active filter lets through, sorted.
  ui::ListBox List1{*this, "List1"};
  ui::CommandButton Command2{*this, "Command2"};    // "Add New"
  ui::CommandButton Command12{*this, "Command12"};  // "Edit"
  ui::CommandButton Command3{*this, "Command3"};    // "Delete"

  // The shown venue: caption labels, and the values a click edits in edit mode.
  ui::Label Label2{*this, "Label2"};  // "Venue Name"
  ui::Label Label3{*this, "Label3"};  // "City & State"
  ui::Label Label4{*this, "Label4"};  // "City Only"
  ui::Label Label5{*this, "Label5"};  // "Capacity"
  ui::Label Label6{*this, "Label6"};  // "Country"
  ui::Label Label7{*this, "Label7"};  // "Exclusive To"
  ui::Label venuename{*this, "venuename"};
  ui::Label citystate{*this, "citystate"};
  ui::Label cityname{*this, "cityname"};
  ui::Label capacity{*this, "capacity"};
  ui::ComboBox Combo1{*this, "Combo1"};  // "USA", "UK", "Japan", "Other"
  ui::Label exclusiveto{*this, "exclusiveto"};
  // Enabled only in edit mode: the enabled state of "Confirm Changes" is the mode.
  ui::CommandButton Command1{*this, "Command1"};    // "Confirm Changes"
  ui::CommandButton Command11{*this, "Command11"};  // "Cancel Changes"

  ui::CommandButton Command4{*this, "Command4"};  // "Back To Menu"

  // Hidden: every line of venues.txt, the grid that sorts the names, the shown venue's stored
  // name ("" when none is shown) and its country before a confirmed edit.
  ui::ListBox List2{*this, "List2"};
  ui::Grid MSFlexGrid1{*this, "MSFlexGrid1"};
  ui::Label hiddenvenue{*this, "hiddenvenue"};
  ui::Label hiddencountry{*this, "hiddencountry"};

  // False once a name check has found the name taken.
  bool uniqueName = false;

  // The hub's "Edit The Venues": reads the data set's venues.txt, lists every venue, shows the
  // file's first one in browse mode, then shows the window and hides the hub. A file that can't
  // be read is reported, and the hub stays with the window as it was.
  void load();

  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void List1_Click();
  // Rebuilds the name list and its count for the active filter; the shown venue stays.
  void sortlists();

  void venuename_Click();
  void citystate_Click();
  void cityname_Click();
  void capacity_Click();
  void exclusiveto_Click();
  void Command12_Click();
  void Command1_Click();
  void Command11_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

  // The venue being edited, when its values differ from what is stored, and its save ("Confirm
  // Changes"); nothing in browse mode. Asked about when the window's close box ends the program.
  std::optional<ui::UnsavedWork> unsavedWork() override;

 private:
  struct Filter {
    ui::CommandButton* button;
    std::string country;  // "" lets every country through
  };
  std::vector<Filter> filters();
  void filterClick(ui::CommandButton& button, const std::string& country);
  void makeActive(const ui::CommandButton& button);
  void fillList(const std::string& country);
  void showRecord(int index);
  void showByName(const std::string& name);
  void clearLabels();
  int shownRecord() const;
  bool nameTaken(const std::string& name) const;
  void setEditMode(bool editing);
  bool editing() const { return Command1.enabled(); }
  std::string editField(ui::Label& field, const std::string& text, const std::string& title);
  bool saveVenues(const std::vector<std::string>& lines);

  Editor& editor_;
  common::FileStamp fileStamp_;  // venues.txt as it was read or last written
  // The line of List2 where the shown venue begins (-1 when none is shown), so that an edit or a
  // delete acts on that one venue even when another venue bears the same name.
  int shownRecord_ = -1;
  // For each entry of List1, the line of List2 where its venue begins.
  std::vector<int> listedRecords_;
};
