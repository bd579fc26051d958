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

  const struct {
    ui::Label& caption;
    const char* text;
    ui::Label& value;
  } rows[] = {
      {Label3, "Brand 1 Power Figure 1 Name", powerfig1name},
      {Label4, "Brand 1 Power Figure 1 Title", brand1powerfig1title},
      {Label5, "Brand 1 Power Figure 2 Name", brand1powerfig2name},
      {Label6, "Brand 1 Power Figure 2 Title", brand1powerfig2title},
      {Label7, "Brand 2 Power Figure 1 Name", brand2powerfig1name},
      {Label8, "Brand 2 Power Figure 1 Title", brand2powerfig1title},
      {Label9, "Brand 2 Power Figure 2 Name", brand2powerfig2name},
      {Label10, "Brand 2 Power Figure 2 Title", brand2powerfig2title},
      {Label11, "Interviewer 1", interviewer1},
      {Label12, "Interviewer 2", interviewer2},
  };
  int row = 0;
  for (const auto& r : rows) {
    const int top = wizard::rowY(row) + (row / 4) * groupGap;
    r.caption.setCaption(r.text);
    ui::styleHeading(r.caption);
    r.caption.setBorder(true);
    ui::styleValue(r.value);
    for (ui::Label* label : {&r.caption, &r.value}) label->setFontSize(labelFont);
    r.caption.place(captionLeft, top, captionWidth, wizard::rowHeight);
    r.value.place(valueLeft, top, valueWidth, wizard::rowHeight);
    r.value.setCaption("None");
    ++row;
  }

  powerfig1name.onClick = [this] { powerfig1name_Click(); };
  brand1powerfig1title.onClick = [this] { brand1powerfig1title_Click(); };
  brand1powerfig2name.onClick = [this] { brand1powerfig2name_Click(); };
  brand1powerfig2title.onClick = [this] { brand1powerfig2title_Click(); };
  brand2powerfig1name.onClick = [this] { brand2powerfig1name_Click(); };
  brand2powerfig1title.onClick = [this] { brand2powerfig1title_Click(); };
  brand2powerfig2name.onClick = [this] { brand2powerfig2name_Click(); };
  brand2powerfig2title.onClick = [this] { brand2powerfig2title_Click(); };
  interviewer1.onClick = [this] { interviewer1_Click(); };
  interviewer2.onClick = [this] { interviewer2_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

void Form10::askName(int brand, int figure, ui::Label& name, ui::Label& jobTitle,
                     const std::string& title, const std::string& text) {
  const std::string answer = ui::ask(editor_.desktop, text, title, name.caption());
  if (answer.empty()) return;
  if (answer == "None") {
    wizard::setLine(editor_, promotion_file::powerFigureNameLine(brand, figure), "");
    jobTitle.setCaption("None");
    wizard::setLine(editor_, promotion_file::powerFigureJobLine(brand, figure), "");
  } else {
    wizard::setLine(editor_, promotion_file::powerFigureNameLine(brand, figure), answer);
  }
  name.setCaption(answer);
}

void Form10::askLine(std::size_t line, ui::Label& label, const std::string& title,
                     const std::string& text) {
  const std::string answer = ui::ask(editor_.desktop, text, title, label.caption());
  if (answer.empty()) return;
  wizard::setLine(editor_, line, answer == "None" ? "" : answer);
  label.setCaption(answer);
}

void Form10::powerfig1name_Click() {
  askName(1, 1, powerfig1name, brand1powerfig1title, "Brand 1 Power Figure 1",
          "Please enter the name of the 1st power figure for this promotion. If this promotion "
          "has a roster split, this will be the main power figure of the first brand. If there is "
          "no person in this role, enter 'None'.");
}

void Form10::brand1powerfig1title_Click() {
  askLine(promotion_file::powerFigureJobLine(1, 1), brand1powerfig1title,
          "Brand 1 Power Figure 1 Job Title",
          "Please enter the job title of the 1st power figure for this promotion, eg. "
          "'Co-General Manager Of Grit'. If this promotion has a roster split, this will be the "
          "main power figure of the first brand. If there is no person in this role, enter "
          "'None'.");
}

void Form10::brand1powerfig2name_Click() {
  askName(1, 2, brand1powerfig2name, brand1powerfig2title, "Brand 1 Power Figure 2",
          "Please enter the name of the 2nd power figure for this promotion. If this promotion "
          "has a roster split, this will be the 2nd power figure of the first brand. If there is "
          "no person in this role, enter 'None'.");
}

void Form10::brand1powerfig2title_Click() {
  askLine(promotion_file::powerFigureJobLine(1, 2), brand1powerfig2title,
          "Brand 1 Power Figure 2 Job Title",
          "Please enter the job title of the 2nd power figure for this promotion, eg. "
          "'Co-General Manager Of Grit'. If this promotion has a roster split, this will be the "
          "2nd power figure of the first brand. If there is no person in this role, enter "
          "'None'.");
}

void Form10::brand2powerfig1name_Click() {
  askName(2, 1, brand2powerfig1name, brand2powerfig1title, "Brand 2 Power Figure 1",
          "Please enter the name of the 1st power figure for brand 2 of this promotion. This "
          "power figure will only be used if this promotion has a roster split. If there is no "
          "person in this role, enter 'None'.");
}

void Form10::brand2powerfig1title_Click() {
  askLine(promotion_file::powerFigureJobLine(2, 1), brand2powerfig1title,
          "Brand 2 Power Figure 1 Job Title",
          "Please enter the job title of the 1st power figure of the 2nd brand for this "
          "promotion, eg. 'Co-General Manager Of Grit'. This power figure will only be used if "
          "this promotion has a roster split. If there is no person in this role, enter 'None'.");
}

void Form10::brand2powerfig2name_Click() {
  askName(2, 2, brand2powerfig2name, brand2powerfig2title, "Brand 2 Power Figure 2",
          "Please enter the name of the 2nd power figure for brand 2 of this promotion. This "
          "power figure will only be used if this promotion has a roster split. If there is no "
          "person in this role, enter 'None'.");
}

void Form10::brand2powerfig2title_Click() {
  askLine(promotion_file::powerFigureJobLine(2, 2), brand2powerfig2title,
          "Brand 2 Power Figure 2 Job Title",
          "Please enter the job title of the 2nd power figure of the 2nd brand for this "
          "promotion, eg. 'Co-General Manager Of Grit'. This power figure will only be used if "
          "this promotion has a roster split. If there is no person in this role, enter 'None'.");
}

void Form10::interviewer1_Click() {
  askLine(promotion_file::interviewer1Line, interviewer1, "Interviewer 1",
          "Please enter the name of the 1st interviewer for this promotion. If this promotion "
          "has a roster split, this will be the interviewer for the 1st brand. If there is nobody "
          "in this role, enter 'None'.");
}

void Form10::interviewer2_Click() {
  askLine(promotion_file::interviewer2Line, interviewer2, "Interviewer 2",
          "Please enter the name of the 2nd interviewer for this promotion. If this promotion "
          "has a roster split, this will be the interviewer for the 2nd brand. If there is nobody "
          "in this role, enter 'None'.");
}

void Form10::Command1_Click() { wizard::goTo(*this, editor_.form11); }

void Form10::Command2_Click() { wizard::goTo(*this, editor_.form8); }
