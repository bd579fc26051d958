// The date calculator: counting the days from a won date to the start date by stepping, its
// result line, its error message, and that no choice of dates keeps it busy for long.

#include <gtest/gtest.h>

#include <string>

#include "app/editor.h"
#include "tests/support/scripted_desktop.h"

namespace {

const std::string invalidDate =
    "Invalid Date Error\r\n\r\nOne or both of your dates are not valid. Please check and "
    "re-enter.";

struct Date {
  std::string weekday, day, month, year;  // "" = no choice
};

// Records the calculator's pointer while its message box is up.
class WatchingDesktop : public ScriptedDesktop {
 public:
  Form9* calculator = nullptr;
  ui::Pointer pointerAtMessage = ui::Pointer::Normal;
  ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                     const std::string& title) override {
    if (calculator) pointerAtMessage = calculator->pointer();
    return ScriptedDesktop::message(text, buttons, icon, title);
  }
};

// Chooses the item with this text, as a person would; "" leaves the list without a choice.
void pick(ui::ComboBox& list, const std::string& text) {
  if (text.empty()) return;
  for (int i = 0; i < list.listCount(); ++i)
    if (list.list(i) == text) return list.choose(i);
  ADD_FAILURE() << text << " is not in " << list.name();
}

class DateCalculator : public ::testing::Test {
 protected:
  WatchingDesktop desktop;
  Editor editor{desktop};
  Form9& calculator = editor.form9;

  void SetUp() override {
    desktop.calculator = &calculator;
    editor.form8.show();
    editor.form8.Label3.click();
  }

  void choose(const Date& won, const Date& start) {
    pick(calculator.Combo1, won.weekday);
    pick(calculator.Combo2, won.day);
    pick(calculator.Combo3, won.month);
    pick(calculator.Combo4, won.year);
    pick(calculator.Combo5, start.weekday);
    pick(calculator.Combo6, start.day);
    pick(calculator.Combo7, start.month);
    pick(calculator.Combo8, start.year);
  }
};

TEST_F(DateCalculator, OpensWithEmptyChoicesAndTheListsOfDates) {
  EXPECT_EQ(calculator.caption(), "Date Calculator");
  EXPECT_EQ(calculator.Combo1.listCount(), 7);
  EXPECT_EQ(calculator.Combo2.list(30), "31");
  EXPECT_EQ(calculator.Combo3.list(11), "December");
  EXPECT_EQ(calculator.Combo4.list(0), "2003");
  EXPECT_EQ(calculator.Combo8.list(7), "2010");
  EXPECT_EQ(calculator.Combo4.listCount(), 8);
  for (ui::ComboBox* list : {&calculator.Combo1, &calculator.Combo5, &calculator.Combo8})
    EXPECT_EQ(list->text(), "");
  EXPECT_EQ(calculator.Label3.caption(), "");
  EXPECT_FALSE(calculator.numofdays.visible());
}

