// The grid: counts, cells and formats, the current cell, clear, and the generic ascending sort.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <vector>

#include "common/text.h"
#include "ui/ui.h"

namespace {

// A grid with a header row and one column of the given texts below it.
void fillColumn(ui::Grid& grid, const std::string& header, const std::vector<std::string>& texts) {
  grid.setRows(static_cast<int>(texts.size()) + 1);
  grid.setTextMatrix(0, 0, header);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    grid.setTextMatrix(static_cast<int>(i) + 1, 0, texts[i]);
  }
}

std::vector<std::string> column(const ui::Grid& grid, int col, int fromRow) {
  std::vector<std::string> texts;
  for (int row = fromRow; row < grid.rows(); ++row) texts.push_back(grid.textMatrix(row, col));
  return texts;
}

struct SortCase {
  const char* what;
  std::vector<std::string> texts;
  std::vector<std::string> sorted;
};

TEST(GridSort, OrdersTheRowsBelowTheHeader) {
  const std::vector<SortCase> cases = {
      {"numbers by value, not by text", {"10", "9", "100", "2"}, {"2", "9", "10", "100"}},
      {"signed numbers", {"5", "-3", "+4", "0", "-10"}, {"-10", "-3", "0", "+4", "5"}},
      {"numbers come before words", {"beta", "7", "Alpha", "12"}, {"7", "12", "Alpha", "beta"}},
      {"a number with anything else is a word",
       {"5 ", "x", "1,000", " 3", "4"},
       {"4", " 3", "1,000", "5 ", "x"}},
      {"words without regard to case",
       {"banana", "Cherry", "apple"},
       {"apple", "banana", "Cherry"}},
      {"same letters: upper case bytes first",
       {"apple", "Apple", "APPLE"},
       {"APPLE", "Apple", "apple"}},
      {"shorter prefix first", {"Smithson", "smith", "Smit"}, {"Smit", "smith", "Smithson"}},
      {"empty texts are words and come first among them", {"b", "", "1", "a"}, {"1", "", "a", "b"}},
      {"numbers longer than any machine word",
       {"123456789012345678901234567890", "99999999999999999999",
        "-123456789012345678901234567890"},
       {"-123456789012345678901234567890", "99999999999999999999",
        "123456789012345678901234567890"}},
      {"leading zeros", {"010", "9", "0011"}, {"9", "010", "0011"}},
      {"bytes above 127 after ASCII", {"\xE9t\xE9", "zebra", "Ab"}, {"Ab", "zebra", "\xE9t\xE9"}},
      {"texts alike in their first eight letters",
       {"Wrestler Zed", "wrestler amy", "WRESTLER", "Wrestler"},
       {"WRESTLER", "Wrestler", "wrestler amy", "Wrestler Zed"}},
      {"a NUL byte is a letter", {std::string("a\0b", 3), "a"}, {"a", std::string("a\0b", 3)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ui::Form form;
    ui::Grid grid{form, "grid"};
    grid.setCols(1);
    grid.setFixedCols(0);
    fillColumn(grid, "Header", c.texts);
    grid.setCol(0);
    grid.sort();
    EXPECT_EQ(grid.textMatrix(0, 0), "Header");
    EXPECT_EQ(column(grid, 0, 1), c.sorted);
  }
}

// Rows written in the order sortInGridOrder gives are the rows the grid's own sort gives, equal
// texts in their first order, so the grid's sort leaves them; both agree with a plain stable sort
// by the rule (small whole numbers by value first, then texts without regard to case, then bytes).
TEST(GridSort, SortInGridOrderGivesTheGridsOwnOrder) {
  std::vector<std::string> texts = {"Axel Stone 12",
                                    "axel stone 12",
                                    "Axel Stone 12",
                                    "AXEL STONE 12",
                                    "Axel Stone 120",
                                    "Axel Stone 1",
                                    "Fenna Halvorsen 77",
                                    "fenna halvorsen 7",
                                    "Fenna Halvorsen 77",
                                    "42",
                                    "-7",
                                    "007",
                                    "7",
                                    "+7",
                                    "0",
                                    "-0",
                                    "",
                                    "",
                                    "7 ",
                                    "Wrestler",
                                    "wrestler",
                                    std::string("a\0b", 3),
                                    "a",
                                    std::string("a\0", 2),
                                    "\xC9mile",
                                    "\xE9mile",
                                    "Zed",
                                    "zed"};
  // Many names alike in their first sixteen letters, in mixed case, some of them twice.
  const char* const starts[] = {"Fenna Halvorsen ", "fenna HALVORSEN ", "Axel Stone ",
                                "Kofi Lund "};
  for (unsigned i = 0; i < 400; ++i) {
    const unsigned n = (i * 2654435761U) >> 7;
    texts.push_back(starts[n % 4] + std::to_string(n % 97));
    if (i % 13 == 0) texts.push_back(std::to_string(n % 50));
  }

  std::vector<std::size_t> order(texts.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::vector<std::size_t> expected = order;
  const auto isNumber = [](const std::string& t) {
    const std::size_t from = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
    return t.size() > from &&
           std::all_of(t.begin() + from, t.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  std::stable_sort(expected.begin(), expected.end(), [&](std::size_t a, std::size_t b) {
    const bool na = isNumber(texts[a]), nb = isNumber(texts[b]);
    if (na != nb) return na;
    if (na) return std::stoll(texts[a]) < std::stoll(texts[b]);
    return common::lessIgnoringCase(texts[a], texts[b]);
  });
  ui::sortInGridOrder(order, texts);
  EXPECT_EQ(order, expected);

  // The grid's own sort of the rows in their first order, each row carrying its position.
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setFixedCols(0);
  grid.setRows(static_cast<int>(texts.size()) + 1);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    grid.setTextMatrix(static_cast<int>(i) + 1, 0, texts[i]);
    grid.setTextMatrix(static_cast<int>(i) + 1, 1, std::to_string(i));
  }
  grid.setCol(0);
  grid.sort();
  std::vector<std::size_t> sorted;
  for (const std::string& position : column(grid, 1, 1)) sorted.push_back(std::stoul(position));
  EXPECT_EQ(sorted, expected);

  // Filled in that order, the rows stay where they are.
  for (std::size_t row = 0; row < order.size(); ++row) {
    grid.setTextMatrix(static_cast<int>(row) + 1, 0, texts[order[row]]);
    grid.setTextMatrix(static_cast<int>(row) + 1, 1, "row " + std::to_string(row));
  }
  grid.sort();
  for (std::size_t row = 0; row < order.size(); ++row)
    EXPECT_EQ(grid.textMatrix(static_cast<int>(row) + 1, 1), "row " + std::to_string(row));
}

TEST(GridSort, MovesWholeRowsStablyWithTheirFormats) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setFixedCols(0);
  grid.setRows(6);
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"Name", "Promotion"}, {"Zed", "A"}, {"amy", "B"}, {"Bob", "C"}, {"Amy", "D"}, {"Bob", "E"}};
  for (int r = 0; r < 6; ++r) {
    grid.setTextMatrix(r, 0, rows[r].first);
    grid.setTextMatrix(r, 1, rows[r].second);
  }
  // Mark the row of "Zed" bold and right-aligned in its second cell.
  grid.setRow(1);
  grid.setCol(1);
  grid.setCellBold(true);
  grid.setCellAlignment(ui::Align::Right);
  grid.setCellBackColor(ui::yellow);

  grid.setCol(0);
  grid.sort();

  EXPECT_EQ(column(grid, 0, 0),
            (std::vector<std::string>{"Name", "Amy", "amy", "Bob", "Bob", "Zed"}));
  // The second column moved with its rows; the two "Bob" rows kept their order.
  EXPECT_EQ(column(grid, 1, 0), (std::vector<std::string>{"Promotion", "D", "B", "C", "E", "A"}));
  EXPECT_TRUE(grid.cellFormat(5, 1).bold);
  EXPECT_EQ(grid.cellFormat(5, 1).alignment, ui::Align::Right);
  EXPECT_EQ(grid.cellFormat(5, 1).backColor, ui::yellow);
  EXPECT_FALSE(grid.cellFormat(1, 1).bold);

  // Sorting on the second column.
  grid.setCol(1);
  grid.sort();
  EXPECT_EQ(column(grid, 1, 1), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
  EXPECT_EQ(column(grid, 0, 1), (std::vector<std::string>{"Zed", "amy", "Bob", "Amy", "Bob"}));
}

TEST(GridSort, WithNoFixedRowsSortsEveryRow) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setFixedRows(0);
  grid.setFixedCols(0);
  grid.setCols(1);
  grid.setRows(4);
  const std::vector<std::string> names = {"Tokyo Dome", "arena", "Zenith", "Arena"};
  for (int r = 0; r < 4; ++r) grid.setTextMatrix(r, 0, names[r]);
  grid.setCol(0);
  grid.sort();
  EXPECT_EQ(column(grid, 0, 0),
            (std::vector<std::string>{"Arena", "arena", "Tokyo Dome", "Zenith"}));
}

TEST(GridSort, AGridOfOnlyFixedRowsIsLeftAlone) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setRows(1);
  grid.setTextMatrix(0, 0, "Wrestler Name");
  grid.setCol(0);
  grid.sort();
  EXPECT_EQ(grid.rows(), 1);
  EXPECT_EQ(grid.textMatrix(0, 0), "Wrestler Name");
}

