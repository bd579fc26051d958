#include "promotion/page_fill.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "promotion/wizard_page.h"
#include "tests/promotion/chooser_session.h"
#include "tests/promotion/promotion_lines.h"

using namespace promotion_file;
using promenutest::openPromotion;
using promenutest::Session;
using promotionlines::Edits;
using promotionlines::promotionWith;

namespace {

void createPromotion(Session& s) {
  s.desktop.reply("vlf.fed");
  s.editor.form1.Command2.click();
  ASSERT_TRUE(s.editor.form3.visible());
}

void openLines(Session& s, const std::vector<std::string>& lines,
               const std::string& name = "test.fed") {
  s.folder.write("Data/" + name, lines);
  s.editor.form3.hide();
  s.editor.form1.show();
  openPromotion(s.editor, name);
  ASSERT_TRUE(s.editor.form3.visible());
}

// Everything a person sees of the eight pages: each control's caption, text, choice or value, and
// whether it is enabled and white.
std::string pagesAsSeen(Editor& editor) {
  std::ostringstream seen;
  const ui::Form* pages[] = {&editor.form3, &editor.form4, &editor.form5,  &editor.form6,
                             &editor.form7, &editor.form8, &editor.form10, &editor.form11};
  for (const ui::Form* page : pages) {
    for (const ui::Control* control : page->controls()) {
      seen << control->name() << ":";
      if (auto* label = dynamic_cast<const ui::Label*>(control))
        seen << label->caption() << (label->backColor() == ui::white ? " white" : "");
      if (auto* list = dynamic_cast<const ui::ComboBox*>(control)) seen << list->text();
      if (auto* box = dynamic_cast<const ui::TextBox*>(control)) seen << box->text();
      if (auto* bar = dynamic_cast<const ui::HScrollBar*>(control)) seen << bar->value();
      seen << (control->enabled() ? "" : " disabled") << (control->visible() ? "" : " hidden")
           << "\n";
    }
  }
  return seen.str();
}

}  // namespace

