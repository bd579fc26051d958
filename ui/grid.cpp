#include "ui/grid.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>

#include "common/text.h"

namespace ui {

namespace {

// A whole number: an optional sign and at least one digit, nothing else (no blanks).
bool isWholeNumber(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  if (text.empty()) return false;
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Compares two whole-number texts by value, with no limit on their length: -1, 0 or 1.
int compareWholeNumbers(std::string_view a, std::string_view b) {
  auto split = [](std::string_view& text) {
    bool negative = text.front() == '-';
    if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
    while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
    return negative && text != "0";  // "-0" is zero
  };
  const bool negativeA = split(a), negativeB = split(b);
  if (negativeA != negativeB) return negativeA ? -1 : 1;
  int magnitude = a.size() != b.size() ? (a.size() < b.size() ? -1 : 1) : a.compare(b);
  magnitude = magnitude < 0 ? -1 : (magnitude > 0 ? 1 : 0);
  return negativeA ? -magnitude : magnitude;
}

// Clamps into lo..hi, or gives lo when the range is empty (hi < lo).
int clampOrLow(int value, int lo, int hi) { return hi < lo ? lo : std::clamp(value, lo, hi); }

}  // namespace

Grid::Grid(Form& owner, std::string name) : Control(owner, std::move(name)) {
  cells_.resize(static_cast<std::size_t>(rows_ * cols_));
  colWidths_.assign(static_cast<std::size_t>(cols_), 0);
}

Grid::Cell* Grid::cell(int row, int col) {
  return const_cast<Cell*>(std::as_const(*this).cell(row, col));
}

const Grid::Cell* Grid::cell(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return nullptr;
  return &cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
                 static_cast<std::size_t>(col)];
}

template <typename T>
void Grid::setCurrentFormat(T CellFormat::*field, T value) {
  if (Cell* c = cell(row_, col_)) {
    c->format.*field = value;
    changed();
  }
}

void Grid::setRows(int rows) {
  rows_ = std::max(rows, 0);
  cells_.resize(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_));
  fixedRows_ = std::min(fixedRows_, rows_);
  row_ = clampOrLow(row_, 0, rows_ - 1);
  topRow_ = clampOrLow(topRow_, fixedRows_, rows_ - 1);
  changed();
}

void Grid::setCols(int cols) {
  const auto rowCount = static_cast<std::size_t>(rows_);
  const auto oldCols = static_cast<std::size_t>(cols_),
             newCols = static_cast<std::size_t>(std::max(cols, 0));
  std::vector<Cell> cells(rowCount * newCols);
  for (std::size_t r = 0; r < rowCount; ++r)
    for (std::size_t c = 0; c < std::min(oldCols, newCols); ++c)
      cells[r * newCols + c] = std::move(cells_[r * oldCols + c]);
  cells_ = std::move(cells);
  cols_ = static_cast<int>(newCols);
  colWidths_.resize(static_cast<std::size_t>(cols_), 0);
  fixedCols_ = std::min(fixedCols_, cols_);
  col_ = clampOrLow(col_, 0, cols_ - 1);
  changed();
}

void Grid::setFixedRows(int fixedRows) {
  fixedRows_ = std::clamp(fixedRows, 0, rows_);
  topRow_ = clampOrLow(topRow_, fixedRows_, rows_ - 1);
  changed();
}

void Grid::setFixedCols(int fixedCols) {
  fixedCols_ = std::clamp(fixedCols, 0, cols_);
  changed();
}

std::string Grid::textMatrix(int row, int col) const {
  const Cell* c = cell(row, col);
  return c ? c->text : std::string();
}

void Grid::setTextMatrix(int row, int col, std::string text) {
  Cell* c = cell(row, col);
  if (!c) return;
  c->text = std::move(text);
  changed();
}

const CellFormat& Grid::cellFormat(int row, int col) const {
  static const CellFormat none;
  const Cell* c = cell(row, col);
  return c ? c->format : none;
}

