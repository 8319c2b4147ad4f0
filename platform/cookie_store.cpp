#include "platform/cookie_store.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace platform {
namespace {

// One cookie per line: name, value, domain, path, expiry (ms since the epoch),
// flags; name and value in base64.
QByteArray CookieLine(const QNetworkCookie& c) {
  QByteArray flags;
  if (c.isSecure()) flags += 's';
  if (c.isHttpOnly()) flags += 'h';
  return c.name().toBase64() + '\t' + c.value().toBase64() + '\t' + c.domain().toUtf8() + '\t' +
         c.path().toUtf8() + '\t' + QByteArray::number(c.expirationDate().toMSecsSinceEpoch()) +
         '\t' + flags + '\n';
}

bool ParseCookieLine(QByteArray line, QNetworkCookie* cookie) {
  while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
  const QList<QByteArray> f = line.split('\t');
  if (f.size() != 6) return false;
  cookie->setName(QByteArray::fromBase64(f[0]));
  cookie->setValue(QByteArray::fromBase64(f[1]));
  cookie->setDomain(QString::fromUtf8(f[2]));
  cookie->setPath(QString::fromUtf8(f[3]));
  cookie->setExpirationDate(QDateTime::fromMSecsSinceEpoch(f[4].toLongLong(), Qt::UTC));
  cookie->setSecure(f[5].contains('s'));
  cookie->setHttpOnly(f[5].contains('h'));
  return !cookie->name().isEmpty();
}

bool Expired(const QNetworkCookie& c, const QDateTime& now) {
  return !c.isSessionCookie() && c.expirationDate() <= now;
}

}  // namespace

PersistentCookieJar::PersistentCookieJar(const QString& folder, QObject* parent)
    : QNetworkCookieJar(parent), folder_(folder) {
  QDir().mkpath(folder_);
  Load();
}

QString PersistentCookieJar::GroupOf(const QNetworkCookie& cookie) {
  QString domain = cookie.domain();
  if (domain.startsWith(QLatin1Char('.'))) domain.remove(0, 1);
  const QString path = cookie.path().isEmpty() ? QStringLiteral("/") : cookie.path();
  return domain + (path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path);
}

QString PersistentCookieJar::GroupFile(const QString& group) const {
  return folder_ + QLatin1Char('/') +
         QString::fromLatin1(
             QCryptographicHash::hash(group.toUtf8(), QCryptographicHash::Sha1).toHex()) +
         QStringLiteral(".cookies");
}

QList<QNetworkCookie> PersistentCookieJar::LiveCookies() const {
  QList<QNetworkCookie> live = allCookies();
  const QDateTime now = QDateTime::currentDateTimeUtc();
  live.removeIf([&](const QNetworkCookie& c) { return Expired(c, now); });
  return live;
}

QStringList PersistentCookieJar::Groups() const {
  QStringList groups;
  for (const QNetworkCookie& c : LiveCookies()) groups << GroupOf(c);
  groups.sort();
  groups.removeDuplicates();
  return groups;
}

bool PersistentCookieJar::RemoveGroup(const QString& group) {
  QList<QNetworkCookie> cookies = allCookies();
  const QDateTime now = QDateTime::currentDateTimeUtc();
  bool removedLive = false;
  const auto inGroup = [&](const QNetworkCookie& c) {
    if (GroupOf(c) != group) return false;
    removedLive = removedLive || !Expired(c, now);
    return true;
  };
  const auto removed = cookies.removeIf(inGroup);
  if (removed == 0) return false;
  setAllCookies(cookies);
  QFile::remove(GroupFile(group));
  return removedLive;
}

bool PersistentCookieJar::insertCookie(const QNetworkCookie& cookie) {
  if (!QNetworkCookieJar::insertCookie(cookie)) return false;
  Save(GroupOf(cookie));
  return true;
}

bool PersistentCookieJar::deleteCookie(const QNetworkCookie& cookie) {
  if (!QNetworkCookieJar::deleteCookie(cookie)) return false;
  Save(GroupOf(cookie));
  return true;
}

void PersistentCookieJar::Load() {
  QList<QNetworkCookie> cookies;
  const QDateTime now = QDateTime::currentDateTimeUtc();
  const QStringList files = QDir(folder_).entryList({QStringLiteral("*.cookies")}, QDir::Files);
  for (const QString& name : files) {
    QFile file(folder_ + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly)) continue;
    while (!file.atEnd()) {
      QNetworkCookie cookie;
      if (ParseCookieLine(file.readLine(), &cookie) && !Expired(cookie, now)) cookies << cookie;
    }
  }
  setAllCookies(cookies);
}

void PersistentCookieJar::Save(const QString& group) const {
  QByteArray content;
  for (const QNetworkCookie& c : LiveCookies())
    if (!c.isSessionCookie() && GroupOf(c) == group) content += CookieLine(c);
  const QString path = GroupFile(group);
  if (content.isEmpty()) {
    QFile::remove(path);
    return;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(content);
  file.commit();
}

}  // namespace platform
