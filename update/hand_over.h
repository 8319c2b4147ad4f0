#pragma once

#include "update/main_window_link.h"

#include <QString>

#include <chrono>

namespace RankscoutMod {

// Downloads `url` into `localPath`, always from the server; yes when the
// download service reports success.
bool DownloadUpdater(const QString& url, const QString& localPath);

}  // namespace RankscoutMod

namespace update {

// Downloads "Updater.exe" into the program folder, starts it minimised and
// ends the program. A failed attempt is repeated a bounded number of times,
// pausing with events running; then the user is told and the program goes on.
void UpdateRankscout(const MainWindowLink& mainWindow);

inline constexpr int kHandOverAttempts = 3;
inline constexpr std::chrono::milliseconds kHandOverRetryPause{2000};
// The updater is started after this pause, with events running.
inline constexpr std::chrono::milliseconds kHandOverWait{5000};

}  // namespace update
