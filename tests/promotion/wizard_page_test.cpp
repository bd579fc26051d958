#include "promotion/wizard_page.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "tests/support/scripted_desktop.h"

TEST(WizardPage, ReadsAndWritesTheOpenPromotionsLines) {
  ScriptedDesktop desktop;
  Editor editor(desktop);
  EXPECT_EQ(editor.form2.List2.listCount(), 238);
  EXPECT_EQ(editor.form2.List2.list(0), "VLF");

  editor.form2.List1.addItem("a");
  editor.form2.List1.addItem("b");
  wizard::setLine(editor, 1, "c");
  wizard::setLine(editor, 5, "beyond the end");
  EXPECT_EQ(wizard::line(editor, 1), "c");
  EXPECT_EQ(wizard::line(editor, 5), "");
  EXPECT_EQ(editor.form2.List1.listCount(), 2);
}

TEST(WizardPage, ASelectorRowHasOneWhiteLabel) {
  ui::Form form;
  ui::Label a{form, "a"}, b{form, "b"}, c{form, "c"};
  wizard::select({&a, &b, &c}, b);
  EXPECT_FALSE(wizard::isSelected(a));
  EXPECT_TRUE(wizard::isSelected(b));
  EXPECT_EQ(c.backColor(), ui::silver);
  wizard::select({&a, &b, &c}, c);
  EXPECT_FALSE(wizard::isSelected(b));
  EXPECT_TRUE(wizard::isSelected(c));
}

namespace {

const std::string tooLarge =
    "Invalid Number!\r\n\r\nThis number is too large to be stored.\r\n\r\nPlease enter another "
    "value.";

}  // namespace

TEST(WizardPage, ValueLabelsTakeTheirPromptsAnswer) {
  ScriptedDesktop desktop;
  Editor editor(desktop);
  for (int i = 0; i < 3; ++i) editor.form2.List1.addItem("old");
  ui::Form page;
  ui::Label value{page, "value"};
  value.setCaption("old");

  desktop.reply("1,000 fans");
  EXPECT_EQ(wizard::editNumber(editor, value, 1, "Title", "Text"), "1,000 fans");
  EXPECT_EQ(desktop.last().title, "Title");
  EXPECT_EQ(desktop.last().defaultAnswer, "old");
  EXPECT_EQ(wizard::line(editor, 1), "1");
  EXPECT_EQ(value.caption(), "1");

  desktop.reply("");  // Cancel
  EXPECT_EQ(wizard::editText(editor, value, 2, "Title", "Text"), "");
  EXPECT_EQ(wizard::line(editor, 2), "old");

  desktop.reply(" as typed ");
  wizard::editText(editor, value, 2, "Title", "Text");
  EXPECT_EQ(wizard::line(editor, 2), " as typed ");
  EXPECT_EQ(value.caption(), " as typed ");
}

TEST(WizardPage, ANumberTooLargeToHoldIsRefused) {
  ScriptedDesktop desktop;
  Editor editor(desktop);
  editor.form2.List1.addItem("5");
  ui::Form page;
  ui::Label value{page, "value"};
  value.setCaption("5");

  desktop.reply(std::string(400, '9'));
  EXPECT_EQ(wizard::editNumber(editor, value, 0, "Title", "Text"), "");
  EXPECT_EQ(desktop.last().text, tooLarge);
  EXPECT_EQ(wizard::line(editor, 0), "5");
  EXPECT_EQ(value.caption(), "5");

  // Its hundredfold alone may be too large, too.
  EXPECT_TRUE(wizard::numberFits(editor, "1e300"));  // reads as 1
  EXPECT_TRUE(wizard::numberFits(editor, "-" + std::string(300, '9')));
  EXPECT_FALSE(wizard::numberFits(editor, "-" + std::string(308, '9'), 100));
}

TEST(WizardPage, WholeNumbersForScrollBars) {
  const struct {
    std::string text;
    int value;
  } cases[] = {{"50", 50},
               {"49.9", 49},
               {"-3.5", -3},
               {"", 0},
               {"abc", 0},
               {"7 days", 7},
               {std::string(20, '9'), std::numeric_limits<int>::max()},
               {"-" + std::string(20, '9'), std::numeric_limits<int>::min()}};
  for (const auto& c : cases) EXPECT_EQ(wizard::wholeNumber(c.text), c.value) << c.text;
}

TEST(WizardPage, PickListsByPositionAndQuietly) {
  ui::Form page;
  page.show();
  ui::ComboBox list{page, "list"};
  for (const char* item : {"House", "TV", "PPV"}) list.addItem(item);
  int clicks = 0;
  list.onClick = [&] { ++clicks; };

  EXPECT_EQ(wizard::choicePosition(list), "");
  list.setText("PPV");
  EXPECT_EQ(wizard::choicePosition(list), "3");
  EXPECT_EQ(clicks, 1);

  wizard::showQuietly(list, "TV");
  EXPECT_EQ(list.text(), "TV");
  EXPECT_EQ(clicks, 1);
  list.choose(0);  // the handler is back
  EXPECT_EQ(clicks, 2);
  wizard::showQuietly(list, "not an item");
  EXPECT_EQ(list.text(), "");
  EXPECT_EQ(clicks, 2);
}

TEST(WizardPage, MovingBetweenPagesShowsTheTargetAndHidesTheOther) {
  ui::Form from, to;
  from.show();
  wizard::goTo(from, to);
  EXPECT_TRUE(to.visible());
  EXPECT_FALSE(from.visible());
}
