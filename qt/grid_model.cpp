#include "qt/grid_model.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include "qt/control_views.h"
#include "qt/text_conversion.h"

namespace front {

GridModel::GridModel(const ui::Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {
  refresh();
}

void GridModel::refresh() {
  const bool reshaped = rows_ != grid_.rows() || cols_ != grid_.cols() ||
                        fixedRows_ != grid_.fixedRows() || fixedCols_ != grid_.fixedCols();
  if (reshaped) {
    beginResetModel();
    rows_ = grid_.rows();
    cols_ = grid_.cols();
    fixedRows_ = grid_.fixedRows();
    fixedCols_ = grid_.fixedCols();
    headerRow_ = fixedRows_ > 0 && rows_ > 0;
    headerCol_ = fixedCols_ > 0 && cols_ > 0;
    endResetModel();
    return;
  }
  // Same shape: the view repaints what it shows, reading the cells again.
  if (rowCount() > 0 && columnCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  if (headerRow_ && columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (headerCol_ && rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(0, viewRow(rows_));
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(0, viewCol(cols_));
}

QVariant GridModel::cellData(int row, int col, int role) const {
  const ui::CellFormat& format = grid_.cellFormat(row, col);
  const bool fixed = row < fixedRows_ || col < fixedCols_;
  switch (role) {
    case Qt::DisplayRole:
      return shownText(grid_.textMatrix(row, col));
    case Qt::BackgroundRole:
      if (format.backColor != ui::noColor) return toQColor(format.backColor);
      if (fixed) return QApplication::palette().color(QPalette::Button);
      return {};
    case Qt::ForegroundRole:
      if (format.foreColor != ui::noColor) return toQColor(format.foreColor);
      return {};
    case Qt::FontRole:
      if (format.bold) {
        QFont font = baseFont();
        font.setBold(true);
        return font;
      }
      return {};
    case Qt::TextAlignmentRole:
      return static_cast<int>(horizontal(format.alignment) | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  return cellData(gridRow(index.row()), gridCol(index.column()), role);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::BackgroundRole) return {};  // headers keep their own grey
  if (orientation == Qt::Horizontal) {
    if (!headerRow_) return {};
    return cellData(0, gridCol(section), role);
  }
  if (!headerCol_) return {};
  return cellData(gridRow(section), 0, role);
}

}  // namespace front
