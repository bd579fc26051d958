// Step 6, the title belts: selecting a slot, what that shows and writes, the title name prompt
// with its "None" rules, the field prompts, pick lists and scroll bars, and moving on.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "tests/promotion/open_promotion.h"

namespace {

using promotion_file::TitleField;
using promotion_file::titleLine;

class TitleBelts : public OpenPromotion {
 protected:
  Form8& page = editor.form8;

  // The page on screen with the primary title selected.
  void SetUp() override {
    open(page);
    page.title1.click();
  }

  ui::Label& slotLabel(int slot) {
    ui::Label* labels[] = {&page.title1, &page.title2, &page.title3, &page.title4,
                           &page.title5, &page.title6, &page.title7, &page.title8};
    return *labels[slot - 1];
  }

  // The lines that differ from `before`, by index.
  std::map<std::size_t, std::string> changes(const std::vector<std::string>& before) const {
    std::map<std::size_t, std::string> changed;
    const std::vector<std::string> after = lines();
    EXPECT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size() && i < before.size(); ++i)
      if (after[i] != before[i]) changed[i] = after[i];
    return changed;
  }

  // Names a slot 2 to 8 and fills every field, as a user would.
  void nameSlot(int slot, const std::string& name) {
    slotLabel(slot).click();
    desktop.reply(name);
    page.titlename.click();
    desktop.reply("Holder");
    page.holdername.click();
    desktop.reply("Champion");
    page.currentchamp.click();
    desktop.reply("12");
    page.reign.click();
    desktop.reply("3");
    page.defenses.click();
    desktop.reply("Monday 2nd August 2004");
    page.historydate.click();
    page.HScroll1.scrollTo(70);
    page.HScroll2.scrollTo(40);
    page.Combo2.choose(1);
    if (promotion_file::isCustomTitle(slot)) {
      desktop.reply("First");
      page.champ1.click();
      desktop.reply("Second");
      page.champ2.click();
    }
    desktop.forget();
  }
};

TEST_F(TitleBelts, ASlotWithoutATitleShowsAndWritesItsDefaults) {
  const struct {
    int slot;
    std::map<std::size_t, std::string> written;
    std::string holders, reignAndDefences;
    bool typeEnabled;
  } cases[] = {
      {2,
       {{102, "0"}, {103, "All"}, {104, "All"}, {105, "No"}, {106, "0"}, {107, "All"}},
       "None",
       "0",
       false},
      {5,
       {{147, "Singles"},
        {148, "0"},
        {149, "All"},
        {150, "All"},
        {151, "No"},
        {152, "0"},
        {153, "All"}},
       "",
       "",
       true},
      {8,
       {{201, "Singles"},
        {202, "0"},
        {203, "All"},
        {204, "All"},
        {205, "No"},
        {206, "0"},
        {207, "All"}},
       "",
       "",
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slot);
    editor.form2.List1.clear();  // a fresh new promotion each time
    for (const std::string& text : editor.form2.List2.items()) editor.form2.List1.addItem(text);
    page.title1.click();
    const std::vector<std::string> before = lines();

    slotLabel(c.slot).click();
    EXPECT_EQ(changes(before), c.written);
    for (int slot = 1; slot <= 8; ++slot)
      EXPECT_EQ(slotLabel(slot).backColor(), slot == c.slot ? ui::white : ui::silver);
    EXPECT_EQ(page.titlename.caption(), "None");
    EXPECT_EQ(page.holdername.caption(), "");
    EXPECT_EQ(page.Combo1.text(), "Singles");
    EXPECT_EQ(page.Combo1.enabled(), c.typeEnabled);
    EXPECT_EQ(page.HScroll1.value(), 0);
    EXPECT_EQ(page.titlevalue.caption(), "0%");
    EXPECT_EQ(page.Combo2.text(), "All");
    EXPECT_EQ(page.Combo3.text(), "All");
    EXPECT_EQ(page.Combo4.text(), "No");
    EXPECT_EQ(page.Combo5.text(), "All");
    EXPECT_EQ(page.HScroll2.value(), 0);
    EXPECT_EQ(page.mindraw.caption(), "0");
    EXPECT_EQ(page.currentchamp.caption(), "");
    EXPECT_EQ(page.champ1.caption(), c.holders);
    EXPECT_EQ(page.champ2.caption(), c.holders);
    EXPECT_EQ(page.reign.caption(), c.reignAndDefences);
    EXPECT_EQ(page.defenses.caption(), c.reignAndDefences);
    EXPECT_EQ(page.historydate.caption(), "");
  }
}

