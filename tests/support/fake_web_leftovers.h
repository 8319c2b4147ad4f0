#pragma once

// What loads from the web leave behind, made directly: pages in the program's
// disk cache and cookies in its cookie store, as if a load had put them there.

#include <QByteArray>
#include <QString>

namespace testsupport {

void CachePage(const QString& url, const QByteArray& body);

// `setCookie` as a Set-Cookie header would carry it, received from `url`.
void StoreCookie(const QString& url, const QByteArray& setCookie);

}  // namespace testsupport
