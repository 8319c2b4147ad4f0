#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class FlexGrid;
class QPrinter;
class QWidget;

namespace results {

// A grid's cells row by row, the fixed header row first, with the columns'
// widths in any one unit (only their proportions count on paper).
struct GridText {
  QList<QStringList> rows;
  QList<int> columnWidths;
};

GridText ReadGridText(const FlexGrid& grid);

// Prints the grid as a table under `title`, the header row repeated on every
// page and long cell texts wrapped. False when the printer would not start.
bool PrintGridText(const GridText& grid, const QString& title, QPrinter& printer);

// The results window's "Print": the system's print dialog chooses a printer or
// a PDF file for `printer`, then the grid is printed there. Cancelling prints
// nothing; a printer that fails to start is reported in a message box.
void PrintGrid(const FlexGrid& grid, QPrinter& printer, QWidget* parent);
void PrintGrid(const FlexGrid& grid, QWidget* parent);

}  // namespace results