TEST(PageFill, ANewPromotionShowsTheTemplateOnEveryPage) {
  Session s;
  createPromotion(s);
  Editor& e = s.editor;

  EXPECT_EQ(e.form3.prominitials.caption(), "VLF");
  EXPECT_EQ(e.form3.promname.caption(), "Vorlune Federation");
  EXPECT_EQ(e.form3.promlogo.caption(), "default.jpg");
  EXPECT_EQ(e.form3.Combo1.text(), "Basic Indy");
  EXPECT_EQ(e.form3.bankbalance.caption(), "250000");
  EXPECT_EQ(e.form3.Text1.text(), "A new promotion.");
  EXPECT_EQ(e.form3.owner.caption(), "Jorvin Halsk");
  EXPECT_EQ(e.form3.Combo2.text(), "No");
  for (const ui::Label* brand :
       {&e.form3.brand1, &e.form3.brand2, &e.form3.Label14, &e.form3.Label16})
    EXPECT_FALSE(brand->enabled()) << brand->name();
  EXPECT_EQ(e.form3.Combo3.text(), "None");

  EXPECT_TRUE(wizard::isSelected(e.form4.show1));
  EXPECT_FALSE(wizard::isSelected(e.form4.show2));
  EXPECT_EQ(e.form4.nameofshow.caption(), "House Show");
  EXPECT_EQ(e.form4.Combo1.text(), "Wednesday");
  EXPECT_EQ(e.form4.showlogo.caption(), "NA");
  EXPECT_EQ(e.form4.Combo2.text(), "All");
  EXPECT_EQ(e.form4.Combo3.text(), "House");
  EXPECT_EQ(e.form4.HScroll1.value(), 50);
  EXPECT_EQ(e.form4.percentage.caption(), "50%");
  EXPECT_EQ(e.form4.tvrating.caption(), "10");

  EXPECT_EQ(e.form5.tvatt.caption(), "300");
  EXPECT_EQ(e.form5.untvatt.caption(), "100");
  EXPECT_EQ(e.form5.Combo1.text(), "$500 Per Show");
  EXPECT_EQ(e.form5.Combo3.text(), "$500 Per Show");

  EXPECT_EQ(e.form6.Combo1.text(), "No");
  EXPECT_EQ(e.form6.ppvbuyrate.caption(), "0.1");
  EXPECT_EQ(e.form6.bigshowatt.caption(), "300");
  EXPECT_TRUE(wizard::isSelected(e.form6.month1));
  EXPECT_FALSE(wizard::isSelected(e.form6.month12));
  EXPECT_EQ(e.form6.bigshowname.caption(), "None");
  EXPECT_EQ(e.form6.Combo2.text(), "All");
  EXPECT_EQ(e.form6.bigshowlogo.caption(), "NA");

  EXPECT_EQ(e.form7.nameofbigshow.caption(), "None");
  EXPECT_EQ(e.form7.Combo2.text(), "Basic");
  EXPECT_EQ(e.form7.dateofshow.caption(), "");
  EXPECT_EQ(e.form7.HScroll1.value(), 0);
  EXPECT_EQ(e.form7.days.caption(), "0");

  EXPECT_TRUE(wizard::isSelected(e.form8.title1));
  EXPECT_EQ(e.form8.Combo1.text(), "Singles");
  EXPECT_FALSE(e.form8.Combo1.enabled());
  EXPECT_EQ(e.form8.titlename.caption(), "World Heavyweight Title");
  EXPECT_EQ(e.form8.holdername.caption(), "World Heavyweight Champion");
  EXPECT_EQ(e.form8.HScroll1.value(), 50);
  EXPECT_EQ(e.form8.titlevalue.caption(), "50%");
  EXPECT_EQ(e.form8.Combo2.text(), "Male");
  EXPECT_EQ(e.form8.Combo3.text(), "All");
  EXPECT_EQ(e.form8.Combo4.text(), "No");
  EXPECT_EQ(e.form8.Combo5.text(), "All");
  EXPECT_EQ(e.form8.HScroll2.value(), 60);
  EXPECT_EQ(e.form8.mindraw.caption(), "60");
  EXPECT_EQ(e.form8.currentchamp.caption(), "Vacant");
  EXPECT_EQ(e.form8.champ1.caption(), "None");
  EXPECT_EQ(e.form8.champ2.caption(), "None");
  EXPECT_EQ(e.form8.reign.caption(), "0");
  EXPECT_EQ(e.form8.defenses.caption(), "0");
  EXPECT_EQ(e.form8.historydate.caption(), "Monday 23rd August 2004");

  for (const ui::Label* label :
       {&e.form10.powerfig1name, &e.form10.brand1powerfig1title, &e.form10.brand1powerfig2name,
        &e.form10.brand1powerfig2title, &e.form10.brand2powerfig1name,
        &e.form10.brand2powerfig1title, &e.form10.brand2powerfig2name,
        &e.form10.brand2powerfig2title, &e.form10.interviewer1, &e.form10.interviewer2})
    EXPECT_EQ(label->caption(), "None") << label->name();

  for (const ui::Label* label :
       {&e.form11.brand1talkshowname, &e.form11.brand1talkshowhost, &e.form11.talkshow1showname,
        &e.form11.brand2talkshowname, &e.form11.brand2talkshowhost, &e.form11.talkshow2showname})
    EXPECT_EQ(label->caption(), "NA") << label->name();
  EXPECT_EQ(e.form11.popularity.caption(), "50%");
  EXPECT_EQ(e.form11.HScroll1.value(), 50);
  EXPECT_EQ(e.form11.Combo2.text(), "USA");

  // The lines the fill's handlers and the new promotion's January write; nothing else changes.
  std::vector<std::string> expected = templateLines();
  expected[monthLine(1, MonthField::brand)] = "All";
  expected[monthLine(1, MonthField::logo)] = "NA";
  expected[nextBigShowLevelLine] = "1";
  EXPECT_EQ(s.openLines(), expected);
  EXPECT_TRUE(s.desktop.messageTexts().empty());
}

TEST(PageFill, AnOpenedPromotionKeepsItsEmptyJanuaryLogo) {
  Session s;
  openLines(s, templateLines());
  EXPECT_EQ(s.editor.form6.bigshowlogo.caption(), "NA");
  std::vector<std::string> expected = templateLines();
  expected[monthLine(1, MonthField::brand)] = "All";
  expected[nextBigShowLevelLine] = "1";
  EXPECT_EQ(s.openLines(), expected);
}

TEST(PageFill, ShowsPrimaryShow1sRatingInItsUnit) {
  struct Case {
    Edits edits;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {{{sizeLine, "2"},
        {tvCoverageLine, "Local"},
        {showLine(0, ShowField::type), "TV"},
        {showLine(0, ShowField::ratingOrBuys), "250"}},
       "2.5"},
      {{{sizeLine, "4"},
        {tvCoverageLine, "National"},
        {showLine(0, ShowField::type), "PPV"},
        {showLine(0, ShowField::ratingOrBuys), "5000"}},
       "5000"},
      {{{showLine(0, ShowField::ratingOrBuys), "250"}}, "250"},
  };
  for (const Case& c : cases) {
    Session s;
    openLines(s, promotionWith(c.edits));
    EXPECT_EQ(s.editor.form4.tvrating.caption(), c.shown);
    EXPECT_TRUE(s.desktop.messageTexts().empty());
  }
}

