#include "roster/stat_sheet.h"

#include <algorithm>
#include <vector>

#include "app/editor.h"
#include "common/dates.h"
#include "common/number_text.h"
#include "common/wildcard.h"
#include "roster/stat_table.h"
#include "shell/main_data.h"
#include "ui/styles.h"

Form13::Form13(Editor& editor) : editor_(editor) {
  setCaption(ui::mainCaption);
  setBackdrop("main");
  setSize(640, 576);

  // Design positions are in pixels: the window's twips divided by 15.
  Label2.place(176, 24, 433, 25);
  Label2.setFontSize(12);
  Label2.setBold(true);
  Label2.setForeColor(ui::white);
  Label2.setAlignment(ui::Align::Center);

  MSFlexGrid1.place(176, 48, 437, 289);
  MSFlexGrid1.setBackColor(ui::white);
  MSFlexGrid1.setCols(2);
  MSFlexGrid1.setRows(stat_table::rowCount);
  MSFlexGrid1.setFixedRows(0);
  MSFlexGrid1.setFixedCols(0);
  MSFlexGrid1.setColWidth(0, labelColumnWidth);
  MSFlexGrid1.setColWidth(1, valueColumnWidth);

  ui::styleCaption(Label1, stat_table::idleCaption, 184, 346, 305);
  Text1.place(184, 368, 425, 25);
  Text1.setBackColor(ui::white);
  Text1.setForeColor(ui::black);
  Combo1.place(184, 368, 425, 24);
  HScroll1.place(184, 368, 369, 25);
  HScroll1.setRange(0, 100);
  HScroll1.setSteps(1, 10);
  scrollnum.place(560, 372, 49, 17);
  scrollnum.setBold(true);
  scrollnum.setForeColor(ui::white);
  scrollnum.setAlignment(ui::Align::Center);
  ui::styleButton(Command2, "OK", 184, 400, 209);
  ui::styleButton(Command1, "Cancel", 400, 400, 209);
  Command1.setCancel(true);  // Escape in the stat editor abandons the edit
  infobox.place(184, 440, 425, 81);
  infobox.setForeColor(ui::white);
  infobox.setWordWrap(true);
  ui::styleButton(Command4, "Delete This Wrestler", 176, 536, 217);
  ui::styleButton(Command3, "OK", 400, 536, 217);

  // The frame of the editor area, its sides split by the rule between editor and help text.
  constexpr int left = 176, right = 616, top = 344, rule = 432, bottom = 528;
  Line1.setEnds(left, top, right, top);
  Line2.setEnds(left, bottom, right, bottom);
  Line3.setEnds(left, top, left, rule);
  Line4.setEnds(left, rule, left, bottom);
  Line5.setEnds(right, top, right, rule);
  Line6.setEnds(right, rule, right, bottom);
  Line7.setEnds(left, rule, right, rule);
  for (ui::Line* line : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7}) {
    line->place(left, top, right - left + 1, bottom - top + 1);
    line->setForeColor(ui::white);
  }

  MSFlexGrid1.onSelect = [this] { MSFlexGrid1_SelectStat(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Text1.onKeyDown = [this](int key) { Text1_KeyDown(key); };
  Combo1.onKeyDown = [this](int key) { Combo1_KeyDown(key); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll1.onScroll = [this] { HScroll1_Scroll(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
}

// --- The sheet's states ------------------------------------------------------------------------

void Form13::idle() {
  infobox.setCaption("");
  Label1.setCaption(stat_table::idleCaption);
  for (ui::Control* editor : std::initializer_list<ui::Control*>{&Text1, &Command1, &Command2,
                                                                 &HScroll1, &scrollnum, &Combo1})
    editor->setVisible(false);
}

void Form13::closeeditor() {
  MSFlexGrid1.setEnabled(true);
  Command3.setEnabled(true);
  Command4.setEnabled(true);
  idle();
}

// --- Back to the list --------------------------------------------------------------------------

void Form13::Command3_Click() {
  Form12& list = editor_.form12;
  list.showprocedure();
  list.sortasbefore();
  // Scrolled back, as far as it can, to the row the wrestler was opened from.
  const int row = static_cast<int>(common::numberValue(list.rowno.caption()));
  list.MSFlexGrid1.setTopRow(list.MSFlexGrid1.rows() - 1 >= row ? row : 0);
  list.show();
  hide();
}

// --- Opening a stat editor ---------------------------------------------------------------------

void Form13::MSFlexGrid1_SelectStat() {
  const int row = MSFlexGrid1.row();
  if (MSFlexGrid1.col() != 1 || row < 0 || row >= stat_table::rowCount) return;
  MSFlexGrid1.setEnabled(false);
  Command3.setEnabled(false);
  Command4.setEnabled(false);
  for (ui::Control* control : std::initializer_list<ui::Control*>{&Text1, &Command1, &Command2,
                                                                  &HScroll1, &scrollnum, &Combo1})
    control->setVisible(false);

  const stat_table::StatRow& stat = stat_table::rows()[static_cast<std::size_t>(row)];
  const std::string cell = MSFlexGrid1.text();
  std::string help = stat.help;
  if (stat.field == roster_file::expires) {
    // The help reminds of the year the game begins in; a maindata.vl1 that can't give it shows
    // the year as unknown, and the editor still opens.
    std::string year;
    const bool known = main_data::readStartYear(editor_.dataFile(main_data::fileName), year).ok;
    editor_.form14.Text2.setText(year);
    help +=
        (known ? editor_.form14.Text2.text() : std::string("(unknown)")) + stat_table::yearHelpEnd;
  }

  switch (stat.kind) {
    case stat_table::Kind::Text:
      Text1.setText(cell);
      Text1.setVisible(true);
      Text1.setFocus();
      break;
    case stat_table::Kind::Choice:
      Combo1.clear();
      for (const stat_table::Choice& choice : stat.choices) Combo1.addItem(choice.shown);
      Combo1.setText(cell);
      Combo1.setVisible(true);
      break;
    case stat_table::Kind::Scale:
      // "Inj" (only the condition shows it) stands at 1; a text that is no number stands at 0,
      // and one beyond the bar's ends at its end, while the label keeps the text as it is.
      HScroll1.setValue(stat.field == roster_file::cond && cell == "Inj"
                            ? 1
                            : static_cast<int>(std::clamp(common::numberValue(cell), 0.0, 100.0)));
      scrollnum.setCaption(cell);
      HScroll1.setVisible(true);
      scrollnum.setVisible(true);
      break;
  }
  Label1.setCaption(stat.caption);
  infobox.setCaption(help);
  Command1.setVisible(true);
  Command2.setVisible(true);
}

// --- Applying a stat ---------------------------------------------------------------------------

namespace {

bool isMonthAndYear(const std::string& value) {
  return std::any_of(
      common::monthNames.begin(), common::monthNames.end(),
      [&value](const std::string& month) { return common::wildcardMatch(value, month + " *"); });
}

}  // namespace

const stat_table::StatRow* Form13::openstat() const {
  const stat_table::StatRow* found = nullptr;
  for (const stat_table::StatRow& stat : stat_table::rows()) {
    if (Label1.caption() == stat.caption) found = &stat;
  }
  return found;
}

std::string Form13::editorvalue(const stat_table::StatRow& stat) const {
  return stat.kind == stat_table::Kind::Text     ? Text1.text()
         : stat.kind == stat_table::Kind::Choice ? Combo1.text()
                                                 : scrollnum.caption();
}

void Form13::Command2_Click() {
  const stat_table::StatRow* found = openstat();
  if (!found) return;
  const stat_table::StatRow& stat = *found;

  Form12& list = editor_.form12;
  ui::ListBox& values = list.field(stat.field);
  const int target = list.listpos.caption() == "new"
                         ? values.listCount() - 1
                         : static_cast<int>(common::numberValue(list.listpos.caption()));
  if (target < 0 || target >= values.listCount()) {
    statok = "no";
    ui::say(editor_.desktop,
            "This wrestler is no longer in the roster, so the stat can't be changed. Click "
            "Cancel, then OK to go back to the list.",
            ui::Icon::Exclamation);
    return;
  }

  std::string value = editorvalue(stat);
  // Every failing check shows its message; a later check still runs after an earlier one failed.
  statok = "yes";
  auto refuse = [this](const std::string& message) {
    statok = "no";
    ui::say(editor_.desktop, message);
  };
  if (!stat.emptyMessage.empty() && value.empty()) refuse(stat.emptyMessage);
  if (!stat.choiceMessage.empty() &&
      std::none_of(stat.choices.begin(), stat.choices.end(),
                   [&value](const stat_table::Choice& c) { return c.shown == value; }))
    refuse(stat.choiceMessage);
  switch (stat.check) {
    case stat_table::Check::None:
      break;
    case stat_table::Check::Unique:
      for (const std::string& entry : values.items()) {
        if (entry == value) refuse(stat.checkMessage);
      }
      break;
    case stat_table::Check::MonthAndYear:
      if (!value.empty() && !isMonthAndYear(value)) refuse(stat.checkMessage);
      break;
    case stat_table::Check::NoLeadingThe:
      if (common::wildcardMatch(value, "The *")) refuse(stat.checkMessage);
      break;
    case stat_table::Check::InjuryNeeded:
      if (value == "Inj" && list.injury.list(target) == "0") refuse(stat.checkMessage);
      break;
  }
  if (std::find(stat.replaced.begin(), stat.replaced.end(), value) != stat.replaced.end()) {
    value = stat.replacement;
    Text1.setText(value);
  }
  if (statok != "yes") return;

  if (stat.field == roster_file::names) Label2.setCaption(value);
  MSFlexGrid1.setText(value);
  values.setList(target, stat_table::storedValue(stat, value));
  closeeditor();
}

void Form13::Command1_Click() { closeeditor(); }

std::optional<ui::UnsavedWork> Form13::unsavedWork() {
  // Opening or creating the wrestler on the sheet has marked the roster changed already.
  std::optional<ui::UnsavedWork> roster = editor_.form12.unsavedWork();
  const stat_table::StatRow* stat = openstat();
  if (!roster || !stat || editorvalue(*stat) == MSFlexGrid1.text()) return roster;
  roster->save = [this] {
    Command2_Click();
    return !openstat() && editor_.form12.saveroster();  // a value taken closes the editor
  };
  return roster;
}

void Form13::Text1_KeyDown(int key) {
  if (key == ui::KeyEnter) Command2_Click();
}

void Form13::Combo1_KeyDown(int key) {
  if (key == ui::KeyEnter) Command2_Click();
}

void Form13::HScroll1_Change() {
  scrollnum.setCaption(std::to_string(HScroll1.value()));
  if (Label1.caption() == "Condition" && HScroll1.value() == 0) scrollnum.setCaption("Inj");
}

void Form13::HScroll1_Scroll() { HScroll1_Change(); }

// --- Deleting the wrestler ---------------------------------------------------------------------

void Form13::Command4_Click() {
  if (!ui::askYesNo(editor_.desktop,
                    "Are you sure you want to permanently delete this wrestler?")) {
    ui::say(editor_.desktop, "Delete cancelled.");
    return;
  }
  Form12& list = editor_.form12;
  const int count = list.wrestlerCount();
  const int wrestler = list.listpos.caption() == "new"
                           ? count - 1
                           : static_cast<int>(common::numberValue(list.listpos.caption()));
  if (wrestler < 0 || wrestler >= count) {
    ui::say(editor_.desktop, "This wrestler is no longer in the roster; nothing was deleted.",
            ui::Icon::Exclamation);
    return;
  }
  list.totalnum.setCaption(common::addToNumberText(list.totalnum.caption(), -1));
  std::vector<bool> which(static_cast<std::size_t>(count), false);
  which[static_cast<std::size_t>(wrestler)] = true;
  list.removeRecords(which);
  ui::say(editor_.desktop, "This wrestler has been deleted.");

  list.showprocedure();
  list.sortasbefore();
  const int row = static_cast<int>(common::numberValue(list.rowno.caption()));
  if (list.MSFlexGrid1.rows() - 1 >= row) list.MSFlexGrid1.setTopRow(row);
  list.show();
  hide();
}