TEST_F(TitleBelts, ThePrimaryTitleLoadsItsLinesAndWritesNothing) {
  page.title6.click();
  const std::vector<std::string> before = lines();
  page.title1.click();
  EXPECT_TRUE(changes(before).empty());
  EXPECT_EQ(page.titlename.caption(), "World Heavyweight Title");
  EXPECT_EQ(page.holdername.caption(), "World Heavyweight Champion");
  EXPECT_EQ(page.Combo1.text(), "Singles");
  EXPECT_FALSE(page.Combo1.enabled());
  EXPECT_EQ(page.HScroll1.value(), 50);
  EXPECT_EQ(page.titlevalue.caption(), "50%");
  EXPECT_EQ(page.Combo2.text(), "Male");
  EXPECT_EQ(page.Combo3.text(), "All");
  EXPECT_EQ(page.Combo4.text(), "No");
  EXPECT_EQ(page.Combo5.text(), "All");
  EXPECT_EQ(page.HScroll2.value(), 60);
  EXPECT_EQ(page.mindraw.caption(), "60");
  EXPECT_EQ(page.currentchamp.caption(), "Vacant");
  EXPECT_EQ(page.champ1.caption(), "None");
  EXPECT_EQ(page.champ2.caption(), "None");
  EXPECT_EQ(page.reign.caption(), "0");
  EXPECT_EQ(page.defenses.caption(), "0");
  EXPECT_EQ(page.historydate.caption(), "Monday 23rd August 2004");
}

TEST_F(TitleBelts, ANamedSlotIsShownFromItsLinesAndSelectingItAgainShowsItAfresh) {
  nameSlot(6, "Tag Belts");
  page.Combo1.choose(1);
  setLine(titleLine(6, TitleField::tagHolder1), "");
  page.title1.click();
  const std::vector<std::string> before = lines();

  page.title6.click();
  EXPECT_TRUE(changes(before).empty());
  EXPECT_EQ(page.titlename.caption(), "Tag Belts");
  EXPECT_EQ(page.Combo1.text(), "Tag Team");
  EXPECT_TRUE(page.Combo1.enabled());
  EXPECT_EQ(page.titlevalue.caption(), "70%");
  EXPECT_EQ(page.Combo2.text(), "Male");
  EXPECT_EQ(page.mindraw.caption(), "40");
  EXPECT_EQ(page.champ1.caption(), "None");  // its line is ""
  EXPECT_EQ(page.champ2.caption(), "Second");
  EXPECT_EQ(page.reign.caption(), "12");
  EXPECT_EQ(page.historydate.caption(), "Monday 2nd August 2004");

  desktop.reply("Somebody");
  page.currentchamp.click();
  page.title6.click();
  EXPECT_EQ(page.currentchamp.caption(), "Somebody");
  EXPECT_EQ(page.champ1.caption(), "None");
}

