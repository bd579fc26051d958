#include "promotion/step5_next_big_show.h"

#include <string>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"

namespace pf = promotion_file;

Form7::Form7(Editor& editor) : editor_(editor) {
  wizard::setUpPage(
      *this, Label1, "Step 5 of 8", Label2,
      "This is where you can enter details of the next big show the player will have when they "
      "start the game new. For example, if you're making a stats update which starts 3 weeks "
      "before Highfire, it adds some realism if Highfire is already booked for the correct date "
      "in your game.",
      Command2, Command1);
  Label2.place(40, 48, wizard::pageWidth - 80, 72);
  Label2.setWordWrap(true);
  Label2.setBold(false);

  constexpr int firstRow = 140, step = 34, daysWidth = 60;
  wizard::placeRowAt(firstRow, Label3, "Name Of Big Show", nameofbigshow);
  wizard::placeRowAt(firstRow + step, Label4, "Level Of Promotion", Combo2);
  wizard::placeRowAt(firstRow + 2 * step, Label5, "Date Of Big Show", dateofshow);
  wizard::placeRowAt(firstRow + 3 * step, Label6, "Days Since Announced", days, daysWidth);
  days.setAlignment(ui::Align::Center);
  HScroll1.place(wizard::valueLeft + daysWidth + 6, firstRow + 3 * step,
                 wizard::valueWidth - daysWidth - 6, wizard::rowHeight);
  HScroll1.setRange(0, 40);
  HScroll1.setSteps(1, 1);
  for (const std::string& level : pf::nextBigShowLevels) Combo2.addItem(level);

  nameofbigshow.onClick = [this] { nameofbigshow_Click(); };
  Combo2.onClick = [this] { Combo2_Click(); };
  dateofshow.onClick = [this] { dateofshow_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll1.onScroll = [this] { HScroll1_Scroll(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

void Form7::nameofbigshow_Click() {
  const std::string answer = wizard::editText(
      editor_, nameofbigshow, pf::nextBigShowNameLine, "Big Show Name",
      "Please enter the name of the next big show this promotion will have. If there isn't one "
      "currently planned, enter 'None'.");
  if (answer != "None") return;
  // No next big show: the page shows what it shows for a promotion without one, and the lines
  // hold what it shows: the level "Basic" (written back by the list), no date and 0 days. A show
  // named next keeps the level shown unless another is chosen.
  Combo2.setListIndex(0);
  dateofshow.setCaption("");
  HScroll1.setValue(0);
  days.setCaption("0");
  wizard::setLine(editor_, pf::nextBigShowDateLine, "");
}

void Form7::Combo2_Click() {
  const std::string position = wizard::choicePosition(Combo2);
  if (!position.empty()) wizard::setLine(editor_, pf::nextBigShowLevelLine, position);
}

void Form7::dateofshow_Click() {
  wizard::editText(editor_, dateofshow, pf::nextBigShowDateLine, "Date Of Big Show",
                   "Please enter the date when this big show will take place. The date must be in "
                   "the form 'Wednesday 18th August 2004'.");
}

void Form7::HScroll1_Change() {
  days.setCaption(std::to_string(HScroll1.value()));
  wizard::setLine(editor_, pf::nextBigShowDaysLine, days.caption());
}

void Form7::HScroll1_Scroll() { HScroll1_Change(); }

void Form7::Command1_Click() { wizard::goTo(*this, editor_.form8); }
void Form7::Command2_Click() { wizard::goTo(*this, editor_.form6); }
