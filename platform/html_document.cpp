#include "platform/html_document.h"

#include "platform/connected_state.h"
#include "platform/html_text.h"
#include "platform/network_access.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QUrl>

namespace platform {

// What a load has brought so far; shared with the elements handed out, so an
// element stays readable after its document is released.
struct PageLoad {
  QByteArray body;
  QByteArray contentType;
  bool complete = true;
};

QString HtmlElement::innerText() const {
  return load_ ? ReadableText(load_->body, load_->contentType) : QString();
}

class HtmlDocument::Loader : public QObject {
 public:
  Loader(const QUrl& url, std::shared_ptr<PageLoad> load) : load_(std::move(load)) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    reply_ = NetworkAccess().get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
      load_->contentType = reply_->header(QNetworkRequest::ContentTypeHeader).toString().toLatin1();
    });
    connect(reply_, &QNetworkReply::readyRead, this, [this] { Read(); });
    connect(reply_, &QNetworkReply::finished, this, [this] {
      Read();
      load_->complete = true;
    });
  }

  ~Loader() override {
    if (!reply_) return;
    reply_->disconnect(this);
    reply_->abort();
    reply_->deleteLater();
  }

 private:
  void Read() {
    if (!reply_ || load_->complete) return;
    const qint64 room = kMaxBodyBytes - load_->body.size();
    load_->body += reply_->read(std::max<qint64>(room, 0));
    if (load_->body.size() < kMaxBodyBytes) return;
    // Big enough: the page is used as far as it was read.
    load_->complete = true;
    reply_->disconnect(this);
    reply_->abort();
  }

  std::shared_ptr<PageLoad> load_;
  QPointer<QNetworkReply> reply_;
};

HtmlDocument::HtmlDocument() : load_(std::make_shared<PageLoad>()) {}

HtmlDocument::~HtmlDocument() = default;

std::shared_ptr<HtmlDocument> HtmlDocument::createDocumentFromUrl(const QString& url,
                                                                  const QString& /*options*/) {
  auto document = std::make_shared<HtmlDocument>();
  const QUrl address(url, QUrl::TolerantMode);
  const QString scheme = address.scheme().toLower();
  if (!IsOnline() || !address.isValid() || address.host().isEmpty() ||
      (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
    return document;
  document->load_->complete = false;
  document->loader_ = std::make_unique<Loader>(address, document->load_);
  return document;
}

QString HtmlDocument::readyState() const {
  return load_->complete ? QStringLiteral("complete") : QStringLiteral("loading");
}

HtmlElement HtmlDocument::documentElement() const { return HtmlElement(load_); }

}  // namespace platform
