#include "roster/stat_sheet.h"

#include "app/editor.h"
#include "common/number_text.h"
#include "roster/stat_table.h"

namespace {

void styleButton(ui::CommandButton& button, const char* caption, int left, int top, int width) {
  button.setCaption(caption);
  button.setBold(true);
  button.place(left, top, width, 25);
}

}  // namespace

Form13::Form13(Editor& editor) : editor_(editor) {
  setCaption(mainCaption);
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

  Label1.place(184, 346, 305, 17);
  Label1.setBold(true);
  Label1.setForeColor(ui::white);
  Label1.setCaption(stat_table::idleCaption);
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
  styleButton(Command2, "OK", 184, 400, 209);
  styleButton(Command1, "Cancel", 400, 400, 209);
  infobox.place(184, 440, 425, 81);
  infobox.setForeColor(ui::white);
  infobox.setWordWrap(true);
  styleButton(Command4, "Delete This Wrestler", 176, 536, 217);
  styleButton(Command3, "OK", 400, 536, 217);

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

void Form13::MSFlexGrid1_SelectStat() {}

// --- Applying a stat ---------------------------------------------------------------------------

void Form13::Command2_Click() {}

void Form13::Command1_Click() { closeeditor(); }

void Form13::Text1_KeyDown(int key) {
  if (key == ui::KeyEnter) Command2_Click();
}

void Form13::Combo1_KeyDown(int key) {
  if (key == ui::KeyEnter) Command2_Click();
}

void Form13::HScroll1_Change() {}

void Form13::HScroll1_Scroll() { HScroll1_Change(); }

// --- Deleting the wrestler ---------------------------------------------------------------------

void Form13::Command4_Click() {}
