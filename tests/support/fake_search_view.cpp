#include "tests/support/fake_search_view.h"

#include "search/engine_boxes.h"

namespace testsupport {

FakeSearchView::FakeSearchView() {
  for (int i = 0; i < 90; ++i) captions[i] = RankscoutMod::EngineBoxCaption(i);
  RankscoutMod::SetSearchView(this);
}

FakeSearchView::~FakeSearchView() {
  if (RankscoutMod::View() == this) RankscoutMod::SetSearchView(nullptr);
}

void FakeSearchView::SetResultsCell(int row, int col, const QString& text) {
  grid_.at(row).at(col) = text;
  writes_.push_back({row, col, text});
}

}  // namespace testsupport
