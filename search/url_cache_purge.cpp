#include "search/url_cache_purge.h"

#include "platform/ansi_text.h"
#include "platform/url_cache.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace RankscoutMod {
namespace {

using platform::INTERNET_CACHE_ENTRY_INFOA;

// The size the caller gives the block it hands over.
void WriteStructSize(void* block, std::uint32_t size) { std::memcpy(block, &size, sizeof size); }

void CollectIfWanted(const void* block, std::uint32_t wantedTypes, QStringList& list) {
  INTERNET_CACHE_ENTRY_INFOA fixed;
  std::memcpy(&fixed, block, sizeof fixed);
  if ((fixed.CacheEntryType & wantedTypes) != 0) list << CopyAnsiText(fixed.lpszSourceUrlName);
}

}  // namespace

QStringList ListUrlCacheEntries(const std::uint32_t& wantedTypes) {
  QStringList list;
  platform::HANDLE walk = nullptr;
  void* block = nullptr;

  std::uint32_t size = 0;
  const platform::HANDLE probe = platform::FindFirstUrlCacheEntryA(nullptr, nullptr, &size);
  if (probe == nullptr && platform::GetLastError() == platform::ERROR_INSUFFICIENT_BUFFER) {
    block = std::malloc(size);
    if (block == nullptr) return list;
    WriteStructSize(block, size);
    walk = platform::FindFirstUrlCacheEntryA(
        nullptr, static_cast<INTERNET_CACHE_ENTRY_INFOA*>(block), &size);
    while (walk != nullptr) {
      CollectIfWanted(block, wantedTypes, list);
      std::free(block);
      block = nullptr;

      size = 0;
      if (platform::FindNextUrlCacheEntryA(walk, nullptr, &size) ||
          platform::GetLastError() != platform::ERROR_INSUFFICIENT_BUFFER || size == 0)
        break;
      block = std::malloc(size);
      if (block == nullptr) break;
      WriteStructSize(block, size);
      if (!platform::FindNextUrlCacheEntryA(
              walk, static_cast<INTERNET_CACHE_ENTRY_INFOA*>(block), &size))
        break;
    }
  }

  std::free(block);
  if (walk != nullptr) platform::FindCloseUrlCache(walk);
  return list;
}

bool RemoveCacheEntry(const QString& url) {
  return platform::DeleteUrlCacheEntryA(platform::ToAnsi(url).constData());
}

QString CopyAnsiText(const char* address) {
  if (address == nullptr) return {};
  const std::size_t length = std::strlen(address);
  std::vector<char> copy(length + 1);
  std::strcpy(copy.data(), address);
  return platform::FromAnsi(QByteArrayView(copy.data(), qsizetype(length)));
}

void PurgeUrlCache() {
  for (const QString& url : ListUrlCacheEntries(platform::NORMAL_CACHE_ENTRY)) RemoveCacheEntry(url);
  for (const QString& url : ListUrlCacheEntries(platform::COOKIE_CACHE_ENTRY)) RemoveCacheEntry(url);
}

}  // namespace RankscoutMod
