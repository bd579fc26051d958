// Step 4: the PPV settings and the big show of each month.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/number_text.h"
#include "tests/promotion/open_promotion.h"

namespace pf = promotion_file;
using Field = pf::MonthField;

namespace {

const std::string dealWarning =
    "WARNING:\r\nOnly National sized promotions can have a monthly PPV deal.";
const std::string invalidBuyRate =
    "Invalid Buy-Rate!\r\n\r\nThe Buy-Rate is a number usually between 0 and 2, where 1.0 = "
    "400,000 PPV buys. SBL usually get between 0.5 and 1.0 for their monthly PPV "
    "events.\r\n\r\nPlease enter another value.";

class Step4 : public OpenPromotion {
 protected:
  Form6& page = editor.form6;
  Step4() {
    open(page);
    page.month1.click();
    desktop.forget();
  }

  std::string monthLine(int month, Field field) const { return line(pf::monthLine(month, field)); }
  std::vector<std::string> monthLines(int month) const {
    return {monthLine(month, Field::name), monthLine(month, Field::brand),
            monthLine(month, Field::logo)};
  }
  std::vector<std::string> shown() const {
    return {page.bigshowname.caption(), page.Combo2.text(), page.bigshowlogo.caption()};
  }
};

TEST_F(Step4, TheBuyRateIsStoredInHundredthsAndShownAsTyped) {
  const struct {
    std::string typed, stored;
  } cases[] = {{"1.15", "114"}, {"5", "500"},   {"-0.29", "-29"}, {"x", "0"},
               {"0.29", "28"},  {"0.83", "83"}, {"0", "0"},       {"1.5 or so", "150"}};
  for (const auto& c : cases) {
    answer(page.ppvbuyrate, c.typed);
    EXPECT_EQ(desktop.last().title, "Average PPV Buy-Rate");
    EXPECT_EQ(line(pf::buyRateLine), c.stored) << c.typed;
    EXPECT_EQ(page.ppvbuyrate.caption(), c.typed);
  }
  EXPECT_EQ(desktop.dialogs()[0].text,
            "Please enter the average buy rate this promotion gets for big shows on Pay-Per-View "
            "(not weekly shows).\r\nSome examples of real life buy-rates: \r\nHighfire 2005 - "
            "0.94\r\nLast Exit 2005 - 0.59\r\nCrown Scramble 2005 - 0.83");
  EXPECT_TRUE(desktop.messageTexts().empty());

  desktop.forget();
  answer(page.ppvbuyrate, "5.01");
  EXPECT_EQ(desktop.last().text, invalidBuyRate);
  answer(page.ppvbuyrate, "-" + std::string(307, '9'));  // its hundredfold is beyond a double
  EXPECT_EQ(desktop.last().text,
            "Invalid Number!\r\n\r\nThis number is too large to be stored.\r\n\r\nPlease enter "
            "another value.");
  EXPECT_EQ(line(pf::buyRateLine), "150");
  EXPECT_EQ(page.ppvbuyrate.caption(), "1.5 or so");

  // What a stored rate shows as when the promotion is opened again.
  EXPECT_EQ(common::fromHundredths("300"), "3");
  EXPECT_EQ(common::fromHundredths("114"), "1.14");
}

TEST_F(Step4, AMonthlyDealBelowNationalSizeIsWarnedAboutAndKept) {
  for (const std::string size : {"1", "2", "3", "4", "5", "6"}) {
    setLine(pf::sizeLine, size);
    setLine(pf::ppvDealLine, "No");
    page.Combo1.choose(0);  // "Yes"
    EXPECT_EQ(line(pf::ppvDealLine), "Yes");
    EXPECT_EQ(messages(), std::stoi(size) < 4 ? std::vector<std::string>{dealWarning}
                                              : std::vector<std::string>{})
        << size;
  }
  page.Combo1.choose(1);
  EXPECT_EQ(line(pf::ppvDealLine), "No");
  EXPECT_TRUE(messages().empty());
}

TEST_F(Step4, TheBigShowAttendanceIsStoredAsItsNumber) {
  answer(page.bigshowatt, "25,000");
  EXPECT_EQ(desktop.last().title, "Max Big Show Attendence");
  EXPECT_EQ(line(pf::bigShowAttendanceLine), "25");
  EXPECT_EQ(page.bigshowatt.caption(), "25");
  answer(page.bigshowatt, "big");
  EXPECT_EQ(line(pf::bigShowAttendanceLine), "0");
}

TEST_F(Step4, SelectingAMonthWithoutABigShowReadiesItForAName) {
  page.month3.click();
  EXPECT_TRUE(wizard::isSelected(page.month3));
  EXPECT_FALSE(wizard::isSelected(page.month1));
  EXPECT_EQ(monthLines(3), (std::vector<std::string>{"", "All", "NA"}));
  EXPECT_EQ(shown(), (std::vector<std::string>{"None", "All", "NA"}));

  answer(page.bigshowname, "Spring Siege");  // a complete month
  EXPECT_EQ(desktop.last().defaultAnswer, "None");
  EXPECT_EQ(monthLines(3), (std::vector<std::string>{"Spring Siege", "All", "NA"}));
  EXPECT_EQ(monthLines(4), (std::vector<std::string>{"", "", ""}));
}

TEST_F(Step4, NoneEmptiesTheMonthAndANameAfterItLeavesBrandAndLogoEmpty) {
  page.month3.click();
  answer(page.bigshowname, "Spring Siege");
  page.Combo2.choose(2);
  answer(page.bigshowname, "None");
  EXPECT_EQ(monthLines(3), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(shown(), (std::vector<std::string>{"None", "All", "NA"}));

  answer(page.bigshowname, "Spring Siege");
  EXPECT_EQ(monthLines(3), (std::vector<std::string>{"Spring Siege", "", ""}));
  page.Combo2.choose(0);  // "All", the brand already shown, chosen again
  EXPECT_EQ(monthLine(3, Field::brand), "All");

  answer(page.bigshowname, "none");  // only "None" exactly means no show
  EXPECT_EQ(monthLine(3, Field::name), "none");
}

TEST_F(Step4, ANamedMonthIsShownAsStored) {
  setLine(pf::monthLine(5, Field::name), "Maytime Mayhem");
  setLine(pf::monthLine(5, Field::brand), "Brand 1");
  setLine(pf::monthLine(5, Field::logo), "");
  page.month5.click();
  EXPECT_EQ(shown(), (std::vector<std::string>{"Maytime Mayhem", "Brand 1", "NA"}));
  EXPECT_EQ(monthLines(5), (std::vector<std::string>{"Maytime Mayhem", "Brand 1", ""}));

  // A brand of no form: the month is shown, and no line changes.
  setLine(pf::monthLine(6, Field::name), "June Jam");
  const std::vector<std::string> before = lines();
  page.month6.click();
  EXPECT_EQ(page.bigshowname.caption(), "June Jam");
  EXPECT_EQ(lines(), before);
}

TEST_F(Step4, ATypedLogoIsStoredAsTyped) {
  page.month12.click();
  answer(page.bigshowlogo, "no_such_picture.jpg");
  EXPECT_EQ(desktop.last().title, "Big Show Logo");
  EXPECT_EQ(desktop.last().defaultAnswer, "NA");
  EXPECT_EQ(monthLine(12, Field::logo), "no_such_picture.jpg");
  EXPECT_EQ(page.bigshowlogo.caption(), "no_such_picture.jpg");
  answer(page.bigshowlogo, "");
  EXPECT_EQ(monthLine(12, Field::logo), "no_such_picture.jpg");
}

TEST_F(Step4, NextAndBackMoveOn) {
  page.Command1.click();
  EXPECT_TRUE(editor.form7.visible());
  EXPECT_FALSE(page.visible());
  open(page);
  page.Command2.click();
  EXPECT_TRUE(editor.form5.visible());
  EXPECT_FALSE(page.visible());
}

}  // namespace
