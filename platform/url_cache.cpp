#include "platform/url_cache.h"

#include "platform/ansi_text.h"
#include "platform/cookie_store.h"
#include "platform/network_access.h"
#include "platform/page_disk_cache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

#include <cstring>
#include <optional>

namespace platform {

struct UrlCacheWalk {
  QStringList cacheFiles;
  QStringList cookieGroups;
  qsizetype next = 0;  // over the cache files, then the cookie groups
};

namespace {

thread_local std::int32_t lastError = ERROR_SUCCESS;

bool Fail(std::int32_t error) {
  lastError = error;
  return false;
}

bool Succeed() {
  lastError = ERROR_SUCCESS;
  return true;
}

struct Entry {
  std::uint32_t type = 0;
  QByteArray url;
  QByteArray localFile;
  QByteArray headers;
  qint64 size = 0;
  QDateTime lastModified;
  QDateTime expires;
  QDateTime lastAccess;

  std::uint32_t BlockSize() const {
    return std::uint32_t(sizeof(INTERNET_CACHE_ENTRY_INFOA) + url.size() + 1 +
                         localFile.size() + 1 + headers.size() + 1);
  }
};

QByteArray UserName() {
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name && *pw->pw_name)
    return pw->pw_name;
  const QByteArray user = qgetenv("USER");
  return user.isEmpty() ? QByteArrayLiteral("user") : user;
}

QByteArray CookieEntryName(const QString& group) {
  return "Cookie:" + UserName() + '@' + ToAnsi(group);
}

CACHE_FILETIME FileTime(const QDateTime& time) {
  if (!time.isValid()) return {0, 0};
  constexpr qint64 kMsecsFrom1601To1970 = 11644473600000;
  const auto ticks = quint64(time.toMSecsSinceEpoch() + kMsecsFrom1601To1970) * 10000;
  return {std::uint32_t(ticks), std::uint32_t(ticks >> 32)};
}

std::optional<Entry> CacheFileEntry(const QString& path) {
  const QNetworkCacheMetaData meta = PageDiskCache::EntryMetaData(path);
  if (!meta.isValid() || !meta.url().isValid()) return std::nullopt;
  const QFileInfo info(path);
  Entry e;
  e.type = NORMAL_CACHE_ENTRY;
  e.url = meta.url().toEncoded();
  e.localFile = QFile::encodeName(path);
  for (const auto& [name, value] : meta.rawHeaders()) e.headers += name + ": " + value + "\r\n";
  e.size = info.size();
  e.lastModified = meta.lastModified();
  e.expires = meta.expirationDate();
  e.lastAccess = info.lastRead();
  return e;
}

Entry CookieEntry(const QString& group) {
  const QString file = CookieStore().GroupFile(group);
  const QFileInfo info(file);
  Entry e;
  e.type = COOKIE_CACHE_ENTRY;
  e.url = CookieEntryName(group);
  e.localFile = QFile::encodeName(file);
  e.size = info.exists() ? info.size() : 0;
  e.lastModified = info.exists() ? info.lastModified() : QDateTime();
  e.lastAccess = e.lastModified;
  return e;
}

// The entry at `walk.next` or, when that one has gone meanwhile, the next
// one still there; `walk.next` is moved onto it.
std::optional<Entry> CurrentEntry(UrlCacheWalk& walk) {
  for (; walk.next < walk.cacheFiles.size(); ++walk.next)
    if (auto e = CacheFileEntry(walk.cacheFiles[walk.next])) return e;
  const qsizetype cookie = walk.next - walk.cacheFiles.size();
  if (cookie < walk.cookieGroups.size()) return CookieEntry(walk.cookieGroups[cookie]);
  return std::nullopt;
}

void FillBlock(const Entry& e, INTERNET_CACHE_ENTRY_INFOA* info) {
  const std::uint32_t structSize = info->dwStructSize;
  std::memset(info, 0, sizeof *info);
  info->dwStructSize = structSize;
  info->CacheEntryType = e.type;
  char* text = reinterpret_cast<char*>(info) + sizeof *info;
  const auto place = [&text](const QByteArray& s) {
    char* at = text;
    std::memcpy(at, s.constData(), size_t(s.size()) + 1);
    text += s.size() + 1;
    return at;
  };
  info->lpszSourceUrlName = place(e.url);
  info->lpszLocalFileName = place(e.localFile);
  info->lpHeaderInfo = place(e.headers);
  info->dwHeaderInfoSize = std::uint32_t(e.headers.size());
  info->dwSizeLow = std::uint32_t(quint64(e.size));
  info->dwSizeHigh = std::uint32_t(quint64(e.size) >> 32);
  info->LastModifiedTime = FileTime(e.lastModified);
  info->ExpireTime = FileTime(e.expires);
  info->LastAccessTime = FileTime(e.lastAccess);
}

// Describes `e` in the caller's block, or reports the size it needs.
bool Describe(const Entry& e, INTERNET_CACHE_ENTRY_INFOA* info, std::uint32_t* size) {
  const std::uint32_t needed = e.BlockSize();
  if (info == nullptr || *size < needed) {
    *size = needed;
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  }
  FillBlock(e, info);
  *size = needed;
  return Succeed();
}

std::unique_ptr<UrlCacheWalk> Snapshot() {
  auto walk = std::make_unique<UrlCacheWalk>();
  walk->cacheFiles = UrlDiskCache().EntryFiles();
  walk->cookieGroups = CookieStore().Groups();
  return walk;
}

}  // namespace

