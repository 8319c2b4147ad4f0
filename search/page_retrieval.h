#pragma once

#include <QString>

namespace RankscoutMod {

// Loads PageUrl, waits for it, dumps and scans its text for WebSite, and
// appends the page number to RankingPages on a hit.
void FetchAndScanPage();

// Writes `text` into the file `fileName`, creating or emptying it.
void SavePageText(const QString& fileName, const QString& text);

}  // namespace RankscoutMod
