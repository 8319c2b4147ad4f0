#include "update/update_server.h"

namespace update {

QString UpdatePageAddress() {
  return QStringLiteral("http://" RANKSCOUT_UPDATE_HOST "/Updates/rankscout/updateme.htm");
}

QString UpdaterAddress() { return QStringLiteral("http://" RANKSCOUT_UPDATE_HOST "/Updates/rankscout/Updater.exe"); }

}  // namespace update
