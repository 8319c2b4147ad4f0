#include "update/hand_over.h"

#include "update/update_server.h"

#include "platform/event_wait.h"
#include "platform/message_box.h"
#include "platform/program_start.h"
#include "platform/url_download.h"
#include "search/search_state.h"

#include <QDir>
#include <QFile>

namespace RankscoutMod {

bool DownloadUpdater(const QString& url, const QString& localPath) {
  return platform::URLDownloadToFileA(nullptr, url.toLocal8Bit().constData(),
                                      localPath.toLocal8Bit().constData(),
                                      platform::BINDF_GETNEWESTVERSION, nullptr) == platform::S_OK;
}

}  // namespace RankscoutMod

namespace update {
namespace {

const QString kUpdater = QStringLiteral("Updater.exe");

// One attempt; true when the updater was started.
bool StartUpdater(const MainWindowLink& mainWindow) {
  using namespace RankscoutMod;
  TempFileName = kUpdater;
  PageUrl = UpdaterAddress();
  DownloadUpdater(PageUrl, TempFileName);
  // The download's answer is not trusted; the file is. An updater left from
  // an earlier update passes too, and does the same work.
  if (!QFile(TempFileName).open(QIODevice::ReadOnly)) return false;
  platform::PauseWithEvents(kHandOverWait);
  return platform::StartProgram(mainWindow.programFolder + QLatin1Char('\\') + kUpdater,
                                platform::WindowStyle::MinimizedFocus) != 0;
}

}  // namespace

void UpdateRankscout(const MainWindowLink& mainWindow) {
  QDir::setCurrent(mainWindow.programFolder);
  for (int attempt = 1; attempt <= kHandOverAttempts; ++attempt) {
    if (attempt > 1) platform::PauseWithEvents(kHandOverRetryPause);
    if (!StartUpdater(mainWindow)) continue;
    if (mainWindow.window) mainWindow.window->close();
    if (mainWindow.mnuExit_Click) mainWindow.mnuExit_Click();
    return;
  }
  // The page dump of later searches and checks must not land in the updater's name.
  RankscoutMod::TempFileName = QStringLiteral("Temp.txt");
  platform::MsgBox(QStringLiteral("The update could not be downloaded. Rankscout will carry on with the "
                                  "version you have; please try Help, Update later."),
                   platform::MsgBoxButtons::OK, QStringLiteral("Rankscout"));
}

}  // namespace update