TEST_F(TitleBelts, TheTypeIsStoredOnlyForACustomSlot) {
  page.title7.click();
  desktop.reply("Trios Titles");
  page.titlename.click();
  page.Combo1.choose(1);
  EXPECT_EQ(line(183), "Tag Team");
  page.title1.click();
  EXPECT_EQ(page.Combo1.text(), "Singles");
  EXPECT_FALSE(page.Combo1.enabled());
  EXPECT_EQ(line(183), "Tag Team");
  page.title7.click();
  EXPECT_EQ(page.Combo1.text(), "Tag Team");
  EXPECT_TRUE(page.Combo1.enabled());

  // A slot without a title shows its defaults again, whatever its type line held.
  page.title8.click();
  page.Combo1.choose(1);
  EXPECT_EQ(line(201), "Tag Team");
  page.title8.click();
  EXPECT_EQ(page.Combo1.text(), "Singles");
  EXPECT_EQ(line(201), "Singles");
}

TEST_F(TitleBelts, ThePrimaryTitleCannotBeRemoved) {
  const std::vector<std::string> before = lines();
  desktop.reply("None");
  page.titlename.click();
  EXPECT_EQ(desktop.dialogs()[0].title, "Title Name");
  EXPECT_EQ(desktop.dialogs()[0].defaultAnswer, "World Heavyweight Title");
  EXPECT_EQ(desktop.last().text, "Every promotion must have a primary singles title.");
  EXPECT_EQ(desktop.last().title, "");
  EXPECT_EQ(desktop.last().icon, ui::Icon::None);
  EXPECT_EQ(page.titlename.caption(), "World Heavyweight Title");
  EXPECT_TRUE(changes(before).empty());

  desktop.reply("Crown Title");
  page.titlename.click();
  EXPECT_EQ(line(85), "Crown Title");
  EXPECT_EQ(page.titlename.caption(), "Crown Title");
}

TEST_F(TitleBelts, NoneRemovesANamedSinglesTitleButKeepsItsRecordLines) {
  nameSlot(3, "TV Title");
  setLine(125, "Old Holder");
  setLine(126, "200");
  setLine(129, "Old Champion");
  desktop.reply("None");
  page.titlename.click();

  const std::map<std::size_t, std::string> expected = {
      {115, ""},   {116, ""},  {117, "0"},          {118, "All"}, {119, "All"},
      {120, "No"}, {121, "0"}, {122, "All"},        {123, ""},    {124, ""},
      {127, ""},   {128, ""},  {125, "Old Holder"}, {126, "200"}, {129, "Old Champion"}};
  for (const auto& [index, text] : expected) EXPECT_EQ(line(index), text) << index;
  EXPECT_EQ(page.titlename.caption(), "None");
  EXPECT_EQ(page.reign.caption(), "0");
  EXPECT_EQ(page.defenses.caption(), "0");
  EXPECT_EQ(page.champ1.caption(), "None");
  EXPECT_EQ(page.champ2.caption(), "None");
  EXPECT_EQ(page.titlevalue.caption(), "0%");
  EXPECT_EQ(page.mindraw.caption(), "0");
}

TEST_F(TitleBelts, NoneRemovesANamedCustomTitle) {
  nameSlot(8, "Hardcore Title");
  page.Combo1.choose(1);
  setLine(212, "Old Holder");
  setLine(213, "9");
  setLine(216, "Old Champion");
  desktop.reply("None");
  page.titlename.click();

  for (std::size_t index : {199, 200, 208, 209, 210, 211, 214, 215})
    EXPECT_EQ(line(index), "") << index;
  const std::map<std::size_t, std::string> expected = {
      {201, "Singles"}, {202, "0"},   {203, "All"},        {204, "All"}, {205, "No"},
      {206, "0"},       {207, "All"}, {212, "Old Holder"}, {213, "9"},   {216, "Old Champion"}};
  for (const auto& [index, text] : expected) EXPECT_EQ(line(index), text) << index;
  EXPECT_TRUE(page.Combo1.enabled());
  EXPECT_EQ(page.Combo1.text(), "Singles");
  EXPECT_EQ(page.champ1.caption(), "None");
}

