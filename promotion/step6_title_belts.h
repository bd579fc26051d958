#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "promotion/promotion_file.h"
#include "ui/ui.h"

class Editor;

// Wizard page "Step 6 of 8": the title belts. A row of eight slot labels picks the belt (the
// white label is the selection); every field control writes into the selected slot's line.
class Form8 : public ui::Form {
 public:
  explicit Form8(Editor& editor);

  ui::Label Label1{*this, "Label1"};  // heading "Step 6 of 8"
  ui::Label Label2{*this, "Label2"};  // "Click on a title belt to edit..."

  // The slots: "Primary Singles 1" to "Tertiary Singles 2", then "Custom 1" to "Custom 4".
  ui::Label title1{*this, "title1"};
  ui::Label title2{*this, "title2"};
  ui::Label title3{*this, "title3"};
  ui::Label title4{*this, "title4"};
  ui::Label title5{*this, "title5"};
  ui::Label title6{*this, "title6"};
  ui::Label title7{*this, "title7"};
  ui::Label title8{*this, "title8"};

  // Caption labels of the field rows.
  ui::Label Label4{*this, "Label4"};    // "Title Name"
  ui::Label Label5{*this, "Label5"};    // "Holder Name"
  ui::Label Label6{*this, "Label6"};    // "Type"
  ui::Label Label7{*this, "Label7"};    // "Value Of Title"
  ui::Label Label8{*this, "Label8"};    // "Gender"
  ui::Label Label9{*this, "Label9"};    // "Weight Class"
  ui::Label Label10{*this, "Label10"};  // "Hardcore?"
  ui::Label Label11{*this, "Label11"};  // "Brand"
  ui::Label Label12{*this, "Label12"};  // "Minimum Draw Of Holder"
  ui::Label Label13{*this, "Label13"};  // "Current Champion(s)"
  ui::Label Label14{*this, "Label14"};  // "Holder #1"
  ui::Label Label15{*this, "Label15"};  // "Holder #2"
  ui::Label Label16{*this, "Label16"};  // "Current Reign (Days)"
  ui::Label Label17{*this, "Label17"};  // "# Defenses So Far"
  ui::Label Label18{*this, "Label18"};  // "Date Of Title Change"

  // The selected slot's fields.
  ui::Label titlename{*this, "titlename"};
  ui::Label holdername{*this, "holdername"};
  ui::ComboBox Combo1{*this, "Combo1"};        // type: "Singles", "Tag Team" (custom slots only)
  ui::Label titlevalue{*this, "titlevalue"};   // the value followed by "%"
  ui::HScrollBar HScroll1{*this, "HScroll1"};  // value of the title, 0 to 100
  ui::ComboBox Combo2{*this, "Combo2"};        // gender
  ui::ComboBox Combo3{*this, "Combo3"};        // weight class
  ui::ComboBox Combo4{*this, "Combo4"};        // hardcore
  ui::ComboBox Combo5{*this, "Combo5"};        // brand
  ui::Label mindraw{*this, "mindraw"};
  ui::HScrollBar HScroll2{*this, "HScroll2"};  // minimum draw of the holder, 0 to 100
  ui::Label currentchamp{*this, "currentchamp"};
  ui::Label champ1{*this, "champ1"};  // tag-team holder 1
  ui::Label champ2{*this, "champ2"};  // tag-team holder 2
  ui::Label reign{*this, "reign"};
  ui::Label defenses{*this, "defenses"};
  ui::Label historydate{*this, "historydate"};

  ui::Label Label3{*this, "Label3"};              // "Click Here To Calculate A Title Reign"
  ui::CommandButton Command1{*this, "Command1"};  // "Next >>>"
  ui::CommandButton Command2{*this, "Command2"};  // "<<< Back"

  void title1_Click();
  void title2_Click();
  void title3_Click();
  void title4_Click();
  void title5_Click();
  void title6_Click();
  void title7_Click();
  void title8_Click();

  void titlename_Click();
  // Resets the selected slot 2 to 8 to a slot without a title (slot 1 is never reset).
  void cleartitles();

  void Combo1_Click();
  void Combo2_Click();
  void Combo3_Click();
  void Combo4_Click();
  void Combo5_Click();
  void HScroll1_Change();
  void HScroll1_Scroll();
  void HScroll2_Change();
  void HScroll2_Scroll();

  void holdername_Click();
  void currentchamp_Click();
  void champ1_Click();
  void champ2_Click();
  void reign_Click();
  void defenses_Click();
  void historydate_Click();

  void Label3_Click();    // opens the date calculator over the page
  void Command1_Click();  // "Next >>>": Step 7
  void Command2_Click();  // "<<< Back": Step 5

 private:
  std::array<ui::Label*, 8> slotLabels();
  // Selects slot 1 to 8: its label white first, then the controls, so that every handler the
  // controls raise writes into the slot just selected.
  void selectTitle(int slot);
  void loadTitle(int slot);
  void showTitleWithoutName(int slot);
  // Sets the pick lists (the type list of a custom slot only) to their first items and both bars
  // to 0, in the order of the page; each writes its item or 0 into the selected slot's line
  // through its handler.
  void writeFirstItems(bool custom);
  // Sets a scroll bar from a line: its leading number, rounded. A number the bar can't show sets
  // the bar without writing the line back.
  void setScrollFromLine(ui::HScrollBar& bar, const std::string& text);
  // Writes the field of every selected slot that has the field.
  void writeTitleField(promotion_file::TitleField field, const std::string& value);
  // A field label whose click opens its prompt (wizard::editText, or editNumber for a count),
  // the answer going into the selected slot's line of the field.
  struct FieldPrompt {
    ui::Label& value;
    void (Form8::*click)();
    promotion_file::TitleField field;
    bool number;
    const char* title;
    const char* text;
  };
  std::array<FieldPrompt, 7> fieldPrompts();
  void editField(std::size_t prompt);

  Editor& editor_;
  bool keepLines_ =
      false;  // set while a slot is loaded: its bars show their lines, never write them
};