TEST(Grid, StartsWithTwoRowsTwoColumnsAndOneFixedEach) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  EXPECT_EQ(grid.rows(), 2);
  EXPECT_EQ(grid.cols(), 2);
  EXPECT_EQ(grid.fixedRows(), 1);
  EXPECT_EQ(grid.fixedCols(), 1);
  EXPECT_EQ(grid.row(), 1);
  EXPECT_EQ(grid.col(), 1);
}

TEST(Grid, ResizingKeepsTheRemainingCellsAndTheCurrentCellInRange) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setRows(5);
  grid.setCols(3);
  grid.setTextMatrix(1, 1, "kept");
  grid.setTextMatrix(4, 2, "dropped");
  grid.setRow(4);
  grid.setCol(2);
  grid.setTopRow(4);

  grid.setRows(3);
  grid.setCols(2);
  EXPECT_EQ(grid.textMatrix(1, 1), "kept");
  EXPECT_EQ(grid.row(), 2);
  EXPECT_EQ(grid.col(), 1);
  EXPECT_EQ(grid.topRow(), 2);

  // Growing again brings empty cells, not the old texts.
  grid.setRows(5);
  grid.setCols(3);
  EXPECT_EQ(grid.textMatrix(4, 2), "");
  EXPECT_EQ(grid.textMatrix(1, 1), "kept");

  // Down to the header row only (as a grid reset does) and back up.
  grid.setRows(1);
  EXPECT_EQ(grid.rows(), 1);
  EXPECT_EQ(grid.row(), 0);
  grid.setRows(3);
  grid.setTextMatrix(2, 0, "new");
  EXPECT_EQ(grid.textMatrix(2, 0), "new");
}

