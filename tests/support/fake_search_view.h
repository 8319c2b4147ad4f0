#pragma once

#include "search/search_view.h"

#include <QString>

#include <array>
#include <vector>

namespace testsupport {

// A search view without windows: 90 boxes, two text boxes and a 91 x 4 grid
// whose every write is kept in order.
class FakeSearchView : public RankscoutMod::SearchView {
 public:
  struct CellWrite {
    int row;
    int col;
    QString text;
  };

  FakeSearchView();  // the program's 90 captions, all unticked
  ~FakeSearchView() override;

  std::array<QString, 90> captions;
  std::array<bool, 90> ticked{};
  QString searchWords;
  QString webSite;
  bool shown = true;

  QString Cell(int row, int col) const { return grid_[row][col]; }
  const std::vector<CellWrite>& writes() const { return writes_; }
  bool firstColumnLeftAligned() const { return leftAligned_; }

  QString EngineCaption(int index) const override { return captions.at(index); }
  bool EngineTicked(int index) const override { return ticked.at(index); }
  QString SearchWordsText() const override { return searchWords; }
  QString WebSiteText() const override { return webSite; }
  void LoadResults() override {}
  void SetResultsColWidth(int, int) override {}
  void SetResultsColumnLeftAligned(int col) override { leftAligned_ = col == 0; }
  void SetResultsCell(int row, int col, const QString& text) override;
  bool ResultsShown() const override { return shown; }

 private:
  std::array<std::array<QString, 4>, 91> grid_;
  std::vector<CellWrite> writes_;
  bool leftAligned_ = false;
};

}  // namespace testsupport
