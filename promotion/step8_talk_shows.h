#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "ui/ui.h"

class Editor;

// Wizard page "Step 8 of 8": the two brands' talk-show segments, the country, the overall
// popularity, and SAVE.
class Form11 : public ui::Form {
 public:
  explicit Form11(Editor& editor);

  ui::Label Label1{*this, "Label1"};  // heading "Step 8 of 8"
  ui::Label Label2{*this, "Label2"};  // instruction line, unused on this page

  // Caption labels, top to bottom.
  ui::Label Label3{*this, "Label3"};    // "Brand 1 Talk Show Segment Name"
  ui::Label Label4{*this, "Label4"};    // "Brand 1 Talk Show Segment Host"
  ui::Label Label5{*this, "Label5"};    // "Name Of Show This Segment Is On"
  ui::Label Label6{*this, "Label6"};    // "Brand 2 Talk Show Segment Name"
  ui::Label Label7{*this, "Label7"};    // "Brand 2 Talk Show Segment Host"
  ui::Label Label8{*this, "Label8"};    // "Name Of Show This Segment Is On"
  ui::Label Label9{*this, "Label9"};    // "Country Promotion Is Based In"
  ui::Label Label10{*this, "Label10"};  // "Overall Popularity"

  ui::Label brand1talkshowname{*this, "brand1talkshowname"};
  ui::Label brand1talkshowhost{*this, "brand1talkshowhost"};
  ui::Label talkshow1showname{*this, "talkshow1showname"};
  ui::Label brand2talkshowname{*this, "brand2talkshowname"};
  ui::Label brand2talkshowhost{*this, "brand2talkshowhost"};
  ui::Label talkshow2showname{*this, "talkshow2showname"};
  ui::ComboBox Combo2{*this, "Combo2"};        // country: "USA", "UK", "Japan", "Other"
  ui::Label popularity{*this, "popularity"};   // the overall popularity followed by "%"
  ui::HScrollBar HScroll1{*this, "HScroll1"};  // overall popularity, 0 to 100

  ui::CommandButton Command1{*this, "Command1"};  // "SAVE"
  ui::CommandButton Command2{*this, "Command2"};  // "<<< Back"

  void brand1talkshowname_Click();
  void brand1talkshowhost_Click();
  void talkshow1showname_Click();
  void brand2talkshowname_Click();
  void brand2talkshowhost_Click();
  void talkshow2showname_Click();
  void Combo2_Click();
  void HScroll1_Change();
  void HScroll1_Scroll();
  void Command1_Click();  // "SAVE": the save, then back to the promotions menu
  void Command2_Click();  // "<<< Back": Step 7

  // The save of the open promotion, as "SAVE" runs it: every check that fails shows its own box
  // and nothing is written; otherwise the tidied lines replace the promotion's file and become the
  // open promotion's lines, and " saved OK." is shown. A file that can't be written is reported
  // and left as it was. True when the file was written.
  bool savepromotion();

  // The open promotion, while its lines differ from what they were when the pages were filled
  // (or last saved), or while a new promotion has no file yet; its save is "SAVE"'s.
  std::optional<ui::UnsavedWork> unsavedWork() override;

 private:
  // One row of a brand's talk-show segment: its caption, its value label and the line the label
  // edits, the prompt its click opens, and the click's handler. The label of the show row shows
  // every answer, "NA" and "None" too.
  struct SegmentRow {
    ui::Label& caption;
    const char* captionText;
    ui::Label& value;
    void (Form11::*click)();
    int brand;
    std::size_t line;
    const char* title;
    const char* text;
    bool showsEveryAnswer = false;
  };
  std::array<SegmentRow, 6> segmentRows();
  // The prompt of a segment row, its default the label's caption: "NA" or "None" clears the
  // whole segment, any other answer is stored in the line and shown in the label. Cancel or an
  // empty answer change nothing.
  void askSegment(std::size_t row);
  void clearSegment(int brand);

  Editor& editor_;
};
