// Step 5: the next big show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/promotion/open_promotion.h"

namespace pf = promotion_file;

namespace {

class Step5 : public OpenPromotion {
 protected:
  Form7& page = editor.form7;
  Step5() {
    open(page);
    // A promotion with a next big show, as the page shows it.
    setLine(pf::nextBigShowNameLine, "Highfire");
    setLine(pf::nextBigShowLevelLine, "3");
    setLine(pf::nextBigShowDateLine, "Saturday 21st August 2004");
    setLine(pf::nextBigShowDaysLine, "12");
    page.nameofbigshow.setCaption("Highfire");
    page.Combo2.setListIndex(2);
    page.dateofshow.setCaption("Saturday 21st August 2004");
    page.HScroll1.setValue(12);
  }

  std::vector<std::string> nextBigShow() const {
    return {line(pf::nextBigShowNameLine), line(pf::nextBigShowLevelLine),
            line(pf::nextBigShowDateLine), line(pf::nextBigShowDaysLine)};
  }
  std::vector<std::string> shown() const {
    return {page.nameofbigshow.caption(), page.Combo2.text(), page.dateofshow.caption(),
            page.days.caption(), std::to_string(page.HScroll1.value())};
  }
};

TEST_F(Step5, NoneTakesTheNextBigShowOffAndShowsSo) {
  answer(page.nameofbigshow, "None");
  EXPECT_EQ(desktop.last().title, "Big Show Name");
  EXPECT_EQ(desktop.last().defaultAnswer, "Highfire");
  // The lines hold what the page shows: the level "Basic", no date, 0 days.
  EXPECT_EQ(nextBigShow(), (std::vector<std::string>{"None", "1", "", "0"}));
  EXPECT_EQ(shown(), (std::vector<std::string>{"None", "Basic", "", "0", "0"}));
  EXPECT_TRUE(desktop.messageTexts().empty());
}

TEST_F(Step5, AnyOtherNameLeavesTheRestAsItIs) {
  answer(page.nameofbigshow, "none");
  EXPECT_EQ(nextBigShow(),
            (std::vector<std::string>{"none", "3", "Saturday 21st August 2004", "12"}));
  answer(page.nameofbigshow, "");
  EXPECT_EQ(nextBigShow()[0], "none");
  EXPECT_EQ(page.nameofbigshow.caption(), "none");
}

TEST_F(Step5, LevelDateAndDaysAreStored) {
  page.Combo2.choose(1);
  EXPECT_EQ(line(pf::nextBigShowLevelLine), "2");
  page.Combo2.choose(0);
  EXPECT_EQ(line(pf::nextBigShowLevelLine), "1");

  answer(page.dateofshow, "21 August");  // any form, as typed
  EXPECT_EQ(desktop.last().title, "Date Of Big Show");
  EXPECT_EQ(line(pf::nextBigShowDateLine), "21 August");
  EXPECT_EQ(page.dateofshow.caption(), "21 August");

  page.HScroll1.scrollTo(99);
  EXPECT_EQ(line(pf::nextBigShowDaysLine), "40");
  EXPECT_EQ(page.days.caption(), "40");
  page.HScroll1.dragTo(0);
  EXPECT_EQ(line(pf::nextBigShowDaysLine), "0");
  page.HScroll1.dragTo(17);
  EXPECT_EQ(page.days.caption(), "17");
}

TEST_F(Step5, NextAndBackMoveOn) {
  page.Command1.click();
  EXPECT_TRUE(editor.form8.visible());
  EXPECT_FALSE(page.visible());
  open(page);
  page.Command2.click();
  EXPECT_TRUE(editor.form6.visible());
  EXPECT_FALSE(page.visible());
}

}  // namespace
