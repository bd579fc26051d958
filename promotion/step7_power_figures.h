#pragma once

#include <array>
#include <cstddef>

#include "ui/ui.h"

class Editor;

// Wizard page "Step 7 of 8": the power figures of both brands (a name and a job title each) and
// the two interviewers. Every value label opens its prompt; "None" means nobody.
class Form10 : public ui::Form {
 public:
  explicit Form10(Editor& editor);

  ui::Label Label1{*this, "Label1"};  // heading "Step 7 of 8"
  ui::Label Label2{*this, "Label2"};  // instruction line, unused on this page

  // Caption labels, top to bottom.
  ui::Label Label3{*this, "Label3"};
  ui::Label Label4{*this, "Label4"};
  ui::Label Label5{*this, "Label5"};
  ui::Label Label6{*this, "Label6"};
  ui::Label Label7{*this, "Label7"};
  ui::Label Label8{*this, "Label8"};
  ui::Label Label9{*this, "Label9"};
  ui::Label Label10{*this, "Label10"};
  ui::Label Label11{*this, "Label11"};
  ui::Label Label12{*this, "Label12"};

  ui::Label powerfig1name{*this, "powerfig1name"};
  ui::Label brand1powerfig1title{*this, "brand1powerfig1title"};
  ui::Label brand1powerfig2name{*this, "brand1powerfig2name"};
  ui::Label brand1powerfig2title{*this, "brand1powerfig2title"};
  ui::Label brand2powerfig1name{*this, "brand2powerfig1name"};
  ui::Label brand2powerfig1title{*this, "brand2powerfig1title"};
  ui::Label brand2powerfig2name{*this, "brand2powerfig2name"};
  ui::Label brand2powerfig2title{*this, "brand2powerfig2title"};
  ui::Label interviewer1{*this, "interviewer1"};
  ui::Label interviewer2{*this, "interviewer2"};

  ui::CommandButton Command1{*this, "Command1"};  // "Next >>>"
  ui::CommandButton Command2{*this, "Command2"};  // "<<< Back"

  void powerfig1name_Click();
  void brand1powerfig1title_Click();
  void brand1powerfig2name_Click();
  void brand1powerfig2title_Click();
  void brand2powerfig1name_Click();
  void brand2powerfig1title_Click();
  void brand2powerfig2name_Click();
  void brand2powerfig2title_Click();
  void interviewer1_Click();
  void interviewer2_Click();
  void Command1_Click();  // "Next >>>": Step 8
  void Command2_Click();  // "<<< Back": Step 6

 private:
  // One row of the page: its caption, its value label and the line the label edits, the prompt
  // its click opens, and the click's handler. A figure's name row also names the figure's job
  // title label, whose line follows the name's.
  struct Row {
    ui::Label& caption;
    const char* captionText;
    ui::Label& value;
    void (Form10::*click)();
    std::size_t line;
    const char* title;
    const char* text;
    ui::Label* jobTitle = nullptr;
  };
  std::array<Row, 10> rows();
  // The prompt of a row, its default the label's caption. Cancel or an empty answer change
  // nothing; "None" empties the line (and a figure's job title line, whose label shows "None"); the
  // label shows the answer.
  void ask(std::size_t row);

  Editor& editor_;
};
