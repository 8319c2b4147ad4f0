#pragma once

// The process's connected state, which the page loader and the URL download
// honour. A process starts offline when the user store says
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Internet Settings
// GlobalUserOffline is 1; InternetSetOptionA changes the state for the process.

#include <cstdint>

namespace platform {

inline constexpr std::uint32_t INTERNET_OPTION_CONNECTED_STATE = 50;
inline constexpr std::uint32_t INTERNET_STATE_CONNECTED = 1;
inline constexpr std::uint32_t INTERNET_STATE_DISCONNECTED = 2;
inline constexpr std::uint32_t INTERNET_STATE_DISCONNECTED_BY_USER = 0x10;

// The 8-byte record of the option, little-endian on the wire.
struct INTERNET_CONNECTED_INFO {
  std::uint32_t dwConnectedState;
  std::uint32_t dwFlags;
};

// Only process-wide settings exist (`internet` null), and only the connected
// state option; anything else answers false and changes nothing.
bool InternetSetOptionA(void* internet, std::uint32_t option, const void* buffer,
                        std::uint32_t bufferLength);

// While the process is offline, page loads and downloads fail at once
// instead of reaching the network.
bool IsOnline();
void SetOnline(bool online);

}  // namespace platform