TEST(PageFill, ARosterSplitWithoutNamesNamesItsBrands) {
  Session s;
  openLines(s, promotionWith({{rosterSplitLine, "Yes"}}));
  EXPECT_EQ(s.editor.form3.brand1.caption(), "Brand 1");
  EXPECT_EQ(s.editor.form3.brand2.caption(), "Brand 2");
  EXPECT_TRUE(s.editor.form3.brand1.enabled());
  EXPECT_TRUE(s.editor.form3.Label16.enabled());
  EXPECT_EQ(s.openLines()[brand1NameLine], "Brand 1");
  EXPECT_EQ(s.openLines()[brand2NameLine], "Brand 2");
}

TEST(PageFill, ACoverageThatDoesNotFitTheSizeIsCorrectedWhileOpening) {
  Session s;
  openLines(s, promotionWith({{tvCoverageLine, "National"}}));
  EXPECT_EQ(s.desktop.messageTexts(),
            std::vector<std::string>{
                "The promotion size must be at least Small National to have National TV."});
  EXPECT_EQ(s.editor.form3.Combo3.text(), "None");
  EXPECT_EQ(s.openLines()[tvCoverageLine], "None");
}

TEST(PageFill, ANamedNextBigShowIsShownAsStored) {
  Session s;
  const std::vector<std::string> lines =
      promotionWith({{nextBigShowNameLine, "Mayhem"},
                     {nextBigShowLevelLine, "3"},
                     {nextBigShowDateLine, "Friday 1st July 2005"},
                     {nextBigShowDaysLine, "12"},
                     {monthLine(1, MonthField::name), "Winter Brawl"},
                     {monthLine(1, MonthField::brand), "All"},
                     {monthLine(1, MonthField::logo), "wb.jpg"}});
  openLines(s, lines);
  EXPECT_EQ(s.editor.form7.nameofbigshow.caption(), "Mayhem");
  EXPECT_EQ(s.editor.form7.Combo2.text(), "Extensive");
  EXPECT_EQ(s.editor.form7.dateofshow.caption(), "Friday 1st July 2005");
  EXPECT_EQ(s.editor.form7.HScroll1.value(), 12);
  EXPECT_EQ(s.editor.form7.days.caption(), "12");
  EXPECT_EQ(s.editor.form6.bigshowname.caption(), "Winter Brawl");
  EXPECT_EQ(s.editor.form6.bigshowlogo.caption(), "wb.jpg");
  // Every handler the fill raised wrote back what its line held.
  EXPECT_EQ(s.openLines(), lines);
}

// Lines no control can show as they stand are left as they are; their controls show no choice or
// the nearest value they can, and no other line changes.
TEST(PageFill, LinesTheControlsCannotShowStayAsTheyAre) {
  Session s;
  using F = TitleField;
  const std::vector<std::string> lines =
      promotionWith({{sizeLine, "9"},
                     {tvCoverageLine, "National"},
                     {showLine(0, ShowField::day), "Funday"},
                     {showLine(0, ShowField::popularity), "abc"},
                     {showLine(0, ShowField::type), "Cable"},
                     {primaryProductionLine, "25"},
                     {secondaryProductionLine, "2.5"},
                     {ppvDealLine, "Maybe"},
                     {monthLine(1, MonthField::name), "Winter Brawl"},
                     {monthLine(1, MonthField::brand), "Brand 9"},
                     {nextBigShowNameLine, "Mayhem"},
                     {nextBigShowLevelLine, ""},
                     {nextBigShowDaysLine, "400"},
                     {titleLine(1, F::value), "-5"},
                     {titleLine(1, F::gender), "Robot"},
                     {titleLine(1, F::minimumDraw), "60.5"},
                     {popularityLine, "150"},
                     {countryLine, "Mars"}});
  openLines(s, lines);
  EXPECT_EQ(s.openLines(), lines);
  EXPECT_TRUE(s.desktop.messageTexts().empty());

  Editor& e = s.editor;
  EXPECT_EQ(e.form3.Combo1.text(), "");
  EXPECT_EQ(e.form3.Combo3.text(), "National");
  EXPECT_EQ(e.form4.Combo1.text(), "");
  EXPECT_EQ(e.form4.Combo3.text(), "");
  EXPECT_EQ(e.form4.HScroll1.value(), 0);
  EXPECT_EQ(e.form4.percentage.caption(), "abc%");
  EXPECT_EQ(e.form5.Combo1.text(), "");
  EXPECT_EQ(e.form5.Combo2.text(), "");
  EXPECT_EQ(e.form5.Combo3.text(), "$500 Per Show");
  EXPECT_EQ(e.form6.Combo1.text(), "");
  EXPECT_EQ(e.form6.Combo2.text(), "");
  EXPECT_EQ(e.form7.Combo2.text(), "");
  EXPECT_EQ(e.form7.HScroll1.value(), 40);
  EXPECT_EQ(e.form7.days.caption(), "400");
  EXPECT_EQ(e.form8.HScroll1.value(), 0);
  EXPECT_EQ(e.form8.titlevalue.caption(), "-5%");
  EXPECT_EQ(e.form8.Combo2.text(), "");
  EXPECT_EQ(e.form8.HScroll2.value(), 60);
  EXPECT_EQ(e.form8.mindraw.caption(), "60.5");
  EXPECT_EQ(e.form11.HScroll1.value(), 100);
  EXPECT_EQ(e.form11.popularity.caption(), "150%");
  EXPECT_EQ(e.form11.Combo2.text(), "");
}

