#pragma once
// A table model over a ui::Grid that reads the cells when the view asks for them, so a grid of
// 100,000 rows costs only the rows on screen. The grid's first fixed row is the view's column
// header and its first fixed column the row header; further fixed rows or columns are grey cells.

#include <QAbstractTableModel>

#include "ui/grid.h"

namespace front {

class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  GridModel(const ui::Grid& grid, QObject* parent);

  // Takes in the grid's present shape and contents; called by the front end when the grid changed.
  void refresh();

  bool headerRow() const { return headerRow_; }
  bool headerCol() const { return headerCol_; }
  // Grid cells <-> view cells.
  int gridRow(int viewRow) const { return viewRow + (headerRow_ ? 1 : 0); }
  int gridCol(int viewCol) const { return viewCol + (headerCol_ ? 1 : 0); }
  int viewRow(int gridRow) const { return gridRow - (headerRow_ ? 1 : 0); }
  int viewCol(int gridCol) const { return gridCol - (headerCol_ ? 1 : 0); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant cellData(int row, int col, int role) const;

  const ui::Grid& grid_;
  // The shape the view was last told of; the grid itself may already be ahead of it.
  int rows_ = 0, cols_ = 0, fixedRows_ = 0, fixedCols_ = 0;
  bool headerRow_ = false, headerCol_ = false;
};

}  // namespace front
