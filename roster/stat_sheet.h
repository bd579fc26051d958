#pragma once

#include <optional>
#include <string>

#include "roster/stat_table.h"
#include "ui/ui.h"

class Editor;

// The stat sheet: one wrestler's 31 stats, each edited and checked on its own.
class Form13 : public ui::Form {
 public:
  explicit Form13(Editor& editor);

  ui::Label Label2{*this, "Label2"};           // heading: the wrestler's full name
  ui::Grid MSFlexGrid1{*this, "MSFlexGrid1"};  // 31 rows: the stat's label, its value
  // The one-stat editor below the grid: its caption, one of the three editors, OK and Cancel,
  // and the stat's help text.
  ui::Label Label1{*this, "Label1"};
  ui::TextBox Text1{*this, "Text1"};
  ui::ComboBox Combo1{*this, "Combo1", true};
  ui::HScrollBar HScroll1{*this, "HScroll1"};
  ui::Label scrollnum{*this, "scrollnum"};
  ui::CommandButton Command2{*this, "Command2"};  // "OK": applies the stat
  ui::CommandButton Command1{*this, "Command1"};  // "Cancel"
  ui::Label infobox{*this, "infobox"};
  ui::CommandButton Command4{*this, "Command4"};  // "Delete This Wrestler"
  ui::CommandButton Command3{*this, "Command3"};  // "OK": back to the wrestler list
  ui::Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"},
      Line4{*this, "Line4"}, Line5{*this, "Line5"}, Line6{*this, "Line6"}, Line7{*this, "Line7"};

  // "yes" when the last apply stored its value, "no" when a check refused it.
  std::string statok = "yes";

  // The stat grid's columns, in pixels: 2300 and 4215 twips, narrowed a little so that both fit
  // beside the grid's scroll bar.
  static constexpr int labelColumnWidth = 147, valueColumnWidth = 271;

  void MSFlexGrid1_SelectStat();
  void Command2_Click();  // "OK" of the editor
  void Command1_Click();  // "Cancel"
  void Text1_KeyDown(int key);
  void Combo1_KeyDown(int key);
  void HScroll1_Change();
  void HScroll1_Scroll();
  void Command3_Click();  // "OK" under the grid: back to the list
  void Command4_Click();  // "Delete This Wrestler"

  // The idle sheet: no editor shown, the idle caption, no help text.
  void idle();
  // Closes the open editor: the grid takes clicks again, the buttons that leave work, idle.
  void closeeditor();

  // The roster, counting a value in the open stat editor that differs from the stat's value on
  // the sheet: its save first applies that value exactly as the editor's "OK" does, and saves
  // the roster only when the value was taken (a refused one keeps the editor open as it was).
  std::optional<ui::UnsavedWork> unsavedWork() override;

 private:
  // The stat whose editor is open, by the editor's caption; none while the sheet is idle.
  const stat_table::StatRow* openstat() const;
  // The open editor's value, as "OK" reads it for that stat.
  std::string editorvalue(const stat_table::StatRow& stat) const;
  Editor& editor_;
};
