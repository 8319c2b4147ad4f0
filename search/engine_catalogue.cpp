#include "search/engine_catalogue.h"

namespace RankscoutMod {

// The rows are filled in with the catalogue work; until then no box fetches anything.
std::span<const EngineDefinition> EngineCatalogue() { return {}; }

}  // namespace RankscoutMod
