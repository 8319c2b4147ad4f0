#pragma once

#include <QString>

namespace RankscoutMod {

// The captions of the engine boxes Check1(0..89) in index order; the run
// compares them with the catalogue's captions. 87 to 89 are spare boxes.
QString EngineBoxCaption(int index);

}  // namespace RankscoutMod
