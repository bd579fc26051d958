// The first five pages' handlers run nested while opening a promotion sets their controls: set
// in the order the pages are filled, they write back what the lines hold, and correct or warn
// about only what does not fit.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/number_text.h"
#include "tests/promotion/open_promotion.h"

namespace pf = promotion_file;
using Show = pf::ShowField;
using Month = pf::MonthField;

namespace {

class FirstPagesFilled : public OpenPromotion {
 protected:
  // Sets the controls of Steps 1 to 5 from the lines, as opening a promotion does.
  void fill() {
    auto at = [this](std::size_t index) { return line(index); };
    Form3& step1 = editor.form3;
    step1.prominitials.setCaption(at(pf::initialsLine));
    for (int size = 1; size <= 6; ++size) {
      if (at(pf::sizeLine) == std::to_string(size)) step1.Combo1.setListIndex(size - 1);
    }
    step1.Text1.setText(at(pf::descriptionLine));
    step1.Combo2.setText(at(pf::rosterSplitLine));
    step1.brand1.setCaption(at(pf::brand1NameLine));
    step1.brand2.setCaption(at(pf::brand2NameLine));
    step1.Combo3.setText(at(pf::tvCoverageLine));

    Form4& step2 = editor.form4;
    wizard::select({&step2.show1, &step2.show2, &step2.show3, &step2.show4}, step2.show1);
    step2.nameofshow.setCaption(at(pf::showLine(0, Show::name)));
    step2.Combo1.setText(at(pf::showLine(0, Show::day)));
    step2.Combo2.setText(at(pf::showLine(0, Show::brand)));
    step2.Combo3.setText(at(pf::showLine(0, Show::type)));
    step2.HScroll1.setValue(wizard::wholeNumber(at(pf::showLine(0, Show::popularity))));

    Form5& step3 = editor.form5;
    step3.Combo1.setListIndex(wizard::wholeNumber(at(pf::primaryProductionLine)) - 1);
    step3.Combo2.setListIndex(wizard::wholeNumber(at(pf::secondaryProductionLine)) - 1);
    step3.Combo3.setListIndex(wizard::wholeNumber(at(pf::bigShowProductionLine)) - 1);

    Form6& step4 = editor.form6;
    step4.Combo1.setText(at(pf::ppvDealLine));
    step4.month1_Click();

    Form7& step5 = editor.form7;
    if (at(pf::nextBigShowNameLine) == "None") {
      step5.Combo2.setListIndex(0);
      step5.HScroll1.setValue(0);
    } else {
      step5.Combo2.setListIndex(wizard::wholeNumber(at(pf::nextBigShowLevelLine)) - 1);
      step5.HScroll1.setValue(wizard::wholeNumber(at(pf::nextBigShowDaysLine)));
    }
  }
};

TEST_F(FirstPagesFilled, AConsistentPromotionKeepsEveryLine) {
  const std::vector<std::pair<std::size_t, std::string>> promotion = {
      {pf::sizeLine, "6"},
      {pf::rosterSplitLine, "Yes"},
      {pf::brand1NameLine, "Rampart"},
      {pf::brand2NameLine, "Uprising"},
      {pf::tvCoverageLine, "National"},
      {pf::showLine(0, Show::day), "Monday"},
      {pf::showLine(0, Show::brand), "Brand 1"},
      {pf::showLine(0, Show::type), "TV"},
      {pf::showLine(0, Show::popularity), "88"},
      {pf::showLine(0, Show::ratingOrBuys), "410"},
      {pf::showLine(1, Show::name), "Thursday Uprising"},
      {pf::showLine(1, Show::day), "Thursday"},
      {pf::primaryProductionLine, "17"},
      {pf::ppvDealLine, "Yes"},
      {pf::monthLine(1, Month::name), "Crownfall"},
      {pf::monthLine(1, Month::brand), "Brand 2"},
      {pf::monthLine(1, Month::logo), "crownfall.bmp"},
      {pf::nextBigShowNameLine, "Crownfall"},
      {pf::nextBigShowLevelLine, "3"},
      {pf::nextBigShowDateLine, "Sunday 25th January 2004"},
      {pf::nextBigShowDaysLine, "35"},
  };
  for (const auto& [index, text] : promotion) setLine(index, text);
  const std::vector<std::string> before = lines();
  fill();
  EXPECT_EQ(lines(), before);
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(editor.form3.brand1.enabled());
  EXPECT_EQ(editor.form4.percentage.caption(), "88%");
  EXPECT_EQ(editor.form6.bigshowname.caption(), "Crownfall");
  EXPECT_EQ(editor.form7.days.caption(), "35");
}

TEST_F(FirstPagesFilled, WhatDoesNotFitIsCorrectedOrWarnedAbout) {
  setLine(pf::tvCoverageLine, "National");  // at size 1
  setLine(pf::rosterSplitLine, "Yes");      // without brand names
  setLine(pf::ppvDealLine, "Yes");          // below national size
  setLine(pf::showLine(0, Show::type), "PPV");
  fill();
  EXPECT_EQ(messages(),
            (std::vector<std::string>{
                "The promotion size must be at least Small National to have National TV.",
                "Only National promotions can have PPV coverage of their regular shows.",
                "WARNING:\r\nOnly National sized promotions can have a monthly PPV deal."}));
  EXPECT_EQ(line(pf::tvCoverageLine), "None");
  EXPECT_EQ(editor.form3.Combo3.text(), "None");
  EXPECT_EQ(line(pf::brand1NameLine), "Brand 1");
  EXPECT_EQ(line(pf::brand2NameLine), "Brand 2");
  EXPECT_EQ(line(pf::showLine(0, Show::type)), "PPV");  // refused, so left as stored
  EXPECT_EQ(editor.form4.Combo3.text(), "PPV");
  EXPECT_EQ(line(pf::ppvDealLine), "Yes");
  EXPECT_EQ(line(pf::monthLine(1, Month::brand)), "All");
  EXPECT_EQ(line(pf::nextBigShowLevelLine), "1");  // no next big show: the first level
  EXPECT_EQ(line(pf::nextBigShowDaysLine), "0");
}

TEST_F(FirstPagesFilled, LinesOfNoFormStopNothing) {
  setLine(pf::sizeLine, "3.5");
  setLine(pf::tvCoverageLine, "Cable");
  setLine(pf::showLine(0, Show::day), "Someday");
  setLine(pf::showLine(0, Show::popularity), "very");
  setLine(pf::primaryProductionLine, "99");
  setLine(pf::nextBigShowNameLine, "Crownfall");
  setLine(pf::nextBigShowLevelLine, "");
  setLine(pf::nextBigShowDaysLine, "1e9");
  const std::vector<std::string> before = lines();
  fill();
  std::vector<std::string> after = lines();
  EXPECT_EQ(after[pf::showLine(0, Show::popularity)], "0");  // the scroll bar's value
  EXPECT_EQ(after[pf::nextBigShowDaysLine], "1");
  after[pf::showLine(0, Show::popularity)] = before[pf::showLine(0, Show::popularity)];
  after[pf::nextBigShowDaysLine] = before[pf::nextBigShowDaysLine];
  after[pf::monthLine(1, Month::brand)] = before[pf::monthLine(1, Month::brand)];
  after[pf::monthLine(1, Month::logo)] = before[pf::monthLine(1, Month::logo)];
  EXPECT_EQ(after, before);
}

}  // namespace
