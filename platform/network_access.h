#pragma once

// The one network access of the process, shared by the HTML document loader,
// the URL download and the URL cache: its disk cache lives under the user's
// XDG cache folder, its persistent cookie store under the XDG data folder.

#include <QString>

class QNetworkAccessManager;

namespace platform {

class PageDiskCache;
class PersistentCookieJar;

// Created on first use on the UI thread; made anew when the XDG folders moved.
QNetworkAccessManager& NetworkAccess();
PageDiskCache& UrlDiskCache();
PersistentCookieJar& CookieStore();

QString UrlCacheFolder();
QString CookieFolder();

}  // namespace platform
