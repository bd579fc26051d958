#include "promotion/step6_title_belts.h"

#include <algorithm>
#include <cmath>

#include "app/editor.h"
#include "common/number_text.h"
#include "promotion/wizard_page.h"
#include "ui/styles.h"

using promotion_file::TitleField;

namespace {

// The page is taller than the other steps: two rows of slots and eleven rows of fields.
constexpr int pageHeight = 530;
constexpr int slotTop = 78, slotStep = 26, slotHeight = 22, slotWidth = 140, slotLeft = 25,
              slotGap = 10;
constexpr int fieldTop = 136, fieldStep = 27, fieldHeight = 23;
// A row is one field across the page, or two fields side by side.
constexpr int fullCaptionLeft = 20, fullCaptionWidth = 250, fullValueLeft = 280,
              fullValueWidth = 340;
constexpr int halfCaptionWidth = 165, halfValueWidth = 125, leftHalf = 20, rightHalf = 325;
constexpr int labelFont = 10, listFont = 8;

int fieldY(int row) { return fieldTop + row * fieldStep; }

void styleField(ui::Label& caption, const std::string& text, ui::Control& value) {
  caption.setCaption(text);
  ui::styleHeading(caption);
  caption.setBorder(true);
  caption.setFontSize(labelFont);
  if (auto* label = dynamic_cast<ui::Label*>(&value)) {
    ui::styleValue(*label);
    label->setFontSize(labelFont);
  } else {
    value.setBold(true);
    value.setFontSize(listFont);
  }
}

// One field across the page.
void placeFull(int row, ui::Label& caption, const std::string& text, ui::Control& value,
               int valueWidth = fullValueWidth) {
  styleField(caption, text, value);
  caption.place(fullCaptionLeft, fieldY(row), fullCaptionWidth, fieldHeight);
  value.place(fullValueLeft, fieldY(row), valueWidth, fieldHeight);
}

// One of two fields side by side; `left` is the left edge of its half.
void placeHalf(int row, int left, ui::Label& caption, const std::string& text, ui::Control& value) {
  styleField(caption, text, value);
  caption.place(left, fieldY(row), halfCaptionWidth, fieldHeight);
  value.place(left + halfCaptionWidth + 5, fieldY(row), halfValueWidth, fieldHeight);
}

void fill(ui::ComboBox& list, std::initializer_list<const char*> items) {
  for (const char* item : items) list.addItem(item);
}

}  // namespace

