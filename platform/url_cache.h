#pragma once

// The user's URL cache as a walk over its entries: the pages the loader keeps
// in its disk cache and the cookies of its cookie store, one entry per domain
// and path, named "Cookie:user@domain/path".

#include "platform/win32_results.h"

#include <cstdint>

namespace platform {

inline constexpr std::uint32_t NORMAL_CACHE_ENTRY = 0x00000001;
inline constexpr std::uint32_t COOKIE_CACHE_ENTRY = 0x00100000;

struct CACHE_FILETIME {
  std::uint32_t dwLowDateTime;
  std::uint32_t dwHighDateTime;
};

// An entry's description: this fixed part of 80 bytes, followed in the same
// block by the zero-terminated texts its pointers point to.
struct INTERNET_CACHE_ENTRY_INFOA {
  std::uint32_t dwStructSize;  // set by the caller to the size of the block
  std::uint32_t CacheEntryType;
  char* lpszSourceUrlName;
  char* lpszLocalFileName;
  char* lpHeaderInfo;
  std::uint32_t dwHeaderInfoSize;
  std::uint32_t dwUseCount;
  std::uint32_t dwHitRate;
  std::uint32_t dwSizeLow;
  std::uint32_t dwSizeHigh;
  std::uint32_t dwExemptDelta;
  CACHE_FILETIME LastModifiedTime;  // 100 ns since 1601, UTC
  CACHE_FILETIME ExpireTime;
  CACHE_FILETIME LastAccessTime;
};
static_assert(sizeof(INTERNET_CACHE_ENTRY_INFOA) == 80);

struct UrlCacheWalk;
using HANDLE = UrlCacheWalk*;

// Starts a walk and describes its first entry in `entryInfo`. With no buffer or
// one smaller than the entry needs, fails with ERROR_INSUFFICIENT_BUFFER, sets
// `*entryInfoSize` to the size needed and returns no handle; with no entries it
// fails with ERROR_NO_MORE_ITEMS. Only a null search pattern is known.
HANDLE FindFirstUrlCacheEntryA(const char* urlSearchPattern,
                               INTERNET_CACHE_ENTRY_INFOA* entryInfo,
                               std::uint32_t* entryInfoSize);

// The next entry of the walk, with the same size probe: a buffer too small
// leaves the walk where it is.
bool FindNextUrlCacheEntryA(HANDLE enumHandle, INTERNET_CACHE_ENTRY_INFOA* entryInfo,
                            std::uint32_t* entryInfoSize);

// Deletes the entry of a page address or of a "Cookie:user@domain/path" name.
bool DeleteUrlCacheEntryA(const char* urlName);

bool FindCloseUrlCache(HANDLE enumHandle);

// The outcome of the last call above on this thread: ERROR_SUCCESS after one
// that succeeded, else its error.
std::int32_t GetLastError();

}  // namespace platform