HANDLE FindFirstUrlCacheEntryA(const char* urlSearchPattern,
                               INTERNET_CACHE_ENTRY_INFOA* entryInfo,
                               std::uint32_t* entryInfoSize) {
  if (urlSearchPattern != nullptr || entryInfoSize == nullptr) {
    Fail(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::unique_ptr<UrlCacheWalk> walk = Snapshot();
  const std::optional<Entry> first = CurrentEntry(*walk);
  if (!first) {
    Fail(ERROR_NO_MORE_ITEMS);
    return nullptr;
  }
  if (!Describe(*first, entryInfo, entryInfoSize)) return nullptr;
  ++walk->next;
  return walk.release();
}

bool FindNextUrlCacheEntryA(HANDLE enumHandle, INTERNET_CACHE_ENTRY_INFOA* entryInfo,
                            std::uint32_t* entryInfoSize) {
  if (enumHandle == nullptr) return Fail(ERROR_INVALID_HANDLE);
  if (entryInfoSize == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  const std::optional<Entry> entry = CurrentEntry(*enumHandle);
  if (!entry) return Fail(ERROR_NO_MORE_ITEMS);
  if (!Describe(*entry, entryInfo, entryInfoSize)) return false;
  ++enumHandle->next;
  return true;
}

bool DeleteUrlCacheEntryA(const char* urlName) {
  if (urlName == nullptr || *urlName == '\0') return Fail(ERROR_INVALID_PARAMETER);
  const QByteArrayView name(urlName);
  if (name.first(std::min<qsizetype>(7, name.size())).compare("Cookie:", Qt::CaseInsensitive) == 0) {
    const qsizetype at = name.indexOf('@');
    if (at < 0) return Fail(ERROR_FILE_NOT_FOUND);
    return CookieStore().RemoveGroup(FromAnsi(name.sliced(at + 1))) ? Succeed()
                                                                     : Fail(ERROR_FILE_NOT_FOUND);
  }
  const QUrl url = QUrl::fromEncoded(name.toByteArray());
  return UrlDiskCache().remove(url) ? Succeed() : Fail(ERROR_FILE_NOT_FOUND);
}

bool FindCloseUrlCache(HANDLE enumHandle) {
  if (enumHandle == nullptr) return Fail(ERROR_INVALID_HANDLE);
  delete enumHandle;
  return Succeed();
}

std::int32_t GetLastError() { return lastError; }

}  // namespace platform
