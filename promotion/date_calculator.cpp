#include "promotion/date_calculator.h"

#include <initializer_list>
#include <string>

#include "app/editor.h"
#include "common/dates.h"
#include "common/number_text.h"

namespace {

constexpr int firstYear = 2003, lastYear = 2010;
const std::string endYear = "2100";  // the walk gives up when it reaches this year

void fillDate(ui::ComboBox& weekday, ui::ComboBox& day, ui::ComboBox& month, ui::ComboBox& year) {
  for (const std::string& name : common::weekdayNames) weekday.addItem(name);
  for (int d = 1; d <= 31; ++d) day.addItem(std::to_string(d));
  for (const std::string& name : common::monthNames) month.addItem(name);
  for (int y = firstYear; y <= lastYear; ++y) year.addItem(std::to_string(y));
}

void placeDate(int top, ui::ComboBox& weekday, ui::ComboBox& day, ui::ComboBox& month,
               ui::ComboBox& year) {
  weekday.place(15, top, 120, 24);
  day.place(140, top, 55, 24);
  month.place(200, top, 120, 24);
  year.place(325, top, 80, 24);
}

// The calculator has no backdrop: its headings are plain bold text, centred on the window.
void placePlainHeading(ui::Label& label, int top) {
  label.place(15, top, 390, 22);
  label.setBold(true);
  label.setAlignment(ui::Align::Center);
}

// Whether stepping from the date can ever end: its month is one of the twelve and its day is not
// beyond the month (a day past the month's end would grow for ever and never roll the month on).
bool canStep(const common::WalkDate& date) {
  const int month = common::monthNumber(date.month);
  return month != 0 && common::numberValue(date.day) <= common::daysInMonth(month, date.year);
}

}  // namespace

Form9::Form9(Editor& editor) : editor_(editor) {
  setCaption("Date Calculator");
  setBackdrop("");
  setSize(420, 220);

  Label1.setCaption("Enter The Date The Wrestler(s) Won The Title");
  placePlainHeading(Label1, 10);
  fillDate(Combo1, Combo2, Combo3, Combo4);
  placeDate(36, Combo1, Combo2, Combo3, Combo4);

  Label2.setCaption("Enter The Start Date Of The Game");
  placePlainHeading(Label2, 72);
  fillDate(Combo5, Combo6, Combo7, Combo8);
  placeDate(98, Combo5, Combo6, Combo7, Combo8);

  Command1.setCaption("Calculate");
  Command1.setBold(true);
  Command1.place(135, 136, 150, 32);

  Label3.place(15, 182, 390, 24);
  Label3.setBold(true);
  Label3.setAlignment(ui::Align::Center);

  for (ui::Label* hidden : {&day, &num, &month, &year, &numofdays}) {
    hidden->place(0, 0, 60, 16);
    hidden->setVisible(false);
  }

  Command1.onClick = [this] { Command1_Click(); };
}

void Form9::Command1_Click() {
  ui::BusyPointer busy(*this);

  common::WalkDate walk{Combo1.text(), Combo2.text(), Combo3.text(), Combo4.text()};
  const common::WalkDate start{Combo5.text(), Combo6.text(), Combo7.text(), Combo8.text()};
  numofdays.setCaption("0");
  Label3.setCaption("");

  // Compare, then step: equal dates give 0. A won date that stepping can't carry anywhere, or a
  // count longer than any two dates of the lists need (a won date without a year), ends at once
  // as a date that can't be met.
  long count = 0;
  bool met = walk.sameDay(start) && walk.year != endYear;
  if (!met && canStep(walk)) {
    while (walk.year != endYear && count < longestCount) {
      common::advanceOneDay(walk);
      ++count;
      if (walk.sameDay(start)) {
        met = walk.year != endYear;
        break;
      }
    }
  }
  day.setCaption(walk.weekday);
  num.setCaption(walk.day);
  month.setCaption(walk.month);
  year.setCaption(walk.year);
  numofdays.setCaption(std::to_string(count));

  if (met) {
    Label3.setCaption("Number Of Days Between The Dates: " + std::to_string(count));
    return;
  }
  ui::say(editor_.desktop,
          "Invalid Date Error\r\n\r\nOne or both of your dates are not valid. Please check and "
          "re-enter.",
          ui::Icon::Critical, "Date Calculator");
  Label3.setCaption("");
}
