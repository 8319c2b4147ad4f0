#pragma once

// The search state of RankscoutMod: module-level variables shared by the main
// window, the run, the page retrieval and the update check for the program's life.

#include <QString>

#include <cstdint>
#include <memory>

namespace platform {
class HtmlDocument;
}

namespace RankscoutMod {

inline QString SearchWords;        // as typed in Text1
inline QString WebSite;            // as typed in Text3
inline double PagesToSearch = 0;   // read from Combo1; may be 0, negative or fractional
inline std::int16_t EngineSelected = 0;
inline std::int16_t EngineIndex = 0;  // also the counter of every loop over boxes or rows
inline std::int16_t PageStep = 0;
inline double PageCounter = 0;
inline QString PageUrl;
inline QString RankingPages;       // page numbers joined by ","

inline QString QueryPlus;
inline QString QueryDash;
inline QString QueryPct2B;
inline QString QueryPct252B;
inline QString QueryPct20;

inline QString TempFileName;
inline std::shared_ptr<platform::HtmlDocument> PageDocument;

// The index that marks a cancelled run: box 89 is a spare box, so no engine runs with it.
inline constexpr std::int16_t kCancelledEngineIndex = 89;
inline constexpr int kEngineBoxCount = 90;

}  // namespace RankscoutMod
