#include "platform/network_access.h"

#include "platform/cookie_store.h"
#include "platform/page_disk_cache.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QDeadlineTimer>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QPointer>
#include <QStandardPaths>

#include <map>

namespace platform {
namespace {

// The system's proxy answer for a host, asked once and then kept for a while:
// asking the desktop's proxy service costs more than a loopback page load.
// A change of the proxy variables is seen at once.
class CachedSystemProxies : public QNetworkProxyFactory {
 public:
  QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
    QByteArray key = QByteArray::number(int(query.queryType())) + ' ' +
                     query.protocolTag().toUtf8() + "://" + query.peerHostName().toUtf8() + ':' +
                     QByteArray::number(query.peerPort());
    for (const char* variable : {"http_proxy", "https_proxy", "all_proxy", "no_proxy",
                                 "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "NO_PROXY"})
      key += ' ' + qgetenv(variable);
    const auto it = answers_.find(key);
    if (it != answers_.end() && !it->second.expiry.hasExpired()) return it->second.proxies;
    const QList<QNetworkProxy> proxies = systemProxyForQuery(query);
    answers_[key] = {proxies, QDeadlineTimer(kKeepMs)};
    return proxies;
  }

 private:
  static constexpr int kKeepMs = 30'000;
  struct Answer {
    QList<QNetworkProxy> proxies;
    QDeadlineTimer expiry;
  };
  std::map<QByteArray, Answer> answers_;
};

struct Access {
  QPointer<QNetworkAccessManager> manager;
  PageDiskCache* cache = nullptr;
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
  // A child of the application, so it goes before the application does.
  auto* manager = new QNetworkAccessManager(QCoreApplication::instance());
  // http_proxy and the desktop's proxy settings are honoured.
  manager->setProxyFactory(new CachedSystemProxies);
  auto* cache = new PageDiskCache(cacheFolder, manager);
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
PageDiskCache& UrlDiskCache() { return *Current().cache; }
PersistentCookieJar& CookieStore() { return *Current().cookies; }

}  // namespace platform
