#pragma once

#include <QHash>
#include <QTableWidget>

// A grid with fixed header rows and columns and a text matrix addressed by
// row and column, the fixed cells included.
class FlexGrid : public QTableWidget {
  Q_OBJECT

 public:
  FlexGrid(int rows, int cols, int fixedRows, int fixedCols, QWidget* parent = nullptr);

  QString TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const QString& text);
  void SetColWidthTwips(int col, int twips);
  void SetColumnLeftAligned(int col);

  int FixedRows() const { return fixedRows_; }
  int FixedCols() const { return fixedCols_; }

 private:
  QTableWidgetItem* CellItem(int row, int col);
  bool IsFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

  int fixedRows_;
  int fixedCols_;
  QHash<int, bool> columnLeftAligned_;
};
