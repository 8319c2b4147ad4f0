#pragma once

// The URL download service: fetches a URL into a local file in one call,
// running events while it waits. The file is written only when the whole
// body arrived with a 2xx status; a failed download leaves an existing file
// as it was.

#include <cstdint>

namespace platform {

// The binding flag that asks for the newest version: the cache is bypassed.
inline constexpr std::uint32_t BINDF_GETNEWESTVERSION = 16;

inline constexpr std::int32_t S_OK = 0;
inline constexpr auto E_INVALIDARG = static_cast<std::int32_t>(0x80070057u);
inline constexpr auto INET_E_RESOURCE_NOT_FOUND = static_cast<std::int32_t>(0x800C0005u);
inline constexpr auto INET_E_DOWNLOAD_FAILURE = static_cast<std::int32_t>(0x800C0008u);
inline constexpr auto INET_E_UNKNOWN_PROTOCOL = static_cast<std::int32_t>(0x800C000Du);

// `caller` and `callback` must be null: there are no caller objects or
// progress callbacks here. `flags` (the reserved argument) takes
// BINDF_GETNEWESTVERSION. Returns S_OK when the file was written.
std::int32_t URLDownloadToFileA(void* caller, const char* url, const char* fileName,
                                std::uint32_t flags, void* callback);

}  // namespace platform
