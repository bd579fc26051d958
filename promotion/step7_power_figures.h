#pragma once

#include <cstddef>
#include <string>

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
  // A figure's name: "None" empties the name and the job title, and the job title shows "None".
  void askName(int brand, int figure, ui::Label& name, ui::Label& jobTitle,
               const std::string& title, const std::string& text);
  // A job title or an interviewer: "None" empties the line.
  void askLine(std::size_t line, ui::Label& label, const std::string& title,
               const std::string& text);

  Editor& editor_;
};