Form8::Form8(Editor& editor) : editor_(editor) {
  wizard::setUpPage(*this, Label1, "Step 6 of 8", Label2, "Click on a title belt to edit...",
                    Command2, Command1);
  setSize(wizard::pageWidth, pageHeight);
  Command2.place(40, pageHeight - 52, 160, 40);
  Command1.place(wizard::pageWidth - 200, pageHeight - 52, 160, 40);

  const std::array<ui::Label*, 8> slots = slotLabels();
  constexpr std::array slotClicks = {
      &Form8::title1_Click, &Form8::title2_Click, &Form8::title3_Click, &Form8::title4_Click,
      &Form8::title5_Click, &Form8::title6_Click, &Form8::title7_Click, &Form8::title8_Click};
  for (int i = 0; i < promotion_file::titleSlotCount; ++i) {
    ui::Label& slot = *slots[static_cast<std::size_t>(i)];
    slot.setCaption(promotion_file::titleSlotNames[static_cast<std::size_t>(i)]);
    slot.place(slotLeft + (i % 4) * (slotWidth + slotGap), slotTop + (i / 4) * slotStep, slotWidth,
               slotHeight);
    slot.setBackColor(i == 0 ? ui::white : ui::silver);
    slot.setBold(true);
    slot.setBorder(true);
    slot.setAlignment(ui::Align::Center);
    slot.setFontSize(labelFont);
    slot.onClick = [this, click = slotClicks[static_cast<std::size_t>(i)]] { (this->*click)(); };
  }

  fill(Combo1, {"Singles", "Tag Team"});
  // As the page looks with the primary title selected.
  Combo1.setText("Singles");
  Combo1.setEnabled(false);
  fill(Combo2, {"All", "Male", "Female"});
  fill(Combo3, {"All", "Light", "Heavy"});
  fill(Combo4, {"No", "Yes"});
  fill(Combo5, {"All", "Brand 1", "Brand 2"});
  for (ui::HScrollBar* bar : {&HScroll1, &HScroll2}) {
    bar->setRange(0, 100);
    bar->setSteps(1, 1);  // an arrow and a click on the track alike
  }

  placeFull(0, Label4, "Title Name", titlename);
  placeFull(1, Label5, "Holder Name", holdername);
  placeFull(2, Label6, "Type", Combo1, 160);
  placeFull(3, Label7, "Value Of Title", titlevalue, 70);
  HScroll1.place(fullValueLeft + 80, fieldY(3), fullValueWidth - 80, fieldHeight);
  placeHalf(4, leftHalf, Label8, "Gender", Combo2);
  placeHalf(4, rightHalf, Label9, "Weight Class", Combo3);
  placeHalf(5, leftHalf, Label10, "Hardcore?", Combo4);
  placeHalf(5, rightHalf, Label11, "Brand", Combo5);
  placeFull(6, Label12, "Minimum Draw Of Holder", mindraw, 70);
  HScroll2.place(fullValueLeft + 80, fieldY(6), fullValueWidth - 80, fieldHeight);
  placeFull(7, Label13, "Current Champion(s)", currentchamp);
  placeHalf(8, leftHalf, Label14, "Holder #1", champ1);
  placeHalf(8, rightHalf, Label15, "Holder #2", champ2);
  placeHalf(9, leftHalf, Label16, "Current Reign (Days)", reign);
  placeHalf(9, rightHalf, Label17, "# Defenses So Far", defenses);
  placeFull(10, Label18, "Date Of Title Change", historydate);

  Label3.setCaption("Click Here To Calculate A Title Reign");
  Label3.setBackColor(ui::silver);
  Label3.setBorder(true);
  Label3.setBold(true);
  Label3.setAlignment(ui::Align::Center);
  Label3.setFontSize(labelFont);
  Label3.place(160, fieldY(11) + 4, 320, 24);

  titlename.onClick = [this] { titlename_Click(); };
  Combo1.onClick = [this] { Combo1_Click(); };
  Combo2.onClick = [this] { Combo2_Click(); };
  Combo3.onClick = [this] { Combo3_Click(); };
  Combo4.onClick = [this] { Combo4_Click(); };
  Combo5.onClick = [this] { Combo5_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll1.onScroll = [this] { HScroll1_Scroll(); };
  HScroll2.onChange = [this] { HScroll2_Change(); };
  HScroll2.onScroll = [this] { HScroll2_Scroll(); };
  for (const FieldPrompt& prompt : fieldPrompts())
    prompt.value.onClick = [this, click = prompt.click] { (this->*click)(); };
  Label3.onClick = [this] { Label3_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

std::array<ui::Label*, 8> Form8::slotLabels() {
  return {&title1, &title2, &title3, &title4, &title5, &title6, &title7, &title8};
}

// --- Selecting a slot ---------------------------------------------------------------------------

void Form8::title1_Click() { selectTitle(1); }
void Form8::title2_Click() { selectTitle(2); }
void Form8::title3_Click() { selectTitle(3); }
void Form8::title4_Click() { selectTitle(4); }
void Form8::title5_Click() { selectTitle(5); }
void Form8::title6_Click() { selectTitle(6); }
void Form8::title7_Click() { selectTitle(7); }
void Form8::title8_Click() { selectTitle(8); }

void Form8::selectTitle(int slot) {
  const std::array<ui::Label*, 8> slots = slotLabels();
  wizard::select(slots, *slots[static_cast<std::size_t>(slot - 1)]);
  if (promotion_file::isCustomTitle(slot)) {
    Combo1.setEnabled(true);
  } else {
    Combo1.setText("Singles");
    Combo1.setEnabled(false);
  }
  // The primary title is always loaded, even from a name line left empty by another program.
  if (slot == 1 ||
      !wizard::line(editor_, promotion_file::titleLine(slot, TitleField::name)).empty())
    loadTitle(slot);
  else
    showTitleWithoutName(slot);
}

void Form8::loadTitle(int slot) {
  const auto lineOf = [&](TitleField field) {
    return wizard::line(editor_, promotion_file::titleLine(slot, field));
  };
  const bool custom = promotion_file::isCustomTitle(slot);
  titlename.setCaption(lineOf(TitleField::name));
  holdername.setCaption(lineOf(TitleField::holderName));
  if (custom) Combo1.setText(lineOf(TitleField::type));
  setScrollFromLine(HScroll1, lineOf(TitleField::value));
  titlevalue.setCaption(lineOf(TitleField::value) + "%");
  Combo2.setText(lineOf(TitleField::gender));
  Combo3.setText(lineOf(TitleField::weightClass));
  Combo4.setText(lineOf(TitleField::hardcore));
  Combo5.setText(lineOf(TitleField::brand));
  setScrollFromLine(HScroll2, lineOf(TitleField::minimumDraw));
  mindraw.setCaption(lineOf(TitleField::minimumDraw));
  currentchamp.setCaption(lineOf(TitleField::champion));
  const auto holder = [&](TitleField field) {
    const std::string text = custom ? lineOf(field) : "";
    return text.empty() ? std::string("None") : text;
  };
  champ1.setCaption(holder(TitleField::tagHolder1));
  champ2.setCaption(holder(TitleField::tagHolder2));
  reign.setCaption(lineOf(TitleField::reignDays));
  defenses.setCaption(lineOf(TitleField::defences));
  historydate.setCaption(lineOf(TitleField::changeDate));
}

void Form8::showTitleWithoutName(int slot) {
  const bool custom = promotion_file::isCustomTitle(slot);
  titlename.setCaption("None");
  holdername.setCaption("");
  writeFirstItems(custom);
  currentchamp.setCaption("");
  champ1.setCaption(custom ? "" : "None");
  champ2.setCaption(custom ? "" : "None");
  reign.setCaption(custom ? "" : "0");
  defenses.setCaption(custom ? "" : "0");
  historydate.setCaption("");
}

void Form8::writeFirstItems(bool custom) {
  if (custom) Combo1.setListIndex(0);
  HScroll1.setValue(0);
  Combo2.setListIndex(0);
  Combo3.setListIndex(0);
  Combo4.setListIndex(0);
  Combo5.setListIndex(0);
  HScroll2.setValue(0);
}

void Form8::setScrollFromLine(ui::HScrollBar& bar, const std::string& text) {
  // Rounded to the nearest whole number, halves to the even one, and stopped at the bar's ends.
  // Loading only shows the line: the bar's handler leaves it as it is ("7.6" stays "7.6").
  const double number = std::nearbyint(common::numberValue(text));
  keepLines_ = true;
  bar.setValue(static_cast<int>(
      std::clamp(number, static_cast<double>(bar.min()), static_cast<double>(bar.max()))));
  keepLines_ = false;
}

// --- The title name ------------------------------------------------------------------------------

void Form8::titlename_Click() {
  std::string answer = ui::ask(editor_.desktop,
                               "Please enter the name of this title belt, eg. World Heavyweight "
                               "Championship. If you don't want a title belt here, enter 'None'.",
                               "Title Name", titlename.caption());
  if (answer.empty()) return;
  const bool primary = wizard::isSelected(title1);
  if (!primary) titlename.setCaption(answer);
  if (answer == "None") {
    answer.clear();
    cleartitles();
  }
  if (primary) {
    if (answer.empty()) {
      ui::say(editor_.desktop, "Every promotion must have a primary singles title.");
      return;
    }
    titlename.setCaption(answer);
    wizard::setLine(editor_, promotion_file::titleLine(1, TitleField::name), answer);
    return;
  }
  const std::array<ui::Label*, 8> slots = slotLabels();
  for (int slot = 2; slot <= promotion_file::titleSlotCount; ++slot) {
    if (wizard::isSelected(*slots[static_cast<std::size_t>(slot - 1)]))
      wizard::setLine(editor_, promotion_file::titleLine(slot, TitleField::name), answer);
  }
}

void Form8::cleartitles() {
  const std::array<ui::Label*, 8> slots = slotLabels();
  for (int slot = 2; slot <= promotion_file::titleSlotCount; ++slot) {
    if (!wizard::isSelected(*slots[static_cast<std::size_t>(slot - 1)])) continue;
    const bool custom = promotion_file::isCustomTitle(slot);
    const auto clearLine = [&](TitleField field) {
      wizard::setLine(editor_, promotion_file::titleLine(slot, field), "");
    };
    titlename.setCaption("None");
    holdername.setCaption("");
    clearLine(TitleField::holderName);
    writeFirstItems(custom);  // the type list stays enabled
    currentchamp.setCaption("");
    clearLine(TitleField::champion);
    champ1.setCaption("None");
    champ2.setCaption("None");
    if (custom) {
      clearLine(TitleField::tagHolder1);
      clearLine(TitleField::tagHolder2);
    }
    reign.setCaption("0");
    clearLine(TitleField::reignDays);
    defenses.setCaption("0");
    clearLine(TitleField::defences);
    historydate.setCaption("");
    clearLine(TitleField::changeDate);
  }
}

// --- Field controls
// -------------------------------------------------------------------------------

void Form8::writeTitleField(TitleField field, const std::string& value) {
  const std::array<ui::Label*, 8> slots = slotLabels();
  for (int slot = 1; slot <= promotion_file::titleSlotCount; ++slot) {
    if (wizard::isSelected(*slots[static_cast<std::size_t>(slot - 1)]) &&
        promotion_file::hasTitleField(slot, field))
      wizard::setLine(editor_, promotion_file::titleLine(slot, field), value);
  }
}

void Form8::Combo1_Click() { writeTitleField(TitleField::type, Combo1.text()); }
void Form8::Combo2_Click() { writeTitleField(TitleField::gender, Combo2.text()); }
void Form8::Combo3_Click() { writeTitleField(TitleField::weightClass, Combo3.text()); }
void Form8::Combo4_Click() { writeTitleField(TitleField::hardcore, Combo4.text()); }
void Form8::Combo5_Click() { writeTitleField(TitleField::brand, Combo5.text()); }

void Form8::HScroll1_Change() {
  const std::string value = std::to_string(HScroll1.value());
  titlevalue.setCaption(value + "%");
  if (!keepLines_) writeTitleField(TitleField::value, value);
}
void Form8::HScroll1_Scroll() { HScroll1_Change(); }

void Form8::HScroll2_Change() {
  const std::string value = std::to_string(HScroll2.value());
  mindraw.setCaption(value);
  if (!keepLines_) writeTitleField(TitleField::minimumDraw, value);
}
void Form8::HScroll2_Scroll() { HScroll2_Change(); }

std::array<Form8::FieldPrompt, 7> Form8::fieldPrompts() {
  return {{
      {holdername, &Form8::holdername_Click, TitleField::holderName, false, "Holder Name",
       "Please enter the name the holder of this title belt will have, eg. World Heavyweight "
       "Champion."},
      {currentchamp, &Form8::currentchamp_Click, TitleField::champion, false, "Current Champion(s)",
       "Please enter the name of the wrestler(s) who currently hold this title belt. If it is a "
       "tag team title, enter the name of the tag team here. If the title is currently vacant, "
       "enter 'Vacant'."},
      {champ1, &Form8::champ1_Click, TitleField::tagHolder1, false, "Champion 1",
       "If this is a tag team title, please enter the name of the first member of the team which "
       "currently hold this title belt. If the title isn't a tag team title, or is vacant, enter "
       "'None'."},
      {champ2, &Form8::champ2_Click, TitleField::tagHolder2, false, "Champion 2",
       "If this is a tag team title, please enter the name of the second member of the team "
       "which currently hold this title belt. If the title isn't a tag team title, or is vacant, "
       "enter 'None'."},
      {reign, &Form8::reign_Click, TitleField::reignDays, true, "Current Reign",
       "Please enter the number of days this wrestler/team has/have held this title so far."},
      {defenses, &Form8::defenses_Click, TitleField::defences, true, "Title Defences",
       "Please enter the number of title defences this wrestler/team has/have made so far."},
      {historydate, &Form8::historydate_Click, TitleField::changeDate, false,
       "Date Of Title Change",
       "Please enter the date when this title was won, or the date it was made vacant. The date "
       "must be in the form 'Saturday 21st August 2004'."},
  }};
}

void Form8::editField(std::size_t prompt) {
  const FieldPrompt p = fieldPrompts()[prompt];
  const wizard::Store store = [this, field = p.field](const std::string& value) {
    writeTitleField(field, value);
  };
  if (p.number)
    wizard::editNumber(editor_, p.value, store, p.title, p.text);
  else
    wizard::editText(editor_, p.value, store, p.title, p.text);
}

void Form8::holdername_Click() { editField(0); }
void Form8::currentchamp_Click() { editField(1); }
void Form8::champ1_Click() { editField(2); }
void Form8::champ2_Click() { editField(3); }
void Form8::reign_Click() { editField(4); }
void Form8::defenses_Click() { editField(5); }
void Form8::historydate_Click() { editField(6); }

// --- Calculator and moving on
// ---------------------------------------------------------------------

void Form8::Label3_Click() { editor_.form9.show(); }

void Form8::Command1_Click() { wizard::goTo(*this, editor_.form10); }

void Form8::Command2_Click() { wizard::goTo(*this, editor_.form7); }
