// Step 7, power figures and interviewers: the ten prompts, their "None" rules, and moving on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/editor.h"
#include "tests/promotion/open_promotion.h"

namespace {

class PowerFigures : public OpenPromotion {
 protected:
  Form10& page = editor.form10;

  void SetUp() override { open(page); }
};

struct Figure {
  ui::Label Form10::*name;
  ui::Label Form10::*jobTitle;
  int nameLine;
  std::string nameTitle, jobTitleTitle;
};

const Figure figures[] = {
    {&Form10::powerfig1name, &Form10::brand1powerfig1title, 217, "Brand 1 Power Figure 1",
     "Brand 1 Power Figure 1 Job Title"},
    {&Form10::brand1powerfig2name, &Form10::brand1powerfig2title, 219, "Brand 1 Power Figure 2",
     "Brand 1 Power Figure 2 Job Title"},
    {&Form10::brand2powerfig1name, &Form10::brand2powerfig1title, 221, "Brand 2 Power Figure 1",
     "Brand 2 Power Figure 1 Job Title"},
    {&Form10::brand2powerfig2name, &Form10::brand2powerfig2title, 223, "Brand 2 Power Figure 2",
     "Brand 2 Power Figure 2 Job Title"},
};

TEST_F(PowerFigures, NamesAndJobTitlesFollowTheirNoneRules) {
  for (const Figure& f : figures) {
    SCOPED_TRACE(f.nameTitle);
    ui::Label& name = page.*f.name;
    ui::Label& jobTitle = page.*f.jobTitle;

    answer(name, "Vera Holt");
    EXPECT_EQ(desktop.last().title, f.nameTitle);
    EXPECT_EQ(desktop.last().defaultAnswer, "None");
    EXPECT_EQ(line(f.nameLine), "Vera Holt");
    EXPECT_EQ(name.caption(), "Vera Holt");
    EXPECT_EQ(jobTitle.caption(), "None");  // a name alone leaves the job title
    EXPECT_EQ(line(f.nameLine + 1), "");

    answer(jobTitle, " Owner ");
    EXPECT_EQ(desktop.last().title, f.jobTitleTitle);
    EXPECT_EQ(line(f.nameLine + 1), " Owner ");
    EXPECT_EQ(jobTitle.caption(), " Owner ");

    // The job title's "None" touches only its own line.
    answer(jobTitle, "None");
    EXPECT_EQ(line(f.nameLine + 1), "");
    EXPECT_EQ(jobTitle.caption(), "None");
    EXPECT_EQ(line(f.nameLine), "Vera Holt");
    answer(jobTitle, "Owner");

    // The name's "None" empties both lines and both labels show "None".
    answer(name, "None");
    EXPECT_EQ(line(f.nameLine), "");
    EXPECT_EQ(line(f.nameLine + 1), "");
    EXPECT_EQ(name.caption(), "None");
    EXPECT_EQ(jobTitle.caption(), "None");
  }
}

TEST_F(PowerFigures, InterviewersCancelAndCase) {
  answer(page.interviewer1, "none");
  EXPECT_EQ(line(225), "none");
  EXPECT_EQ(page.interviewer1.caption(), "none");
  EXPECT_EQ(desktop.last().title, "Interviewer 1");

  answer(page.interviewer2, "Sam Reed");
  EXPECT_EQ(line(226), "Sam Reed");
  answer(page.interviewer2, "None");
  EXPECT_EQ(line(226), "");
  EXPECT_EQ(page.interviewer2.caption(), "None");

  // Cancel, or an empty answer, changes nothing anywhere.
  const std::vector<std::string> before = lines();
  for (ui::Label* label : {&page.powerfig1name, &page.brand2powerfig2title, &page.interviewer1}) {
    const std::string caption = label->caption();
    answer(*label, "");
    EXPECT_EQ(label->caption(), caption);
  }
  EXPECT_EQ(lines(), before);
}

TEST_F(PowerFigures, TheButtonsMoveBetweenTheSteps) {
  page.Command1.click();
  EXPECT_TRUE(editor.form11.visible());
  EXPECT_FALSE(page.visible());
  editor.form11.Command2.click();
  EXPECT_TRUE(page.visible());
  EXPECT_FALSE(editor.form11.visible());
  page.Command2.click();
  EXPECT_TRUE(editor.form8.visible());
  EXPECT_FALSE(page.visible());
  EXPECT_EQ(page.Command1.caption(), "Next >>>");
  EXPECT_EQ(page.Command2.caption(), "<<< Back");
}

}  // namespace