TEST(Grid, CellsOutsideReadEmptyAndTakeNothing) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setTextMatrix(2, 0, "x");
  grid.setTextMatrix(-1, 0, "x");
  grid.setTextMatrix(0, 2, "x");
  EXPECT_EQ(grid.textMatrix(2, 0), "");
  EXPECT_EQ(grid.textMatrix(-1, 0), "");
  EXPECT_EQ(grid.textMatrix(0, 2), "");
  EXPECT_EQ(grid.cellFormat(9, 9), ui::CellFormat{});
  grid.setColWidth(2, 50);
  grid.setColWidth(-1, 50);
  EXPECT_EQ(grid.colWidth(2), 0);
  EXPECT_EQ(grid.colWidth(-1), 0);
  EXPECT_EQ(grid.colWidth(0), 0);
  EXPECT_EQ(grid.colWidth(1), 0);
  EXPECT_EQ(grid.colWidth(5), 0);
}

TEST(Grid, AGridWithNoCellsTakesNothing) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setRows(-3);
  EXPECT_EQ(grid.rows(), 0);
  EXPECT_EQ(grid.fixedRows(), 0);
  EXPECT_EQ(grid.row(), 0);
  grid.setFixedRows(5);
  EXPECT_EQ(grid.fixedRows(), 0);

  // The current cell is outside the grid: its text and formats read empty and take nothing.
  grid.setText("x");
  grid.setCellBold(true);
  grid.setCellBackColor(ui::navy);
  EXPECT_EQ(grid.text(), "");
  EXPECT_FALSE(grid.cellBold());
  EXPECT_EQ(grid.cellBackColor(), ui::noColor);
  grid.sort();
  grid.clear();
  EXPECT_EQ(grid.rows(), 0);

  bool selected = false;
  grid.onSelect = [&selected] { selected = true; };
  form.show();
  grid.selectCell(0, 0);
  EXPECT_FALSE(selected);
}

TEST(Grid, CurrentCellTextAndFormats) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setRows(3);
  grid.setRow(0);
  grid.setCol(0);
  grid.setText("Wrestler Name");  // fixed cells take text from code
  grid.setCellForeColor(ui::white);
  grid.setCellBackColor(ui::navy);
  EXPECT_EQ(grid.textMatrix(0, 0), "Wrestler Name");
  EXPECT_EQ(grid.text(), "Wrestler Name");
  EXPECT_EQ(grid.cellFormat(0, 0).foreColor, ui::white);
  EXPECT_EQ(grid.cellBackColor(), ui::navy);
  grid.setColWidth(0, 333);
  EXPECT_EQ(grid.colWidth(0), 333);

  // Clear empties texts and formats and keeps the counts and widths.
  grid.clear();
  EXPECT_EQ(grid.textMatrix(0, 0), "");
  EXPECT_EQ(grid.cellFormat(0, 0), ui::CellFormat{});
  EXPECT_EQ(grid.rows(), 3);
  EXPECT_EQ(grid.cols(), 2);
  EXPECT_EQ(grid.colWidth(0), 333);
}

TEST(Grid, TopRowStaysWithinTheScrollingRows) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setRows(10);
  grid.setTopRow(0);
  EXPECT_EQ(grid.topRow(), 1);  // below the fixed row
  grid.setTopRow(50);
  EXPECT_EQ(grid.topRow(), 9);
  grid.setFixedRows(0);
  grid.setTopRow(0);
  EXPECT_EQ(grid.topRow(), 0);
}

TEST(Grid, UserSelectionMakesTheCellCurrent) {
  ui::Form form;
  ui::Grid grid{form, "grid"};
  grid.setFixedCols(0);
  grid.setRows(4);
  grid.setTextMatrix(3, 0, "Ace");
  std::string seen;
  grid.onSelect = [&] { seen = grid.text(); };
  form.show();
  grid.selectCell(3, 0);
  EXPECT_EQ(seen, "Ace");
  EXPECT_EQ(grid.row(), 3);
  EXPECT_EQ(grid.col(), 0);
}

}  // namespace
