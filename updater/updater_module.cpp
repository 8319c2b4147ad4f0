#include "updater/updater_module.h"

#include "updater/frm_splash.h"

#include "platform/url_download.h"

#include <QCoreApplication>
#include <QDir>

namespace Updater {

void Main() {
  auto* splash = new frmSplash(QCoreApplication::applicationDirPath());
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  splash->Form_Load();
}

bool DownloadMainProgram(const QString& url, const QString& localPath) {
  return platform::URLDownloadToFileA(nullptr, url.toLocal8Bit().constData(),
                                      localPath.toLocal8Bit().constData(),
                                      platform::BINDF_GETNEWESTVERSION, nullptr) == platform::S_OK;
}

QString MainProgramAddress() {
  return QStringLiteral("http://" RANKSCOUT_UPDATE_HOST "/Updates/rankscout/Rankscout.exe");
}

}  // namespace Updater
