#include "tests/support/fake_web_leftovers.h"

#include "platform/cookie_store.h"
#include "platform/network_access.h"
#include "platform/page_disk_cache.h"

#include <QDateTime>
#include <QIODevice>
#include <QNetworkCookie>
#include <QUrl>

namespace testsupport {

void CachePage(const QString& url, const QByteArray& body) {
  QNetworkCacheMetaData meta;
  meta.setUrl(QUrl(url));
  meta.setSaveToDisk(true);
  meta.setLastModified(QDateTime::currentDateTimeUtc());
  meta.setRawHeaders({{"Content-Type", "text/html"}});
  QIODevice* device = platform::UrlDiskCache().prepare(meta);
  if (!device) return;
  device->write(body);
  platform::UrlDiskCache().insert(device);
}

void StoreCookie(const QString& url, const QByteArray& setCookie) {
  platform::CookieStore().setCookiesFromUrl(QNetworkCookie::parseCookies(setCookie), QUrl(url));
}

}  // namespace testsupport