// Opening a promotion after another shows the second exactly as it shows in an editor that never
// held the first.
TEST(PageFill, ASecondPromotionLeavesNothingOfTheFirst) {
  using F = TitleField;
  const std::vector<std::string> first =
      promotionWith({{initialsLine, "FIRST"},
                     {sizeLine, "5"},
                     {rosterSplitLine, "Yes"},
                     {brand1NameLine, "Grit"},
                     {brand2NameLine, "Surge"},
                     {tvCoverageLine, "National"},
                     {showLine(0, ShowField::day), "Friday"},
                     {showLine(0, ShowField::type), "TV"},
                     {showLine(0, ShowField::ratingOrBuys), "350"},
                     {showLine(0, ShowField::popularity), "80"},
                     {primaryProductionLine, "12"},
                     {ppvDealLine, "Yes"},
                     {buyRateLine, "85"},
                     {monthLine(1, MonthField::name), "Winter Brawl"},
                     {monthLine(1, MonthField::brand), "Brand 2"},
                     {monthLine(1, MonthField::logo), "wb.jpg"},
                     {nextBigShowNameLine, "Mayhem"},
                     {nextBigShowLevelLine, "2"},
                     {nextBigShowDateLine, "Friday 1st July 2005"},
                     {nextBigShowDaysLine, "12"},
                     {titleLine(1, F::value), "90"},
                     {titleLine(1, F::champion), "Rook"},
                     {powerFigureNameLine(1, 1), "Mara Quell"},
                     {interviewer2Line, "Tam Reyes"},
                     {segmentNameLine(1), "The Pit"},
                     {segmentHostLine(1), "Vic Dane"},
                     {popularityLine, "77"},
                     {countryLine, "Japan"}});
  const std::vector<std::string> second = promotionWith({{initialsLine, "SECOND"}});

  Session fresh;
  openLines(fresh, second, "second.fed");
  Session s;
  openLines(s, first, "first.fed");
  // The first one's other slots, months and titles are looked at too.
  s.editor.form4.show3_Click();
  s.editor.form6.month7_Click();
  s.editor.form8.title6_Click();
  openLines(s, second, "second.fed");

  EXPECT_EQ(pagesAsSeen(s.editor), pagesAsSeen(fresh.editor));
  EXPECT_EQ(s.openLines(), fresh.openLines());
}

