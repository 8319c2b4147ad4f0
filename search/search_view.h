#pragma once

// What the search run needs of the windows. The windows implement it; the
// search library itself never touches a widget.

#include <QString>

namespace RankscoutMod {

class SearchView {
 public:
  virtual ~SearchView() = default;

  // The engine boxes Check1(0..89) and the two text boxes of the main window.
  virtual QString EngineCaption(int index) const = 0;
  virtual bool EngineTicked(int index) const = 0;
  virtual QString SearchWordsText() const = 0;
  virtual QString WebSiteText() const = 0;

  // The results window: loaded on demand, its grid and whether it is shown.
  virtual void LoadResults() = 0;
  virtual void SetResultsColWidth(int col, int twips) = 0;
  virtual void SetResultsColumnLeftAligned(int col) = 0;
  virtual void SetResultsCell(int row, int col, const QString& text) = 0;
  virtual bool ResultsShown() const = 0;
};

// The view the run works with; set by the program at start, by tests at will.
void SetSearchView(SearchView* view);
SearchView* View();

}  // namespace RankscoutMod
