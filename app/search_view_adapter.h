#pragma once

#include "search/search_view.h"

class frmMainForm;

// Gives the search run the main window's boxes and the results window's grid.
class SearchViewAdapter : public RankscoutMod::SearchView {
 public:
  explicit SearchViewAdapter(frmMainForm& main) : main_(main) {}

  QString EngineCaption(int index) const override;
  bool EngineTicked(int index) const override;
  QString SearchWordsText() const override;
  QString WebSiteText() const override;
  void LoadResults() override;
  void SetResultsColWidth(int col, int twips) override;
  void SetResultsColumnLeftAligned(int col) override;
  void SetResultsCell(int row, int col, const QString& text) override;
  bool ResultsShown() const override;

 private:
  frmMainForm& main_;
};
