// Step 1: the promotion's profile, driven as a person would on a new promotion.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/promotion/open_promotion.h"

namespace pf = promotion_file;

namespace {

const std::string nationalMessage =
    "The promotion size must be at least Small National to have National TV.";
const std::string regionalMessage =
    "The promotion size must be at least 'Indy With Regional TV' to have Regional TV.";
const std::string localMessage =
    "The promotion size must be 'Indy With Local TV' to have Local TV.";
const std::string noneMessage = "Only a Basic Indy can have no television coverage.";

class Step1 : public OpenPromotion {
 protected:
  Form3& page = editor.form3;
  Step1() { open(page); }

  void chooseCoverage(const std::string& coverage) {
    for (int i = 0; i < page.Combo3.listCount(); ++i) {
      if (page.Combo3.list(i) == coverage) page.Combo3.choose(i);
    }
  }
};

TEST_F(Step1, TvCoverageIsKeptInStepWithTheSize) {
  const struct {
    std::string size, chosen;
    std::vector<std::string> messages;
    std::string result;
  } cases[] = {
      {"1", "None", {}, "None"},
      {"1", "Local", {localMessage}, "None"},
      {"1", "Regional", {regionalMessage}, "None"},
      {"1", "National", {nationalMessage}, "None"},
      {"2", "None", {noneMessage}, "Local"},
      {"2", "Local", {}, "Local"},
      {"2", "Regional", {regionalMessage, noneMessage}, "Local"},
      {"2", "National", {nationalMessage, noneMessage}, "Local"},
      {"3", "None", {noneMessage}, "Regional"},
      {"3", "Local", {localMessage}, "Regional"},
      {"3", "Regional", {}, "Regional"},
      {"3", "National", {nationalMessage, noneMessage}, "Regional"},
      {"4", "None", {noneMessage}, "National"},
      {"5", "Local", {localMessage}, "National"},
      {"6", "Regional", {}, "Regional"},
      {"4", "National", {}, "National"},
      {"5", "Regional", {}, "Regional"},
      {"6", "None", {noneMessage}, "National"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("size " + c.size + ", " + c.chosen);
    setLine(pf::sizeLine, c.size);
    setLine(pf::tvCoverageLine, "?");
    chooseCoverage(c.chosen);
    EXPECT_EQ(messages(), c.messages);
    EXPECT_EQ(page.Combo3.text(), c.result);
    EXPECT_EQ(line(pf::tvCoverageLine), c.result);
  }
}

TEST_F(Step1, TheSizeIsStoredByPositionAndDoesNotRetestTheCoverage) {
  page.Combo1.choose(5);
  EXPECT_EQ(line(pf::sizeLine), "6");
  chooseCoverage("National");
  page.Combo1.choose(0);
  EXPECT_EQ(line(pf::sizeLine), "1");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(line(pf::tvCoverageLine), "National");

  chooseCoverage("National");  // chosen again: now the rules apply
  EXPECT_EQ(messages(), std::vector<std::string>{nationalMessage});
  EXPECT_EQ(line(pf::tvCoverageLine), "None");
}

TEST_F(Step1, ASizeLineOfNoSizeCannotMakeTheRulesRunForever) {
  // From a file: "3.5" is above 3 (National fits) and below 4 (National refused).
  setLine(pf::sizeLine, "3.5");
  chooseCoverage("National");
  const std::vector<std::string> shown = messages();
  EXPECT_GE(shown.size(), 2u);
  EXPECT_LE(shown.size(), 4u);
  EXPECT_EQ(line(pf::tvCoverageLine), page.Combo3.text());

  setLine(pf::sizeLine, "junk");  // fits nothing: the message, and the choice stays
  chooseCoverage("Local");
  EXPECT_EQ(messages(), std::vector<std::string>{localMessage});
  EXPECT_EQ(line(pf::tvCoverageLine), "Local");
}

TEST_F(Step1, EachValueLabelAsksItsOwnQuestionAndStoresTheAnswer) {
  const struct {
    ui::Label& label;
    std::size_t index;
    std::string title, text;
  } fields[] = {
      {page.prominitials, pf::initialsLine, "Promotion Initials",
       "Please enter the initials of this promotion, eg. KGU."},
      {page.promname, pf::nameLine, "Promotion Name",
       "Please enter the name of this promotion, eg. Korvane Grappling Union."},
      {page.website, pf::webSiteLine, "Website Address",
       "Please enter the website address of this promotion, eg. www.korvanegu.com. If there "
       "isn't a website address for this promotion, enter 'None'."},
      {page.owner, pf::ownerLine, "Owner's Name",
       "Please enter the name of the owner of this promotion, eg. Harlan Voss."},
      {page.brand1, pf::brand1NameLine, "Brand 1 Name",
       "Please enter the name of the first brand in your roster split."},
      {page.brand2, pf::brand2NameLine, "Brand 2 Name",
       "Please enter the name of the second brand in your roster split."},
  };
  page.Combo2.choose(0);  // a roster split, so the brand names take clicks
  for (const auto& field : fields) {
    SCOPED_TRACE(field.title);
    field.label.setCaption("shown");
    const std::string before = line(field.index);
    answer(field.label, "");  // Cancel
    EXPECT_EQ(desktop.last().title, field.title);
    EXPECT_EQ(desktop.last().text, field.text);
    EXPECT_EQ(desktop.last().defaultAnswer, "shown");
    EXPECT_EQ(line(field.index), before);
    EXPECT_EQ(field.label.caption(), "shown");

    answer(field.label, "None");  // stored as typed, even "None"
    EXPECT_EQ(line(field.index), "None");
    EXPECT_EQ(field.label.caption(), "None");
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(Step1, TheBankBalanceIsStoredAsItsNumber) {
  const struct {
    std::string typed, stored;
  } cases[] = {
      {"1,000", "1"}, {"-500", "-500"}, {"2.5", "2.5"}, {"lots", "0"}, {" 75000", "75000"}};
  for (const auto& c : cases) {
    answer(page.bankbalance, c.typed);
    EXPECT_EQ(desktop.last().title, "Bank Balance");
    EXPECT_EQ(line(pf::bankBalanceLine), c.stored) << c.typed;
    EXPECT_EQ(page.bankbalance.caption(), c.stored) << c.typed;
  }
  answer(page.bankbalance, "");
  EXPECT_EQ(line(pf::bankBalanceLine), "75000");
}

TEST_F(Step1, TheRosterSplitGivesTheBrandsDefaultNamesAndKeepsThem) {
  page.Combo2.choose(0);  // "Yes" while line 9 is ""
  EXPECT_EQ(line(pf::rosterSplitLine), "Yes");
  EXPECT_EQ(line(pf::brand1NameLine), "Brand 1");
  EXPECT_EQ(line(pf::brand2NameLine), "Brand 2");
  EXPECT_EQ(page.brand1.caption(), "Brand 1");
  EXPECT_EQ(page.brand2.caption(), "Brand 2");
  for (const ui::Label* label : {&page.brand1, &page.brand2, &page.Label14, &page.Label16})
    EXPECT_TRUE(label->enabled());
  answer(page.brand2, "Uprising");

  page.Combo2.choose(1);  // "No": the names stay, the labels take no clicks
  EXPECT_EQ(line(pf::rosterSplitLine), "No");
  EXPECT_EQ(line(pf::brand2NameLine), "Uprising");
  for (const ui::Label* label : {&page.brand1, &page.brand2, &page.Label14, &page.Label16})
    EXPECT_FALSE(label->enabled());
  page.brand1.click();
  EXPECT_EQ(desktop.dialogs().size(), 1u);  // only the Uprising prompt

  page.Combo2.choose(0);
  EXPECT_EQ(page.brand1.caption(), "Brand 1");
  EXPECT_EQ(page.brand2.caption(), "Uprising");

  // A first brand name with an empty second one shows the empty one as it is.
  setLine(pf::brand2NameLine, "");
  page.Combo2.choose(0);
  EXPECT_EQ(page.brand2.caption(), "");
  EXPECT_EQ(line(pf::brand2NameLine), "");
}

TEST_F(Step1, TheDescriptionIsStoredAtEveryKeystroke) {
  page.Text1.type("A");
  EXPECT_EQ(line(pf::descriptionLine), "A");
  page.Text1.type("A small promotion");
  EXPECT_EQ(line(pf::descriptionLine), "A small promotion");
  page.Text1.type("");
  EXPECT_EQ(line(pf::descriptionLine), "");

  page.Text1.doubleClick();
  EXPECT_EQ(desktop.last().title, "Description");
  EXPECT_EQ(desktop.last().text,
            "Type in a short description of this promotion, to help a new player when choosing "
            "which promotion to control.");
}

TEST_F(Step1, NextMovesOnAndBackAsksFirst) {
  page.Command1.click();
  EXPECT_TRUE(editor.form4.visible());
  EXPECT_FALSE(page.visible());

  open(page);
  const std::vector<std::string> before = lines();
  desktop.answerNo();
  page.Command2.click();
  EXPECT_EQ(desktop.last().text,
            "If you haven't gone through all steps and clicked Save, you will lose any changes by "
            "returning to the menu.\r\n\r\nAre you sure you want to go back to the menu?");
  EXPECT_EQ(desktop.last().buttons, ui::Buttons::YesNo);
  EXPECT_TRUE(page.visible());

  desktop.answerYes();
  page.Command2.click();
  EXPECT_TRUE(editor.form2.visible());
  EXPECT_FALSE(page.visible());
  EXPECT_EQ(lines(), before);  // nothing cleared
}

}  // namespace
