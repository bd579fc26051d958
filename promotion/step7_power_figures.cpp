#include "promotion/step7_power_figures.h"

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"
#include "ui/styles.h"

namespace {

constexpr int captionLeft = 30, captionWidth = 290, valueLeft = 330, valueWidth = 280;
constexpr int groupGap = 10;  // between the brand 1, brand 2 and interviewer rows
constexpr int labelFont = 12;

}  // namespace

Form10::Form10(Editor& editor) : editor_(editor) {
  wizard::setUpPage(*this, Label1, "Step 7 of 8", Label2, "", Command2, Command1);
  Label2.setVisible(false);

  int row = 0;
  for (const Row& r : rows()) {
    const int top = wizard::rowY(row) + (row / 4) * groupGap;
    r.caption.setCaption(r.captionText);
    ui::styleHeading(r.caption);
    r.caption.setBorder(true);
    ui::styleValue(r.value);
    for (ui::Label* label : {&r.caption, &r.value}) label->setFontSize(labelFont);
    r.caption.place(captionLeft, top, captionWidth, wizard::rowHeight);
    r.value.place(valueLeft, top, valueWidth, wizard::rowHeight);
    r.value.setCaption("None");
    r.value.onClick = [this, click = r.click] { (this->*click)(); };
    ++row;
  }
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

std::array<Form10::Row, 10> Form10::rows() {
  using promotion_file::powerFigureJobLine, promotion_file::powerFigureNameLine;
  return {{
      {Label3, "Brand 1 Power Figure 1 Name", powerfig1name, &Form10::powerfig1name_Click,
       powerFigureNameLine(1, 1), "Brand 1 Power Figure 1",
       "Please enter the name of the 1st power figure for this promotion. If this promotion has "
       "a roster split, this will be the main power figure of the first brand. If there is no "
       "person in this role, enter 'None'.",
       &brand1powerfig1title},
      {Label4, "Brand 1 Power Figure 1 Title", brand1powerfig1title,
       &Form10::brand1powerfig1title_Click, powerFigureJobLine(1, 1),
       "Brand 1 Power Figure 1 Job Title",
       "Please enter the job title of the 1st power figure for this promotion, eg. "
       "'Co-General Manager Of Grit'. If this promotion has a roster split, this will be the "
       "main power figure of the first brand. If there is no person in this role, enter "
       "'None'."},
      {Label5, "Brand 1 Power Figure 2 Name", brand1powerfig2name,
       &Form10::brand1powerfig2name_Click, powerFigureNameLine(1, 2), "Brand 1 Power Figure 2",
       "Please enter the name of the 2nd power figure for this promotion. If this promotion has "
       "a roster split, this will be the 2nd power figure of the first brand. If there is no "
       "person in this role, enter 'None'.",
       &brand1powerfig2title},
      {Label6, "Brand 1 Power Figure 2 Title", brand1powerfig2title,
       &Form10::brand1powerfig2title_Click, powerFigureJobLine(1, 2),
       "Brand 1 Power Figure 2 Job Title",
       "Please enter the job title of the 2nd power figure for this promotion, eg. "
       "'Co-General Manager Of Grit'. If this promotion has a roster split, this will be the "
       "2nd power figure of the first brand. If there is no person in this role, enter "
       "'None'."},
      {Label7, "Brand 2 Power Figure 1 Name", brand2powerfig1name,
       &Form10::brand2powerfig1name_Click, powerFigureNameLine(2, 1), "Brand 2 Power Figure 1",
       "Please enter the name of the 1st power figure for brand 2 of this promotion. This power "
       "figure will only be used if this promotion has a roster split. If there is no person in "
       "this role, enter 'None'.",
       &brand2powerfig1title},
      {Label8, "Brand 2 Power Figure 1 Title", brand2powerfig1title,
       &Form10::brand2powerfig1title_Click, powerFigureJobLine(2, 1),
       "Brand 2 Power Figure 1 Job Title",
       "Please enter the job title of the 1st power figure of the 2nd brand for this "
       "promotion, eg. 'Co-General Manager Of Grit'. This power figure will only be used if "
       "this promotion has a roster split. If there is no person in this role, enter 'None'."},
      {Label9, "Brand 2 Power Figure 2 Name", brand2powerfig2name,
       &Form10::brand2powerfig2name_Click, powerFigureNameLine(2, 2), "Brand 2 Power Figure 2",
       "Please enter the name of the 2nd power figure for brand 2 of this promotion. This power "
       "figure will only be used if this promotion has a roster split. If there is no person in "
       "this role, enter 'None'.",
       &brand2powerfig2title},
      {Label10, "Brand 2 Power Figure 2 Title", brand2powerfig2title,
       &Form10::brand2powerfig2title_Click, powerFigureJobLine(2, 2),
       "Brand 2 Power Figure 2 Job Title",
       "Please enter the job title of the 2nd power figure of the 2nd brand for this "
       "promotion, eg. 'Co-General Manager Of Grit'. This power figure will only be used if "
       "this promotion has a roster split. If there is no person in this role, enter 'None'."},
      {Label11, "Interviewer 1", interviewer1, &Form10::interviewer1_Click,
       promotion_file::interviewer1Line, "Interviewer 1",
       "Please enter the name of the 1st interviewer for this promotion. If this promotion has a "
       "roster split, this will be the interviewer for the 1st brand. If there is nobody in this "
       "role, enter 'None'."},
      {Label12, "Interviewer 2", interviewer2, &Form10::interviewer2_Click,
       promotion_file::interviewer2Line, "Interviewer 2",
       "Please enter the name of the 2nd interviewer for this promotion. If this promotion has a "
       "roster split, this will be the interviewer for the 2nd brand. If there is nobody in this "
       "role, enter 'None'."},
  }};
}

void Form10::ask(std::size_t row) {
  const Row r = rows()[row];
  const std::string answer = ui::ask(editor_.desktop, r.text, r.title, r.value.caption());
  if (answer.empty()) return;
  const bool none = answer == "None";
  wizard::setLine(editor_, r.line, none ? "" : answer);
  if (none && r.jobTitle) {
    r.jobTitle->setCaption("None");
    wizard::setLine(editor_, r.line + 1, "");
  }
  r.value.setCaption(answer);
}

void Form10::powerfig1name_Click() { ask(0); }
void Form10::brand1powerfig1title_Click() { ask(1); }
void Form10::brand1powerfig2name_Click() { ask(2); }
void Form10::brand1powerfig2title_Click() { ask(3); }
void Form10::brand2powerfig1name_Click() { ask(4); }
void Form10::brand2powerfig1title_Click() { ask(5); }
void Form10::brand2powerfig2name_Click() { ask(6); }
void Form10::brand2powerfig2title_Click() { ask(7); }
void Form10::interviewer1_Click() { ask(8); }
void Form10::interviewer2_Click() { ask(9); }

void Form10::Command1_Click() { wizard::goTo(*this, editor_.form11); }

void Form10::Command2_Click() { wizard::goTo(*this, editor_.form8); }
