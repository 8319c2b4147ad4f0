#pragma once

namespace RankscoutMod {

// Deletes every ordinary entry and every cookie of the user's URL cache.
void PurgeUrlCache();

}  // namespace RankscoutMod
