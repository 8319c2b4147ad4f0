#include "search/page_retrieval.h"

namespace RankscoutMod {

// The page load, dump and scan arrive with the page-retrieval work.
void FetchAndScanPage() {}

// Written together with the page retrieval.
void SavePageText(const QString&, const QString&) {}

}  // namespace RankscoutMod
