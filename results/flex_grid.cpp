#include "results/flex_grid.h"

#include "platform/window_measures.h"

#include <QHeaderView>

FlexGrid::FlexGrid(int rows, int cols, int fixedRows, int fixedCols, QWidget* parent)
    : QTableWidget(rows, cols, parent), fixedRows_(fixedRows), fixedCols_(fixedCols) {
  // The fixed row and column are cells of the grid itself, so hide Qt's own headers.
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setWordWrap(false);
}

QTableWidgetItem* FlexGrid::CellItem(int row, int col) {
  QTableWidgetItem* cell = item(row, col);
  if (cell) return cell;
  cell = new QTableWidgetItem;
  if (IsFixed(row, col)) {
    cell->setFlags(Qt::ItemIsEnabled);
    cell->setBackground(palette().button());
    cell->setForeground(palette().buttonText());
  }
  setItem(row, col, cell);
  return cell;
}

QString FlexGrid::TextMatrix(int row, int col) const {
  const QTableWidgetItem* cell = item(row, col);
  return cell ? cell->text() : QString();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
  if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return;
  QTableWidgetItem* cell = CellItem(row, col);
  cell->setText(text);
  if (columnLeftAligned_.value(col)) cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void FlexGrid::SetColWidthTwips(int col, int twips) { setColumnWidth(col, platform::Twips(twips)); }

void FlexGrid::SetColumnLeftAligned(int col) {
  columnLeftAligned_.insert(col, true);
  for (int row = 0; row < rowCount(); ++row)
    if (QTableWidgetItem* cell = item(row, col)) cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}
