#include "platform/network_access.h"

#include "platform/cookie_store.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkProxyFactory>
#include <QPointer>
#include <QStandardPaths>

namespace platform {
namespace {

struct Access {
  QPointer<QNetworkAccessManager> manager;
  QNetworkDiskCache* cache = nullptr;
  PersistentCookieJar* cookies = nullptr;
  QString cacheFolder;
  QString cookieFolder;
};

Access& Current() {
  static Access access;
  const QString cacheFolder = UrlCacheFolder();
  const QString cookieFolder = CookieFolder();
  if (access.manager && access.cacheFolder == cacheFolder && access.cookieFolder == cookieFolder)
    return access;
  delete access.manager;
  // http_proxy and the desktop's proxy settings are honoured.
  QNetworkProxyFactory::setUseSystemConfiguration(true);
  // A child of the application, so it goes before the application does.
  auto* manager = new QNetworkAccessManager(QCoreApplication::instance());
  auto* cache = new QNetworkDiskCache(manager);
  cache->setCacheDirectory(cacheFolder);
  manager->setCache(cache);
  auto* cookies = new PersistentCookieJar(cookieFolder);
  manager->setCookieJar(cookies);
  access = {manager, cache, cookies, cacheFolder, cookieFolder};
  return access;
}

}  // namespace

QString UrlCacheFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
         QStringLiteral("/Rankscout/web");
}

QString CookieFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Rankscout/cookies");
}

QNetworkAccessManager& NetworkAccess() { return *Current().manager; }
QNetworkDiskCache& UrlDiskCache() { return *Current().cache; }
PersistentCookieJar& CookieStore() { return *Current().cookies; }

}  // namespace platform
