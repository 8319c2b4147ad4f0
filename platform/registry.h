#pragma once

// The registry calls the programs make, kept in their Win32 shape. The stores
// are text files in .reg syntax: HKEY_CURRENT_USER is
// <XDG config home>/rankscout/user.reg, HKEY_LOCAL_MACHINE is
// rankscout/machine.reg in the XDG config dirs (the earlier dir wins). A store
// is read when a key is opened; the calls never write.

#include "platform/win32_results.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace platform {

using HKEY = std::uint32_t;

inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

// Value types.
inline constexpr std::uint32_t REG_NONE = 0;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;
inline constexpr std::uint32_t REG_MULTI_SZ = 7;
inline constexpr std::uint32_t REG_QWORD = 11;

// Access masks; every mask is granted, since nothing can be written.
inline constexpr std::uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr std::uint32_t KEY_READ = 0x20019;

// `subKey` null or "" gives back `key` itself.
std::int32_t RegOpenKeyA(HKEY key, const char* subKey, HKEY* result);
// `subKey` null or "" opens a new handle to `key`.
std::int32_t RegOpenKeyExA(HKEY key, const char* subKey, std::uint32_t options,
                           std::uint32_t samDesired, HKEY* result);
// Strings come back in the locale's 8-bit encoding with their NUL, and
// `*dataLength` counts it. With `data` null only the length is told; a buffer
// shorter than the value gives ERROR_MORE_DATA and the length needed.
// `valueName` null or "" is the key's default value (@ in the file).
std::int32_t RegQueryValueExA(HKEY key, const char* valueName, std::uint32_t* reserved,
                              std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength);
// Closing a predefined root succeeds and does nothing.
std::int32_t RegCloseKey(HKEY key);

// Where the stores are, for the tools and tests that fill them.
QString UserRegistryFile();
QStringList MachineRegistryFiles();  // in precedence order

}  // namespace platform
