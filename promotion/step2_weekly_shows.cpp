#include "promotion/step2_weekly_shows.h"

#include "app/editor.h"
#include "common/dates.h"
#include "common/number_text.h"
#include "promotion/wizard_page.h"
#include "ui/styles.h"

namespace pf = promotion_file;
using Field = pf::ShowField;

Form4::Form4(Editor& editor) : editor_(editor) {
  wizard::setUpPage(*this, Label1, "Step 2 of 8", Label2, "Click on a show to edit...", Command2,
                    Command1);

  // The four shows in a row across the page, the first one selected.
  constexpr int slotWidth = 130, slotGap = 10;
  constexpr int slotsLeft = (wizard::pageWidth - 4 * slotWidth - 3 * slotGap) / 2;
  ui::Label* slots[] = {&show1, &show2, &show3, &show4};
  for (int slot = 0; slot < pf::showSlotCount; ++slot) {
    ui::Label& label = *slots[slot];
    label.setCaption(pf::showSlotNames[static_cast<std::size_t>(slot)]);
    label.place(slotsLeft + slot * (slotWidth + slotGap), 78, slotWidth, 26);
    label.setForeColor(ui::black);
    label.setBold(true);
    label.setBorder(true);
    label.setAlignment(ui::Align::Center);
  }
  markSelected(0);
  ui::styleCaption(Label3, "...then click on a stat to edit", 40, 112, wizard::pageWidth - 80, 24);
  Label3.setAlignment(ui::Align::Center);

  constexpr int firstRow = 150, percentWidth = 60;
  auto rowTop = [](int row) { return firstRow + row * wizard::rowStep; };
  wizard::placeRowAt(rowTop(0), Label4, "Name Of Show", nameofshow);
  wizard::placeRowAt(rowTop(1), Label5, "Day Of This Show", Combo1);
  wizard::placeRowWithButton(rowTop(2), Label6, "Show Logo", showlogo, Command3);
  wizard::placeRowAt(rowTop(3), Label7, "Brand Of Show", Combo2);
  wizard::placeRowAt(rowTop(4), Label8, "Type Of Show", Combo3);
  wizard::placeRowAt(rowTop(5), Label9, "Fan Popularity", percentage, percentWidth);
  percentage.setAlignment(ui::Align::Center);
  HScroll1.place(wizard::valueLeft + percentWidth + 6, rowTop(5),
                 wizard::valueWidth - percentWidth - 6, wizard::rowHeight);
  HScroll1.setRange(0, 100);
  HScroll1.setSteps(1, 1);
  wizard::placeRowAt(rowTop(6), Label10, "Av. TV Rating/Buys", tvrating);

  for (const std::string& day : common::weekdayNames) Combo1.addItem(day);
  for (const std::string& brand : pf::brandChoices) Combo2.addItem(brand);
  for (const std::string& type : pf::showTypes) Combo3.addItem(type);

  show1.onClick = [this] { show1_Click(); };
  show2.onClick = [this] { show2_Click(); };
  show3.onClick = [this] { show3_Click(); };
  show4.onClick = [this] { show4_Click(); };
  nameofshow.onClick = [this] { nameofshow_Click(); };
  Combo1.onClick = [this] { Combo1_Click(); };
  Combo2.onClick = [this] { Combo2_Click(); };
  Combo3.onClick = [this] { Combo3_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll1.onScroll = [this] { HScroll1_Scroll(); };
  tvrating.onClick = [this] { tvrating_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
}

int Form4::selectedSlot() const {
  const ui::Label* slots[] = {&show1, &show2, &show3, &show4};
  for (int slot = 0; slot < pf::showSlotCount; ++slot) {
    if (wizard::isSelected(*slots[slot])) return slot;
  }
  return -1;
}

void Form4::markSelected(int slot) {
  ui::Label* slots[] = {&show1, &show2, &show3, &show4};
  wizard::select({&show1, &show2, &show3, &show4}, *slots[slot]);
}

std::string Form4::slotLine(int slot, Field field) const {
  return wizard::line(editor_, pf::showLine(slot, field));
}

void Form4::setSlotLine(int slot, Field field, std::string text) {
  wizard::setLine(editor_, pf::showLine(slot, field), std::move(text));
}

void Form4::showRating(const std::string& stored) {
  tvrating.setCaption(Combo3.text() == "TV" ? common::fromHundredths(stored) : stored);
}

// The first show is loaded as stored: it always has a show, and nothing is written but what the
// lists and the scroll bar write back.
void Form4::show1_Click() {
  markSelected(0);
  nameofshow.setCaption(slotLine(0, Field::name));
  Combo1.setText(slotLine(0, Field::day));
  showlogo.setCaption(slotLine(0, Field::logo));
  Combo2.setText(slotLine(0, Field::brand));
  Combo3.setText(slotLine(0, Field::type));
  HScroll1.setValue(wizard::wholeNumber(slotLine(0, Field::popularity)));
  percentage.setCaption(slotLine(0, Field::popularity) + "%");
  showRating(slotLine(0, Field::ratingOrBuys));
}

void Form4::show2_Click() { selectLaterSlot(1); }
void Form4::show3_Click() { selectLaterSlot(2); }
void Form4::show4_Click() { selectLaterSlot(3); }

// A later show's empty lines show defaults; a slot without a show gets those defaults written, so
// it is complete once it has been selected and naming it is enough.
void Form4::selectLaterSlot(int slot) {
  markSelected(slot);
  auto orDefault = [this, slot](Field field, const char* fallback) {
    const std::string stored = slotLine(slot, field);
    return stored.empty() ? std::string(fallback) : stored;
  };
  const bool unnamed = slotLine(slot, Field::name).empty();
  nameofshow.setCaption(orDefault(Field::name, "None"));
  Combo1.setText(orDefault(Field::day, "Monday"));
  showlogo.setCaption(orDefault(Field::logo, "NA"));
  Combo2.setText(orDefault(Field::brand, "All"));
  Combo3.setText(orDefault(Field::type, "House"));
  const std::string popularity = slotLine(slot, Field::popularity);
  HScroll1.setValue(wizard::wholeNumber(popularity));
  percentage.setCaption(common::numberText(common::numberValue(popularity)) + "%");
  showRating(slotLine(slot, Field::ratingOrBuys));
  if (unnamed) {
    setSlotLine(slot, Field::day, Combo1.text());
    setSlotLine(slot, Field::logo, "NA");
    setSlotLine(slot, Field::brand, Combo2.text());
    setSlotLine(slot, Field::type, Combo3.text());
    setSlotLine(slot, Field::popularity, "0");
  }
}

void Form4::nameofshow_Click() {
  const int slot = selectedSlot();
  if (slot < 0) return;
  const std::string answer =
      ui::ask(editor_.desktop,
              "Please enter the name of this show, eg. Monday Night Grit, or put 'None' if no "
              "show of this type.",
              "Name of Show", nameofshow.caption());
  if (answer.empty()) return;
  if (answer != "None") {
    setSlotLine(slot, Field::name, answer);
    nameofshow.setCaption(answer);
    return;
  }
  if (slot == 0) {
    ui::say(editor_.desktop, "You must have a primary show 1.");
    return;
  }
  // The show is taken off: its name goes, and its other lines get the defaults of a slot without a
  // show. The name label shows "None" before the day is set, so no same-day warning comes.
  setSlotLine(slot, Field::name, "");
  nameofshow.setCaption("None");
  Combo1.setListIndex(0);
  showlogo.setCaption("NA");
  Combo2.setListIndex(0);
  Combo3.setText("House");
  percentage.setCaption("0%");
  HScroll1.setValue(0);
  tvrating.setCaption("");
  setSlotLine(slot, Field::day, Combo1.text());
  setSlotLine(slot, Field::logo, "NA");
  setSlotLine(slot, Field::brand, Combo2.text());
  setSlotLine(slot, Field::type, Combo3.text());
  setSlotLine(slot, Field::popularity, "0");
  setSlotLine(slot, Field::ratingOrBuys, "");
}

void Form4::Combo1_Click() {
  const int slot = selectedSlot();
  if (slot < 0) return;
  const std::string day = Combo1.text();
  setSlotLine(slot, Field::day, day);
  // The day is kept; the user is warned of every other named show on the same day.
  if (nameofshow.caption() == "None") return;
  for (int other = 0; other < pf::showSlotCount; ++other) {
    if (other == slot || slotLine(other, Field::name).empty() || slotLine(other, Field::day) != day)
      continue;
    ui::say(editor_.desktop, "WARNING!\r\nYour " +
                                 pf::showSlotNames[static_cast<std::size_t>(other)] +
                                 " is also on this day. Having more than one regular show on the "
                                 "same day will cause problems with your game.");
  }
}

void Form4::Combo2_Click() {
  const int slot = selectedSlot();
  if (slot >= 0) setSlotLine(slot, Field::brand, Combo2.text());
}

void Form4::Combo3_Click() {
  const int slot = selectedSlot();
  if (slot < 0) return;
  const std::string type = Combo3.text();
  std::string refusal;
  if (type == "TV" && wizard::line(editor_, pf::tvCoverageLine) == "None") {
    refusal =
        "This promotion's television coverage is set to None - this show cannot be a TV Show.";
  } else if (type == "PPV" &&
             common::numberValue(wizard::line(editor_, pf::sizeLine)) < pf::firstNationalSize) {
    refusal = "Only National promotions can have PPV coverage of their regular shows.";
  }
  if (refusal.empty()) {
    setSlotLine(slot, Field::type, type);
    return;
  }
  ui::say(editor_.desktop, refusal);
  // The list goes back to the type that is stored, so the rating prompt asks in its unit.
  wizard::showQuietly(Combo3, slotLine(slot, Field::type));
}

void Form4::HScroll1_Change() {
  percentage.setCaption(std::to_string(HScroll1.value()) + "%");
  const int slot = selectedSlot();
  if (slot >= 0) setSlotLine(slot, Field::popularity, std::to_string(HScroll1.value()));
}

void Form4::HScroll1_Scroll() { HScroll1_Change(); }

void Form4::tvrating_Click() {
  const int slot = selectedSlot();
  if (slot < 0) return;
  const std::string type = Combo3.text();
  if (type == "TV") {
    const std::string answer = ui::ask(
        editor_.desktop,
        "Please enter the average TV rating for this show.\r\n\r\nExamples of TV ratings: SBL "
        "Grit averaged a 3.5 to a 4.0 rating in 2005, while QRB Surge averaged a 0.8.",
        "Average TV Rating/Buys", tvrating.caption());
    if (answer.empty()) return;
    const double rating = common::numberValue(answer);
    if (rating > 10 || rating <= 0) {
      ui::say(editor_.desktop,
              "Invalid TV Rating!\r\n\r\nThis number must be between 0 and 10, eg. "
              "4.75.\r\n\r\nPlease enter another value.");
      return;
    }
    setSlotLine(slot, Field::ratingOrBuys, common::toHundredths(answer));
    tvrating.setCaption(answer);
  } else if (type == "PPV") {
    const std::string answer =
        ui::ask(editor_.desktop,
                "Please enter the number of buys this show gets on PPV. For example, the weekly "
                "QRB PPVs on Wednesday nights used to get around 50000 buys.",
                "Average PPV Buys", tvrating.caption());
    if (answer.empty()) return;
    const double buys = common::numberValue(answer);
    if (buys < 100 || buys > 1000000) {
      ui::say(editor_.desktop,
              "Invalid PPV Buys!\r\n\r\nThis number must be between 100 and 1000000, and not "
              "include any commas.\r\n\r\nPlease enter another value.");
      return;
    }
    setSlotLine(slot, Field::ratingOrBuys, answer);
    tvrating.setCaption(answer);
  }
}

void Form4::Command1_Click() { wizard::goTo(*this, editor_.form5); }

void Form4::Command2_Click() { wizard::goTo(*this, editor_.form3); }

void Form4::Command3_Click() {
  const int slot = selectedSlot();
  if (slot >= 0) editor_.form16.openfor(showLogoKey(slot + 1));
}
