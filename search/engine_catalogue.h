#pragma once

#include "search/engine_definition.h"

#include <span>

namespace RankscoutMod {

// The engine definitions, in the order the run tests them.
std::span<const EngineDefinition> EngineCatalogue();

}  // namespace RankscoutMod
