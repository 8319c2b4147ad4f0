#pragma once

#include "search/engine_definition.h"

#include <QString>

#include <functional>
#include <span>

namespace RankscoutMod {

// Walks the engine boxes 0..89 of the view, runs the definition of every
// ticked engine over its pages and writes its row of the results grid.
void RunRankingSearch();

// The same walk over `catalogue`, calling `fetchPage` for each page with
// PageUrl, PageCounter and PageStep set.
void RunRankingSearch(std::span<const EngineDefinition> catalogue,
                      const std::function<void()>& fetchPage);

// The loop's end value for `engine` with the current PagesToSearch.
double LastPageValue(const EngineDefinition& engine, double pagesToSearch);

// PageUrl of `engine` for the given loop values and the current encoded words.
QString JoinPageUrl(const EngineDefinition& engine, double pageCounter, std::int16_t pageStep);

}  // namespace RankscoutMod
