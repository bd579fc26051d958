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

// The order of two cell texts: whole numbers first, by value; then other texts without regard to
// ASCII case, ties by their bytes (as common::lessIgnoringCase). Each text's key is made once,
// then keys are compared. A key's head is the text's first sixteen bytes in lower case, padded
// with NULs and packed so that comparing two heads compares them: when two heads differ, they
// alone decide the order of their texts.
constexpr std::size_t headBytes = 16;

struct SortKey {
  bool number;
  std::uint64_t head[2];
  const std::string* text;
  std::size_t at;  // where the text came from
};

SortKey sortKey(const std::string& text, std::size_t at) {
  SortKey key{isWholeNumber(text), {0, 0}, &text, at};
  for (std::size_t i = 0; i < headBytes; ++i) {
    const char c = i < text.size() ? common::lowerAscii(text[i]) : '\0';
    std::uint64_t& half = key.head[i / 8];
    half = half << 8 | static_cast<unsigned char>(c);
  }
  return key;
}

// Two texts with equal heads: their first bytes, as far as both reach within the head, are alike
// but for case, so the comparison without regard to case goes on from there.
bool lessAfterEqualHeads(const std::string& a, const std::string& b) {
  std::size_t i = std::min({a.size(), b.size(), headBytes});
  while (i < a.size() && i < b.size() && common::lowerAscii(a[i]) == common::lowerAscii(b[i])) ++i;
  if (i == a.size() || i == b.size()) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;  // bytes, compared as unsigned values
  }
  return static_cast<unsigned char>(common::lowerAscii(a[i])) <
         static_cast<unsigned char>(common::lowerAscii(b[i]));
}

bool keyBefore(const SortKey& a, const SortKey& b) {
  if (a.number != b.number) return a.number;
  if (a.number) return compareWholeNumbers(*a.text, *b.text) < 0;
  if (a.head[0] != b.head[0]) return a.head[0] < b.head[0];
  if (a.head[1] != b.head[1]) return a.head[1] < b.head[1];
  return lessAfterEqualHeads(*a.text, *b.text);
}

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
  std::vector<SortKey> keys;
  keys.reserve(static_cast<std::size_t>(rows_ - fixedRows_));
  for (int r = fixedRows_; r < rows_; ++r)
    keys.push_back(sortKey(cell(r, col_)->text, static_cast<std::size_t>(r)));
  // Rows already in order stay where they are, as a stable sort would leave them.
  if (std::is_sorted(keys.begin(), keys.end(), keyBefore)) {
    changed();
    return;
  }
  std::stable_sort(keys.begin(), keys.end(), keyBefore);
  const auto width = static_cast<std::size_t>(cols_);
  std::vector<Cell> sorted;
  sorted.reserve(cells_.size());
  std::move(cells_.begin(), cells_.begin() + static_cast<std::ptrdiff_t>(fixedRows_ * width),
            std::back_inserter(sorted));
  for (const SortKey& key : keys) {
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(key.at * width);
    std::move(first, first + static_cast<std::ptrdiff_t>(width), std::back_inserter(sorted));
  }
  cells_ = std::move(sorted);
  changed();
}

void sortInGridOrder(std::vector<std::size_t>& positions, const std::vector<std::string>& texts) {
  std::vector<SortKey> keys;
  keys.reserve(positions.size());
  for (std::size_t at : positions) keys.push_back(sortKey(texts[at], at));
  std::stable_sort(keys.begin(), keys.end(), keyBefore);
  for (std::size_t i = 0; i < keys.size(); ++i) positions[i] = keys[i].at;
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