int Grid::colWidth(int col) const {
  return col >= 0 && col < cols_ ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void Grid::setColWidth(int col, int width) {
  if (col < 0 || col >= cols_) return;
  colWidths_[static_cast<std::size_t>(col)] = width;
  changed();
}

void Grid::setRow(int row) {
  row_ = clampOrLow(row, 0, rows_ - 1);
  changed();
}

void Grid::setCol(int col) {
  col_ = clampOrLow(col, 0, cols_ - 1);
  changed();
}

std::string Grid::text() const { return textMatrix(row_, col_); }

void Grid::setText(std::string text) { setTextMatrix(row_, col_, std::move(text)); }

Color Grid::cellBackColor() const { return cellFormat(row_, col_).backColor; }

void Grid::setCellBackColor(Color color) { setCurrentFormat(&CellFormat::backColor, color); }

Color Grid::cellForeColor() const { return cellFormat(row_, col_).foreColor; }

void Grid::setCellForeColor(Color color) { setCurrentFormat(&CellFormat::foreColor, color); }

bool Grid::cellBold() const { return cellFormat(row_, col_).bold; }

void Grid::setCellBold(bool bold) { setCurrentFormat(&CellFormat::bold, bold); }

Align Grid::cellAlignment() const { return cellFormat(row_, col_).alignment; }

void Grid::setCellAlignment(Align alignment) {
  setCurrentFormat(&CellFormat::alignment, alignment);
}

void Grid::setTopRow(int row) {
  topRow_ = clampOrLow(row, fixedRows_, rows_ - 1);
  changed();
}

void Grid::clear() {
  for (Cell& c : cells_) c = Cell{};
  changed();
}

void Grid::sort() {
  if (col_ < 0 || col_ >= cols_ || fixedRows_ >= rows_) return;
  // The order of two cell texts: whole numbers first, by value; then other texts without regard
  // to ASCII case, ties by their bytes. Each row's key is looked at once, and the rows are then
  // put in the order of their sorted keys.
  // A text's first eight bytes in lower case, packed so that comparing two packs compares them:
  // when two packs differ, they alone decide the order of their texts.
  struct Key {
    bool number;
    std::uint64_t head;
    const std::string* text;
    int row;
  };
  std::vector<Key> keys;
  keys.reserve(static_cast<std::size_t>(rows_ - fixedRows_));
  for (int r = fixedRows_; r < rows_; ++r) {
    const std::string& text = cell(r, col_)->text;
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i) {
      const char c = i < text.size() ? common::lowerAscii(text[i]) : '\0';
      head = head << 8 | static_cast<unsigned char>(c);
    }
    keys.push_back({isWholeNumber(text), head, &text, r});
  }
  const auto before = [](const Key& a, const Key& b) {
    if (a.number != b.number) return a.number;
    if (a.number) return compareWholeNumbers(*a.text, *b.text) < 0;
    if (a.head != b.head) return a.head < b.head;
    return common::lessIgnoringCase(*a.text, *b.text);
  };
  // Rows already in order stay where they are, as a stable sort would leave them.
  if (std::is_sorted(keys.begin(), keys.end(), before)) {
    changed();
    return;
  }
  std::stable_sort(keys.begin(), keys.end(), before);
  const auto width = static_cast<std::size_t>(cols_);
  std::vector<Cell> sorted;
  sorted.reserve(cells_.size());
  std::move(cells_.begin(), cells_.begin() + static_cast<std::ptrdiff_t>(fixedRows_ * width),
            std::back_inserter(sorted));
  for (const Key& key : keys) {
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(key.row * width);
    std::move(first, first + static_cast<std::ptrdiff_t>(width), std::back_inserter(sorted));
  }
  cells_ = std::move(sorted);
  changed();
}

// A person can only select a scrolling cell: a click on a fixed header cell selects nothing.
void Grid::selectCell(int row, int col) {
  if (!canAct() || !cell(row, col) || row < fixedRows_ || col < fixedCols_) return;
  row_ = row;
  col_ = col;
  changed();
  raise(onSelect);
}

}  // namespace ui
