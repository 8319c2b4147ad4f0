#include "update/online_status.h"

#include "update/registry_access.h"

#include "platform/connected_state.h"

namespace update {

QString OnLineStatus() {
  const QString flag = RegistryAccess::ReadRegistryValue(
      platform::HKEY_CURRENT_USER, QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"),
      QStringLiteral("GlobalUserOffline"));
  bool isNumber = false;
  const int offline = flag.toInt(&isNumber);
  if (isNumber && offline == 1) {
    const platform::INTERNET_CONNECTED_INFO connected{platform::INTERNET_STATE_CONNECTED, 0};
    platform::InternetSetOptionA(nullptr, platform::INTERNET_OPTION_CONNECTED_STATE, &connected,
                                 sizeof connected);
  }
  return {};
}

}  // namespace update