TEST_F(TitleBelts, TitleNameAnswers) {
  // "none" in lower case is a name; a name changes only the name line.
  page.title2.click();
  std::vector<std::string> before = lines();
  desktop.reply("none");
  page.titlename.click();
  EXPECT_EQ(changes(before), (std::map<std::size_t, std::string>{{100, "none"}}));
  EXPECT_EQ(page.titlename.caption(), "none");

  // Cancel changes nothing.
  before = lines();
  desktop.reply("");
  page.titlename.click();
  EXPECT_TRUE(changes(before).empty());
  EXPECT_EQ(page.titlename.caption(), "none");

  // Confirming "None" on a slot without a title resets it again.
  page.title4.click();
  setLine(131, "stray");
  desktop.reply("None");
  page.titlename.click();
  EXPECT_EQ(line(130), "");
  EXPECT_EQ(line(131), "");
  EXPECT_EQ(line(132), "0");
}

TEST_F(TitleBelts, FieldPromptsWriteIntoTheSelectedSlot) {
  const struct {
    ui::Label Form8::*label;
    std::string title, answer, shown;
    int slot;
    TitleField field;
  } cases[] = {
      {&Form8::holdername, "Holder Name", "  ", "  ", 2, TitleField::holderName},
      {&Form8::currentchamp, "Current Champion(s)", "Vacant", "Vacant", 3, TitleField::champion},
      {&Form8::currentchamp, "Current Champion(s)", "Ash & Bolt", "Ash & Bolt", 5,
       TitleField::champion},
      {&Form8::reign, "Current Reign", "1,000", "1", 4, TitleField::reignDays},
      {&Form8::reign, "Current Reign", "-20 days", "-20", 7, TitleField::reignDays},
      {&Form8::reign, "Current Reign", "   ", "0", 2, TitleField::reignDays},
      {&Form8::defenses, "Title Defences", "None", "0", 6, TitleField::defences},
      {&Form8::historydate, "Date Of Title Change", "sometime", "sometime", 8,
       TitleField::changeDate},
      {&Form8::champ2, "Champion 2", "None", "None", 6, TitleField::tagHolder2},
      {&Form8::champ1, "Champion 1", "Kit", "Kit", 5, TitleField::tagHolder1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title + " " + c.answer);
    slotLabel(c.slot).click();
    const std::vector<std::string> before = lines();
    desktop.forget();
    desktop.reply(c.answer);
    (page.*c.label).click();
    EXPECT_EQ(desktop.last().title, c.title);
    EXPECT_EQ((page.*c.label).caption(), c.shown);
    EXPECT_EQ(changes(before),
              (std::map<std::size_t, std::string>{{titleLine(c.slot, c.field), c.shown}}));

    // Cancel leaves the label and the line.
    desktop.reply("");
    (page.*c.label).click();
    EXPECT_EQ(desktop.last().defaultAnswer, c.shown);
    EXPECT_EQ((page.*c.label).caption(), c.shown);
  }
}

TEST_F(TitleBelts, ANumberTooLargeToHoldIsRefused) {
  page.title2.click();
  const std::vector<std::string> before = lines();
  desktop.reply("9" + std::string(400, '0'));
  page.defenses.click();
  EXPECT_EQ(desktop.last().kind, Dialog::Kind::Message);
  EXPECT_EQ(desktop.last().text.rfind("Invalid Number!", 0), 0u);
  EXPECT_EQ(page.defenses.caption(), "0");
  EXPECT_TRUE(changes(before).empty());
}

TEST_F(TitleBelts, TagTeamHoldersOfASinglesTitleLiveOnlyInTheLabels) {
  page.title3.click();
  const std::vector<std::string> before = lines();
  desktop.reply("Kit");
  page.champ1.click();
  EXPECT_EQ(page.champ1.caption(), "Kit");
  EXPECT_TRUE(changes(before).empty());
  page.title3.click();
  EXPECT_EQ(page.champ1.caption(), "None");
}

