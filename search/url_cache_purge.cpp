#include "search/url_cache_purge.h"

namespace RankscoutMod {

// The cache walk arrives with the page-retrieval work.
void PurgeUrlCache() {}

}  // namespace RankscoutMod
