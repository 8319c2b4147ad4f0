#include "app/search_view_adapter.h"

#include "app/main_window.h"
#include "results/flex_grid.h"
#include "results/frm_results.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

QCheckBox* Box(const frmMainForm& main, int index) {
  if (index < 0 || index >= static_cast<int>(main.Check1.size())) return nullptr;
  return main.Check1[static_cast<std::size_t>(index)];
}

}  // namespace

QString SearchViewAdapter::EngineCaption(int index) const {
  const QCheckBox* box = Box(main_, index);
  return box ? box->text() : QString();
}

bool SearchViewAdapter::EngineTicked(int index) const {
  const QCheckBox* box = Box(main_, index);
  return box && box->isChecked();
}

QString SearchViewAdapter::SearchWordsText() const { return main_.Text1->text(); }
QString SearchViewAdapter::WebSiteText() const { return main_.Text3->text(); }

void SearchViewAdapter::LoadResults() {
  // Unloading the results window brings the main window back.
  QObject::connect(&results::LoadResults(), &frmResults::Unloaded, &main_, &QWidget::show,
                   Qt::UniqueConnection);
}

void SearchViewAdapter::SetResultsColWidth(int col, int twips) {
  if (frmResults* window = results::LoadedResults()) window->MSHFlexGrid1->SetColWidthTwips(col, twips);
}

void SearchViewAdapter::SetResultsColumnLeftAligned(int col) {
  if (frmResults* window = results::LoadedResults()) window->MSHFlexGrid1->SetColumnLeftAligned(col);
}

void SearchViewAdapter::SetResultsCell(int row, int col, const QString& text) {
  if (frmResults* window = results::LoadedResults()) window->MSHFlexGrid1->SetTextMatrix(row, col, text);
}

bool SearchViewAdapter::ResultsShown() const {
  const frmResults* window = results::LoadedResults();
  return window && window->isVisible();
}
