#pragma once

#include <QString>

namespace RankscoutMod {

// Loads PageUrl, waits for it at most a little over 5 seconds while events
// run, dumps its text into TempFileName, scans it for WebSite and appends the
// page number to RankingPages on a hit; then deletes the dump and purges the
// URL cache. Sets EngineIndex to kCancelledEngineIndex when the results
// window is no longer shown.
void FetchAndScanPage();

// Writes `text` into the file `fileName` in the locale's encoding, creating or
// emptying it. False when the file could not be written.
bool SavePageText(const QString& fileName, const QString& text);

// Appends the current page number to RankingPages when the upper-cased
// `pageText` contains the upper-cased WebSite; an empty page holds nothing.
void ScanForWebSite(const QString& pageText);

// The page number of the current page: 1 + (PageCounter - 1) / PageStep, in its
// shortest form ("3", not "3.0"); empty when it is no number (a step of 0).
QString CurrentPageNumber();

}  // namespace RankscoutMod
