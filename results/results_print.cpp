#include "results/results_print.h"

#include "platform/message_box.h"
#include "platform/window_font.h"
#include "results/flex_grid.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <numeric>

namespace results {
namespace {

constexpr double kBodyPointSize = 9.0;
constexpr double kTitlePointSize = 12.0;

QTextCharFormat TextFormat(double pointSize, bool bold) {
  QTextCharFormat format;
  format.setFont(platform::DialogFont(pointSize));
  if (bold) format.setFontWeight(QFont::Bold);
  return format;
}

QList<QTextLength> ColumnConstraints(const GridText& grid, int columns) {
  QList<int> widths = grid.columnWidths;
  widths.resize(columns);
  for (int& w : widths) w = std::max(w, 1);
  const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
  QList<QTextLength> constraints;
  for (int w : widths) constraints.append(QTextLength(QTextLength::PercentageLength, 100.0 * w / total));
  return constraints;
}

// The title, then one table: row 0 of the grid becomes the repeated header row.
// Borders, padding and margins are in screen pixels; the layout scales them to the printer.
void BuildDocument(QTextDocument& document, const GridText& grid, const QString& title) {
  QTextOption option = document.defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // no cell text is cut off
  document.setDefaultTextOption(option);
  document.setDefaultFont(platform::DialogFont(kBodyPointSize));

  QTextCursor cursor(&document);
  cursor.insertText(title, TextFormat(kTitlePointSize, true));
  QTextBlockFormat gap;
  gap.setTopMargin(6.0);
  cursor.insertBlock(gap);

  int columns = static_cast<int>(grid.columnWidths.size());
  for (const QStringList& row : grid.rows) columns = std::max(columns, static_cast<int>(row.size()));
  if (grid.rows.isEmpty() || columns == 0) return;

  QTextTableFormat tableFormat;
  tableFormat.setHeaderRowCount(1);
  tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  tableFormat.setBorder(1.0);
  tableFormat.setBorderBrush(QColor(128, 128, 128));
  tableFormat.setBorderCollapse(true);
  tableFormat.setCellPadding(2.0);
  tableFormat.setCellSpacing(0.0);
  tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100.0));
  tableFormat.setColumnWidthConstraints(ColumnConstraints(grid, columns));
  QTextTable* table = cursor.insertTable(static_cast<int>(grid.rows.size()), columns, tableFormat);

  QTextTableCellFormat headerCell;
  headerCell.setBackground(QColor(224, 224, 224));
  for (int r = 0; r < grid.rows.size(); ++r) {
    const QStringList& row = grid.rows.at(r);
    for (int c = 0; c < columns && c < row.size(); ++c) {
      QTextTableCell cell = table->cellAt(r, c);
      if (r == 0) cell.setFormat(headerCell);
      cell.firstCursorPosition().insertText(row.at(c), TextFormat(kBodyPointSize, r == 0));
    }
  }
}

}  // namespace

GridText ReadGridText(const FlexGrid& grid) {
  GridText text;
  for (int r = 0; r < grid.rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < grid.columnCount(); ++c) row.append(grid.TextMatrix(r, c));
    text.rows.append(row);
  }
  for (int c = 0; c < grid.columnCount(); ++c) text.columnWidths.append(grid.columnWidth(c));
  return text;
}

bool PrintGridText(const GridText& grid, const QString& title, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;

  QTextDocument document;
  // Laid out in the printer's own resolution, so point sizes come out true on paper.
  document.documentLayout()->setPaintDevice(&printer);
  BuildDocument(document, grid, title);

  const QRectF paintArea = printer.pageLayout().paintRectPixels(printer.resolution());
  const QFont footerFont = platform::DialogFont(kBodyPointSize - 1);
  const double footerHeight = QFontMetricsF(footerFont, &printer).height() * 2;
  const QSizeF body(paintArea.width(), paintArea.height() - footerHeight);
  document.setPageSize(body);

  const int pages = document.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !printer.newPage()) return false;
    painter.save();
    painter.translate(0, -page * body.height());
    document.drawContents(&painter, QRectF(QPointF(0, page * body.height()), body));
    painter.restore();
    painter.setFont(footerFont);
    painter.drawText(QRectF(0, body.height(), body.width(), footerHeight), Qt::AlignCenter,
                     QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
  }
  return painter.end();
}

void PrintGrid(const FlexGrid& grid, QPrinter& printer, QWidget* parent) {
  const GridText text = ReadGridText(grid);
  const QString title = QStringLiteral("Rankscout Results");
  printer.setDocName(title);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintGridText(text, title, printer)) {
    platform::MsgBox(QStringLiteral("The results could not be printed."), platform::MsgBoxButtons::OK,
                     QStringLiteral("Rankscout"));
  }
}

void PrintGrid(const FlexGrid& grid, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  PrintGrid(grid, printer, parent);
}

}  // namespace results
