#pragma once
// A running editor on a temporary game folder with the wrestler database open, and the steps the
// roster tests share: writing a roster, opening the list, reading the grid and the stat sheet.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/editor.h"
#include "roster/roster_file.h"
#include "roster/stat_table.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"

namespace rostertest {

inline const std::string rosterFile = "Data/wrestlers.vl1";
inline const std::string mainDataFile = "Data/maindata.vl1";

// maindata.vl1 with its start year on line 5.
inline std::vector<std::string> mainData(const std::string& year) {
  return {"Vorlune Main Data", "13", "Thursday", "1", "January", year, "500000"};
}

// A wrestler with a new wrestler's values, but for the name, promotion and injury time.
inline roster_file::WrestlerRecord wrestler(const std::string& name,
                                            const std::string& promotion = "GCF",
                                            const std::string& injury = "0") {
  roster_file::WrestlerRecord record = stat_table::newWrestler(name, "2007");
  record[roster_file::promotion] = promotion;
  record[roster_file::injury] = injury;
  return record;
}

inline std::string rosterBytes(const std::vector<roster_file::WrestlerRecord>& records) {
  std::string bytes;
  for (const auto& record : records)
    for (const std::string& value : record) bytes += value + "\r\n";
  return bytes;
}

// The wrestler table, record by record in table order.
inline std::vector<roster_file::WrestlerRecord> table(const Form12& list) {
  std::vector<roster_file::WrestlerRecord> records;
  for (int i = 0; i < list.wrestlerCount(); ++i) records.push_back(list.record(i));
  return records;
}

// Column `col` of the grid's rows below the header, top to bottom.
inline std::vector<std::string> column(const ui::Grid& grid, int col = 0) {
  std::vector<std::string> texts;
  for (int r = grid.fixedRows(); r < grid.rows(); ++r) texts.push_back(grid.textMatrix(r, col));
  return texts;
}

// The grid row (below the header) that shows this name first, -1 when none.
inline int rowOf(const ui::Grid& grid, const std::string& name) {
  for (int r = grid.fixedRows(); r < grid.rows(); ++r)
    if (grid.textMatrix(r, 0) == name) return r;
  return -1;
}

// Member order matters: the folder is the current folder before the editor exists, and the
// desktop checks its unused answers after the editor is gone.
struct Session {
  GameFolder folder;
  ScriptedDesktop desktop;
  Editor editor{desktop};
  Form12& list = editor.form12;
  Form13& sheet = editor.form13;

  Session() { folder.write(mainDataFile, mainData("2004")); }

  void writeRoster(const std::vector<roster_file::WrestlerRecord>& records) {
    folder.writeBytes(rosterFile, rosterBytes(records));
  }

  // The hub on a data set, then its "Edit The Wrestlers File".
  void open(const std::string& dataSetDir = "\\Data\\") {
    editor.form14.Text1.setText(dataSetDir);
    editor.form14.show();
    editor.form14.Command2.click();
  }

  // Clicks the name of a wrestler in the list (the first row that shows it).
  void pick(const std::string& name) {
    const int row = rowOf(list.MSFlexGrid1, name);
    ASSERT_GE(row, 1) << name << " is not listed";
    list.MSFlexGrid1.selectCell(row, 0);
  }

  // The stat sheet's value column, rows 0 to 30.
  std::vector<std::string> sheetValues() const {
    std::vector<std::string> values;
    for (int r = 0; r < sheet.MSFlexGrid1.rows(); ++r)
      values.push_back(sheet.MSFlexGrid1.textMatrix(r, 1));
    return values;
  }
};

}  // namespace rostertest