TEST_F(TitleBelts, PickListsAndScrollBarsWriteIntoTheSelectedSlot) {
  page.title2.click();
  page.Combo2.choose(2);
  EXPECT_EQ(line(103), "Female");
  page.title8.click();
  page.Combo2.choose(2);
  EXPECT_EQ(line(203), "Female");
  EXPECT_EQ(line(103), "Female");

  page.Combo3.choose(2);
  page.Combo4.choose(1);
  page.Combo5.choose(2);
  EXPECT_EQ(line(204), "Heavy");
  EXPECT_EQ(line(205), "Yes");
  EXPECT_EQ(line(207), "Brand 2");

  page.HScroll1.dragTo(-5);
  EXPECT_EQ(page.titlevalue.caption(), "0%");
  EXPECT_EQ(line(202), "0");
  page.HScroll1.dragTo(100);
  EXPECT_EQ(page.titlevalue.caption(), "100%");
  EXPECT_EQ(line(202), "100");
  page.HScroll2.scrollTo(60);
  EXPECT_EQ(page.mindraw.caption(), "60");
  EXPECT_EQ(line(206), "60");
}

TEST_F(TitleBelts, LinesTheControlsCannotShowAreLeftAsTheyAre) {
  setLine(87, "150");
  setLine(91, "-3");
  setLine(88, "Mixed");
  setLine(92, "");
  const std::vector<std::string> before = lines();
  page.title1.click();
  EXPECT_TRUE(changes(before).empty());
  EXPECT_EQ(page.HScroll1.value(), 100);
  EXPECT_EQ(page.titlevalue.caption(), "150%");
  EXPECT_EQ(page.HScroll2.value(), 0);
  EXPECT_EQ(page.mindraw.caption(), "-3");
  EXPECT_EQ(page.Combo2.text(), "");

  // A number with a fraction shows rounded, halves to the even neighbour, and the lines keep it.
  const struct {
    std::string value, draw;
    int valueBar, drawBar;
  } fractions[] = {{"62.5", "59.5", 62, 60}, {"7.6", "0.4", 8, 0}, {"99.5 ", "100.5", 100, 100}};
  for (const auto& c : fractions) {
    SCOPED_TRACE(c.value + " / " + c.draw);
    setLine(87, c.value);
    setLine(91, c.draw);
    const std::vector<std::string> unchanged = lines();
    page.title1.click();
    EXPECT_TRUE(changes(unchanged).empty());
    EXPECT_EQ(page.HScroll1.value(), c.valueBar);
    EXPECT_EQ(page.titlevalue.caption(), c.value + "%");
    EXPECT_EQ(page.HScroll2.value(), c.drawBar);
    EXPECT_EQ(page.mindraw.caption(), c.draw);
  }
}

TEST_F(TitleBelts, TheCalculatorOpensOverThePageAndTheButtonsMoveOn) {
  page.Label3.click();
  EXPECT_TRUE(editor.form9.visible());
  EXPECT_TRUE(page.visible());

  page.Command1.click();
  EXPECT_TRUE(editor.form10.visible());
  EXPECT_FALSE(page.visible());
  EXPECT_TRUE(editor.form9.visible());

  editor.form10.Command2.click();
  EXPECT_TRUE(page.visible());
  page.Command2.click();
  EXPECT_TRUE(editor.form7.visible());
  EXPECT_FALSE(page.visible());
}

TEST_F(TitleBelts, HandlersRunFromCodeWithNoPromotionOpen) {
  editor.form2.List1.clear();
  page.title5.click();
  page.Combo1.setText("Tag Team");
  page.HScroll1.setValue(30);
  page.HScroll2.setValue(30);
  for (ui::ComboBox* list : {&page.Combo2, &page.Combo3, &page.Combo4, &page.Combo5})
    list->setListIndex(1);
  EXPECT_EQ(editor.form2.List1.listCount(), 0);
  EXPECT_EQ(page.titlevalue.caption(), "30%");
}

}  // namespace
