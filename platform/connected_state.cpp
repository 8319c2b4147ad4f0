#include "platform/connected_state.h"

#include "platform/registry.h"

#include <optional>

namespace platform {
namespace {

std::uint32_t LittleEndian(const unsigned char* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool UserStoreSaysOffline() {
  HKEY key = 0;
  if (RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                  &key) != ERROR_SUCCESS)
    return false;
  std::uint32_t type = 0;
  unsigned char data[4] = {};
  std::uint32_t length = sizeof data;
  const bool read = RegQueryValueExA(key, "GlobalUserOffline", nullptr, &type, data, &length) ==
                        ERROR_SUCCESS &&
                    type == REG_DWORD && length == 4;
  RegCloseKey(key);
  return read && LittleEndian(data) == 1;
}

std::optional<bool>& Online() {
  static std::optional<bool> online;
  return online;
}

}  // namespace

bool InternetSetOptionA(void* internet, std::uint32_t option, const void* buffer,
                        std::uint32_t bufferLength) {
  if (internet || option != INTERNET_OPTION_CONNECTED_STATE || !buffer ||
      bufferLength < sizeof(INTERNET_CONNECTED_INFO))
    return false;
  const std::uint32_t state = LittleEndian(static_cast<const unsigned char*>(buffer));
  if (state & INTERNET_STATE_CONNECTED) {
    SetOnline(true);
  } else if (state & (INTERNET_STATE_DISCONNECTED | INTERNET_STATE_DISCONNECTED_BY_USER)) {
    SetOnline(false);
  } else {
    return false;
  }
  return true;
}

bool IsOnline() {
  if (!Online()) Online() = !UserStoreSaysOffline();
  return *Online();
}

void SetOnline(bool online) { Online() = online; }

}  // namespace platform