TEST(DateCalculatorCounts, CountsByStepping) {
  const struct {
    const char* what;
    Date won, start;
    int days;  // -1: the error message
  } cases[] = {
      {"a week", {"Monday", "2", "August", "2004"}, {"Monday", "9", "August", "2004"}, 7},
      {"over a leap day",
       {"Saturday", "28", "February", "2004"},
       {"Monday", "1", "March", "2004"},
       2},
      {"identical dates", {"Friday", "1", "July", "2005"}, {"Friday", "1", "July", "2005"}, 0},
      {"the widest span",
       {"Wednesday", "1", "January", "2003"},
       {"Friday", "31", "December", "2010"},
       2921},
      {"no choice at all", {"", "", "", ""}, {"", "", "", ""}, 0},
      {"no weekdays", {"", "2", "August", "2004"}, {"", "9", "August", "2004"}, 7},
      {"a won date without a day",
       {"Saturday", "", "August", "2004"},
       {"Sunday", "1", "August", "2004"},
       1},
      {"won after the start",
       {"Tuesday", "10", "August", "2004"},
       {"Monday", "9", "August", "2004"},
       -1},
      {"a wrong weekday",
       {"Tuesday", "2", "August", "2004"},
       {"Monday", "9", "August", "2004"},
       -1},
      {"31 April", {"Friday", "31", "April", "2004"}, {"Monday", "9", "August", "2004"}, -1},
      {"30 February", {"Monday", "30", "February", "2004"}, {"Monday", "9", "August", "2004"}, -1},
      {"29 February 2005",
       {"Tuesday", "29", "February", "2005"},
       {"Monday", "9", "August", "2005"},
       -1},
      {"a won date without a month",
       {"Monday", "2", "", "2004"},
       {"Monday", "9", "August", "2004"},
       -1},
      {"both months empty", {"Monday", "2", "", "2004"}, {"Monday", "9", "", "2004"}, -1},
      {"a won date without a year",
       {"Monday", "2", "August", ""},
       {"Monday", "9", "August", "2004"},
       -1},
      {"a start date without a year",
       {"Monday", "2", "August", "2004"},
       {"Monday", "9", "August", ""},
       -1},
      {"a start date without a month",
       {"Monday", "2", "August", "2004"},
       {"Monday", "9", "", "2004"},
       -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WatchingDesktop desktop;
    Editor editor(desktop);
    Form9& calculator = editor.form9;
    desktop.calculator = &calculator;
    calculator.show();
    pick(calculator.Combo1, c.won.weekday);
    pick(calculator.Combo2, c.won.day);
    pick(calculator.Combo3, c.won.month);
    pick(calculator.Combo4, c.won.year);
    pick(calculator.Combo5, c.start.weekday);
    pick(calculator.Combo6, c.start.day);
    pick(calculator.Combo7, c.start.month);
    pick(calculator.Combo8, c.start.year);

    calculator.Command1.click();
    // The stepping ends: never more days than two dates of the lists can be apart.
    EXPECT_LE(std::stol(calculator.numofdays.caption()), Form9::longestCount);

    if (c.days >= 0) {
      EXPECT_TRUE(desktop.dialogs().empty());
      EXPECT_EQ(calculator.Label3.caption(),
                "Number Of Days Between The Dates: " + std::to_string(c.days));
      EXPECT_EQ(calculator.numofdays.caption(), std::to_string(c.days));
    } else {
      ASSERT_EQ(desktop.dialogs().size(), 1u);
      EXPECT_EQ(desktop.last().text, invalidDate);
      EXPECT_EQ(desktop.last().title, "Date Calculator");
      EXPECT_EQ(desktop.last().icon, ui::Icon::Critical);
      EXPECT_EQ(desktop.pointerAtMessage, ui::Pointer::Hourglass);
      EXPECT_EQ(calculator.Label3.caption(), "");
    }
    EXPECT_EQ(calculator.pointer(), ui::Pointer::Normal);
  }
}

TEST_F(DateCalculator, KeepsItsChoicesAndClearsAnOldResult) {
  choose({"Monday", "2", "August", "2004"}, {"Monday", "9", "August", "2004"});
  calculator.Command1.click();
  EXPECT_EQ(calculator.Label3.caption(), "Number Of Days Between The Dates: 7");
  EXPECT_EQ(calculator.day.caption(), "Monday");
  EXPECT_EQ(calculator.num.caption(), "9");
  EXPECT_EQ(calculator.month.caption(), "August");
  EXPECT_EQ(calculator.year.caption(), "2004");

  // Closing only hides it; opened again it shows what it held.
  calculator.closeBox();
  EXPECT_FALSE(calculator.visible());
  EXPECT_TRUE(editor.form8.visible());
  editor.form8.Label3.click();
  EXPECT_TRUE(calculator.visible());
  EXPECT_EQ(calculator.Combo4.text(), "2004");
  EXPECT_EQ(calculator.Label3.caption(), "Number Of Days Between The Dates: 7");

  pick(calculator.Combo5, "Tuesday");
  calculator.Command1.click();
  EXPECT_EQ(desktop.last().text, invalidDate);
  EXPECT_EQ(calculator.Label3.caption(), "");
}

}  // namespace
