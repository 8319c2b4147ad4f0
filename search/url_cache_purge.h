#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace RankscoutMod {

// Deletes every ordinary entry and every cookie of the user's URL cache.
void PurgeUrlCache();

// The addresses of all cache entries whose type shares a flag with `wantedTypes`,
// in the order the cache walk gives them. A failing call ends the walk; what
// was collected until then is returned.
QStringList ListUrlCacheEntries(const std::uint32_t& wantedTypes);

// Deletes the cache entry of `url`; whether the cache reported success.
bool RemoveCacheEntry(const QString& url);

// A copy of the zero-terminated text in the locale's encoding at `address`.
QString CopyAnsiText(const char* address);

}  // namespace RankscoutMod
