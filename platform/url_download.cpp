#include "platform/url_download.h"

#include "platform/connected_state.h"
#include "platform/event_wait.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSaveFile>
#include <QUrl>

namespace platform {
namespace {

// No data for this long ends a download, as a stalled transfer would never end otherwise.
constexpr int kStallLimitMs = 30'000;
constexpr int kMaxRedirects = 20;

QNetworkAccessManager& Network() {
  static QNetworkAccessManager* network = [] {
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    return new QNetworkAccessManager;
  }();
  return *network;
}

}  // namespace

std::int32_t URLDownloadToFileA(void* caller, const char* url, const char* fileName,
                                std::uint32_t flags, void* callback) {
  if (caller || callback || !url || !fileName || !*fileName) return E_INVALIDARG;
  const QUrl address(QString::fromLocal8Bit(url));
  const QString scheme = address.scheme().toLower();
  if (!address.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
    return INET_E_UNKNOWN_PROTOCOL;
  if (!IsOnline()) return INET_E_DOWNLOAD_FAILURE;

  QNetworkRequest request(address);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                       (flags & BINDF_GETNEWESTVERSION) ? QNetworkRequest::AlwaysNetwork
                                                        : QNetworkRequest::PreferCache);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setMaximumRedirectsAllowed(kMaxRedirects);
  request.setTransferTimeout(kStallLimitMs);

  QSaveFile file(QString::fromLocal8Bit(fileName));
  // A folder that allows no new files may still allow rewriting the file itself.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) return INET_E_DOWNLOAD_FAILURE;

  QPointer<QNetworkReply> reply = Network().get(request);
  QObject::connect(reply, &QNetworkReply::readyRead, reply, [&file, reply] { file.write(reply->readAll()); });
  while (reply && !reply->isFinished()) WaitForNextEvent(QDeadlineTimer(std::chrono::seconds(1)));
  if (!reply) {
    file.cancelWriting();
    return INET_E_DOWNLOAD_FAILURE;
  }
  file.write(reply->readAll());

  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const QNetworkReply::NetworkError error = reply->error();
  reply->deleteLater();
  if (error != QNetworkReply::NoError || status < 200 || status > 299) {
    file.cancelWriting();
    return status == 404 || status == 410 ? INET_E_RESOURCE_NOT_FOUND : INET_E_DOWNLOAD_FAILURE;
  }
  return file.commit() ? S_OK : INET_E_DOWNLOAD_FAILURE;
}

}  // namespace platform
