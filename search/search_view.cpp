#include "search/search_view.h"

namespace RankscoutMod {
namespace {
SearchView* current = nullptr;
}

void SetSearchView(SearchView* view) { current = view; }
SearchView* View() { return current; }

}  // namespace RankscoutMod
