#pragma once
// A grid of text cells: row and column counts, fixed header rows and columns, cell texts and
// formats, the current cell, the top row, clear and a generic ascending sort.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace ui {

struct CellFormat {
  Color backColor = noColor;  // noColor: the grid's own (white, or grey in fixed cells)
  Color foreColor = noColor;  // noColor: black
  bool bold = false;
  Align alignment = Align::Left;
  bool operator==(const CellFormat&) const = default;
};

class Grid : public Control {
 public:
  Grid(Form& owner, std::string name);

  int rows() const { return rows_; }
  void setRows(int);  // new rows are empty; the current row and top row are kept in range
  int cols() const { return cols_; }
  void setCols(int);
  int fixedRows() const { return fixedRows_; }
  void setFixedRows(int);
  int fixedCols() const { return fixedCols_; }
  void setFixedCols(int);

  std::string textMatrix(int row, int col) const;        // "" outside the grid
  void setTextMatrix(int row, int col, std::string);     // outside the grid: nothing
  const CellFormat& cellFormat(int row, int col) const;  // a default format outside the grid

  int colWidth(int col) const;  // pixels; 0 = the front end's default
  void setColWidth(int col, int width);

  // The current cell. Setting it from code raises nothing.
  int row() const { return row_; }
  void setRow(int);
  int col() const { return col_; }
  void setCol(int);
  std::string text() const;  // the current cell's text
  void setText(std::string);

  // Formats of the current cell.
  Color cellBackColor() const;
  void setCellBackColor(Color);
  Color cellForeColor() const;
  void setCellForeColor(Color);
  bool cellBold() const;
  void setCellBold(bool);
  Align cellAlignment() const;
  void setCellAlignment(Align);

  int topRow() const { return topRow_; }
  void setTopRow(int);  // clamped to fixedRows() .. rows() - 1

  void clear();  // empties every cell's text and format, keeps rows and cols
  // Generic ascending sort of the non-fixed rows on the current column, moving whole rows (texts
  // and formats). Texts that are whole numbers compare as numbers and come first; other texts
  // compare without regard to case, then by bytes. Stable.
  void sort();

  std::function<void()> onSelect;     // cell selection: raised only by selectCell
  void selectCell(int row, int col);  // user: makes the cell current, raises onSelect

 private:
  struct Cell {
    std::string text;
    CellFormat format;
  };
  Cell* cell(int row, int col);
  const Cell* cell(int row, int col) const;
  template <typename T>
  void setCurrentFormat(T CellFormat::*field, T value);  // outside the grid: nothing

  int rows_ = 2, cols_ = 2, fixedRows_ = 1, fixedCols_ = 1;
  int row_ = 1, col_ = 1, topRow_ = 1;
  std::vector<Cell> cells_;  // row by row: cell (row, col) is cells_[row * cols_ + col]
  std::vector<int> colWidths_;
};

// Puts positions into `texts` in the order Grid::sort gives rows holding those texts, stably: for
// filling a grid's rows already in order, which its sort then leaves as they are.
void sortInGridOrder(std::vector<std::size_t>& positions, const std::vector<std::string>& texts);

}  // namespace ui