// Positions (production values, the next big show's level) and the scroll lines read by their
// leading number count by that number: the list or bar shows it, and its handler writes the line
// back as plain text. A number outside the list or the bar shows no choice, or the bar's nearest
// value, and the line stays as it is. The size line is compared as text and has no such reading.
TEST(PageFill, PositionsAndLeadingNumberScrollLinesCountByTheirNumber) {
  using F = TitleField;
  struct Case {
    std::size_t index;
    std::string line;
    std::function<std::string(Editor&)> shown;
    std::string expectedShown, lineAfter;
  };
  auto text = [](ui::ComboBox Form5::*list) {
    return [list](Editor& e) { return (e.form5.*list).text(); };
  };
  const auto level = [](Editor& e) { return e.form7.Combo2.text(); };
  const auto days = [](Editor& e) {
    return std::to_string(e.form7.HScroll1.value()) + " " + e.form7.days.caption();
  };
  const auto value = [](Editor& e) {
    return std::to_string(e.form8.HScroll1.value()) + " " + e.form8.titlevalue.caption();
  };
  const auto draw = [](Editor& e) {
    return std::to_string(e.form8.HScroll2.value()) + " " + e.form8.mindraw.caption();
  };
  const std::vector<Case> cases = {
      {primaryProductionLine, "05", text(&Form5::Combo1), "$7,500 Per Show", "5"},
      {secondaryProductionLine, "3 ", text(&Form5::Combo2), "$2,500 Per Show", "3"},
      {bigShowProductionLine, "7.0", text(&Form5::Combo3), "$15,000 Per Show", "7"},
      {primaryProductionLine, "20 Per Show", text(&Form5::Combo1), "$1,250,000 Per Show", "20"},
      {nextBigShowLevelLine, "02", level, "Regular", "2"},
      // A title's bars show their lines and never write them.
      {titleLine(1, F::value), "60 ", value, "60 60 %", "60 "},
      {titleLine(1, F::minimumDraw), "45 points", draw, "45 45 points", "45 points"},
      {nextBigShowDaysLine, "012", days, "12 12", "12"},
      // Outside the list or the bar's range, or not a whole number: the line stays.
      {primaryProductionLine, "0", text(&Form5::Combo1), "", "0"},
      {secondaryProductionLine, "21", text(&Form5::Combo2), "", "21"},
      {bigShowProductionLine, "2.5", text(&Form5::Combo3), "", "2.5"},
      {nextBigShowLevelLine, "4 ", level, "", "4 "},
      {nextBigShowLevelLine, "", level, "", ""},
      {titleLine(1, F::value), "150 ", value, "100 150 %", "150 "},
      {titleLine(1, F::minimumDraw), "-3", draw, "0 -3", "-3"},
      {nextBigShowDaysLine, "41 days", days, "40 41 days", "41 days"},
      {nextBigShowDaysLine, "12.5", days, "12 12.5", "12.5"},
  };
  // A promotion with a named next big show that the fill leaves exactly as it is.
  const std::vector<std::string> base = promotionWith({{monthLine(1, MonthField::brand), "All"},
                                                       {nextBigShowNameLine, "Mayhem"},
                                                       {nextBigShowLevelLine, "1"},
                                                       {nextBigShowDaysLine, "0"}});
  for (const Case& c : cases) {
    SCOPED_TRACE("line " + std::to_string(c.index) + " \"" + c.line + "\"");
    Session s;
    std::vector<std::string> lines = base;
    lines[c.index] = c.line;
    openLines(s, lines);
    EXPECT_EQ(c.shown(s.editor), c.expectedShown);
    lines[c.index] = c.lineAfter;
    EXPECT_EQ(s.openLines(), lines);
    EXPECT_TRUE(s.desktop.messageTexts().empty());
  }

  // The size has no leading-number reading: "05" is none of "1" to "6". (With no size chosen, only
  // a national coverage is left as it is.)
  Session s;
  const std::vector<std::string> lines =
      promotionWith({{sizeLine, "05"}, {tvCoverageLine, "National"}});
  openLines(s, lines);
  EXPECT_EQ(s.editor.form3.Combo1.text(), "");
  EXPECT_EQ(s.openLines()[sizeLine], "05");
}

// A size line that is none of "1" to "6" leaves the size list showing the earlier promotion's
// size, raises nothing and keeps the line.
TEST(PageFill, AnUnmatchedSizeLineKeepsTheEarlierChoice) {
  // National coverage fits every size these lines count as, so nothing corrects it.
  for (const char* unmatched : {"9", "05", "6 "}) {
    SCOPED_TRACE(std::string("size line \"") + unmatched + "\"");
    Session s;
    openLines(s, promotionWith({{sizeLine, "6"}, {tvCoverageLine, "National"}}), "first.fed");
    ASSERT_EQ(s.editor.form3.Combo1.text(), sizeNames[5]);
    const std::vector<std::string> second =
        promotionWith({{sizeLine, unmatched}, {tvCoverageLine, "National"}});
    openLines(s, second, "second.fed");
    EXPECT_EQ(s.editor.form3.Combo1.text(), sizeNames[5]);
    EXPECT_EQ(s.openLines()[sizeLine], unmatched);
    EXPECT_TRUE(s.desktop.messageTexts().empty());
    // Every line is as an editor that never held the first promotion makes it.
    Session fresh;
    openLines(fresh, second, "second.fed");
    EXPECT_EQ(s.openLines(), fresh.openLines());
    EXPECT_EQ(fresh.editor.form3.Combo1.text(), "");
  }
}
