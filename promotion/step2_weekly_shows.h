#pragma once

#include <string>

#include "promotion/promotion_file.h"
#include "ui/ui.h"

class Editor;

// Wizard page "Step 2 of 8": the four weekly shows. A row of four show labels selects the show
// (the white one); one set of controls below edits whichever show is selected.
class Form4 : public ui::Form {
 public:
  explicit Form4(Editor& editor);

  ui::Label Label1{*this, "Label1"};  // "Step 2 of 8"
  ui::Label Label2{*this, "Label2"};  // "Click on a show to edit..."
  ui::Label show1{*this, "show1"};    // "Primary Show 1"
  ui::Label show2{*this, "show2"};    // "Primary Show 2"
  ui::Label show3{*this, "show3"};    // "Secondary Show 1"
  ui::Label show4{*this, "show4"};    // "Secondary Show 2"
  ui::Label Label3{*this, "Label3"};  // "...then click on a stat to edit"

  ui::Label Label4{*this, "Label4"};  // "Name Of Show"
  ui::Label nameofshow{*this, "nameofshow"};
  ui::Label Label5{*this, "Label5"};     // "Day Of This Show"
  ui::ComboBox Combo1{*this, "Combo1"};  // "Monday" to "Sunday"
  ui::Label Label6{*this, "Label6"};     // "Show Logo"
  ui::Label showlogo{*this, "showlogo"};
  ui::CommandButton Command3{*this, "Command3"};  // "...": the image picker
  ui::Label Label7{*this, "Label7"};              // "Brand Of Show"
  ui::ComboBox Combo2{*this, "Combo2"};           // "All", "Brand 1", "Brand 2"
  ui::Label Label8{*this, "Label8"};              // "Type Of Show"
  ui::ComboBox Combo3{*this, "Combo3"};           // "House", "TV", "PPV"
  ui::Label Label9{*this, "Label9"};              // "Fan Popularity"
  ui::Label percentage{*this, "percentage"};
  ui::HScrollBar HScroll1{*this, "HScroll1"};  // 0 to 100
  ui::Label Label10{*this, "Label10"};         // "Av. TV Rating/Buys"
  ui::Label tvrating{*this, "tvrating"};

  ui::CommandButton Command2{*this, "Command2"};  // "<<< Back": Step 1
  ui::CommandButton Command1{*this, "Command1"};  // "Next >>>": Step 3

  void show1_Click();
  void show2_Click();
  void show3_Click();
  void show4_Click();
  void nameofshow_Click();
  void Combo1_Click();
  void Combo2_Click();
  void Combo3_Click();
  void HScroll1_Change();
  void HScroll1_Scroll();
  void tvrating_Click();
  void Command1_Click();
  void Command3_Click();  // "...": opens the image picker for the logo
  void Command2_Click();

 private:
  // The selected slot (0 to 3): the first white show label; -1 when none is white.
  int selectedSlot() const;
  // Makes the slot's label white and the others silver.
  void markSelected(int slot);
  // Selects the second, third or fourth show (slot 1 to 3) and loads it.
  void selectLaterSlot(int slot);
  // The rating label: a "TV" show's rating in hundredths shown as the rating, else as stored.
  void showRating(const std::string& stored);
  std::string slotLine(int slot, promotion_file::ShowField field) const;
  void setSlotLine(int slot, promotion_file::ShowField field, std::string text);
  Editor& editor_;
};
