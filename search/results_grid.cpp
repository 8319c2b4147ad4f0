#include "search/results_grid.h"

#include "search/search_view.h"

#include <array>

namespace RankscoutMod {

void PrepareResultsGrid() {
  SearchView* view = View();
  if (!view) return;
  view->LoadResults();
  constexpr std::array<int, 4> kWidths = {1400, 2000, 4000, 2100};
  for (int col = 0; col < 4; ++col) view->SetResultsColWidth(col, kWidths[col]);
  const std::array<const char*, 4> headers = {"Search Engine", "Ranking Page", "Search Words",
                                              "Web Site"};
  for (int col = 0; col < 4; ++col) view->SetResultsCell(0, col, QString::fromLatin1(headers[col]));
}

}  // namespace RankscoutMod
