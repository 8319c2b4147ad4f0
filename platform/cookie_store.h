#pragma once

// The user's persistent cookie store: a cookie jar whose cookies with an expiry
// are kept in files under a folder, one file per domain and path, the unit in
// which the URL cache lists them ("Cookie:user@domain/path"). Session cookies
// live in memory only, but are listed and removed the same way.

#include <QList>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QString>
#include <QStringList>

namespace platform {

class PersistentCookieJar : public QNetworkCookieJar {
 public:
  // Reads the cookies kept in `folder`; later changes are written there at once.
  explicit PersistentCookieJar(const QString& folder, QObject* parent = nullptr);

  QString folder() const { return folder_; }

  // "domain/path" of every group that holds a live cookie, in a stable order.
  QStringList Groups() const;
  // Removes every cookie of `group`; false when it held none.
  bool RemoveGroup(const QString& group);
  // The file that keeps `group`.
  QString GroupFile(const QString& group) const;

  static QString GroupOf(const QNetworkCookie& cookie);

  bool insertCookie(const QNetworkCookie& cookie) override;
  bool deleteCookie(const QNetworkCookie& cookie) override;

 private:
  void Load();
  void Save(const QString& group) const;
  QList<QNetworkCookie> LiveCookies() const;

  QString folder_;
};

}  // namespace platform
