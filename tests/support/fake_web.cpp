#include "tests/support/fake_web.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace testsupport {

FakeResponse FakeResponse::Page(QByteArray body, QByteArray contentType) {
  FakeResponse r;
  r.body = std::move(body);
  r.headers = {{"Content-Type", std::move(contentType)}};
  return r;
}

FakeResponse FakeResponse::Status(int status, QByteArray reason, QByteArray text) {
  FakeResponse r = Page(std::move(text));
  r.status = status;
  r.reason = std::move(reason);
  return r;
}

FakeResponse FakeResponse::Redirect(QByteArray location, int status) {
  FakeResponse r = Status(status, "Found", "Moved");
  r.headers << qMakePair(QByteArray("Location"), std::move(location));
  return r;
}

FakeResponse FakeResponse::Slow(QByteArray body, int chunks, int delayMs) {
  FakeResponse r = Page(std::move(body));
  r.mode = Mode::Slow;
  r.chunks = std::max(1, chunks);
  r.delayMs = delayMs;
  return r;
}

FakeResponse FakeResponse::Stalled(QByteArray body, qsizetype sentBytes) {
  FakeResponse r = Page(std::move(body));
  r.mode = Mode::Stall;
  r.stallAfter = sentBytes;
  return r;
}

FakeResponse FakeResponse::Silent() {
  FakeResponse r;
  r.mode = Mode::Silent;
  return r;
}

FakeResponse FakeResponse::Closed() {
  FakeResponse r;
  r.mode = Mode::Close;
  return r;
}

FakeResponse& FakeResponse::WithHeader(QByteArray name, QByteArray value) {
  headers << qMakePair(std::move(name), std::move(value));
  return *this;
}

QByteArray FakeRequest::Header(QByteArrayView name) const {
  for (const auto& [n, v] : headers)
    if (QByteArrayView(n).compare(name, Qt::CaseInsensitive) == 0) return v;
  return {};
}

// One client connection: reads requests one after another and answers each
// as its script says.
class FakeWeb::Connection : public QObject {
 public:
  Connection(FakeWeb* web, QTcpSocket* socket) : QObject(socket), web_(web), socket_(socket) {
    connect(socket_, &QTcpSocket::readyRead, this, [this] { ReadRequests(); });
    connect(socket_, &QTcpSocket::disconnected, socket_, &QObject::deleteLater);
  }

 private:
  void ReadRequests() {
    buffer_ += socket_->readAll();
    while (!busy_) {
      const qsizetype headEnd = buffer_.indexOf("\r\n\r\n");
      if (headEnd < 0) return;
      const QList<QByteArray> lines = buffer_.left(headEnd).split('\n');
      FakeRequest request;
      const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
      request.method = start.value(0);
      const QByteArray target = start.value(1);
      for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) request.headers << qMakePair(line.left(colon), line.mid(colon + 1).trimmed());
      }
      const qsizetype bodyLength = request.Header("Content-Length").toLongLong();
      if (buffer_.size() < headEnd + 4 + bodyLength) return;
      buffer_.remove(0, headEnd + 4 + bodyLength);

      if (request.method == "CONNECT") request.url = QString::fromLatin1(target);
      else if (target.startsWith('/')) request.url = QLatin1String("http://") + QString::fromLatin1(request.Header("Host") + target);
      else request.url = QString::fromLatin1(target);
      closeAfter_ = request.Header("Connection").compare("close", Qt::CaseInsensitive) == 0;
      web_->Record(request);
      if (!socket_) return;  // the test's action may have ended the web

      if (request.method == "CONNECT") {
        // No TLS is spoken here: a client that tunnels through sees its
        // handshake fail.
        socket_->write("HTTP/1.1 200 Connection established\r\n\r\nthis is not TLS\r\n");
        socket_->disconnectFromHost();
        return;
      }
      Answer(web_->ResponseFor(request.url));
    }
  }

  QByteArray Head(const FakeResponse& r) const {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + r.reason + "\r\n";
    for (const auto& [name, value] : r.headers) head += name + ": " + value + "\r\n";
    head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
    head += closeAfter_ ? "Connection: close\r\n\r\n" : "Connection: keep-alive\r\n\r\n";
    return head;
  }

  void Answer(const FakeResponse& r) {
    switch (r.mode) {
      case FakeResponse::Mode::Complete:
        socket_->write(Head(r) + r.body);
        Done();
        return;
      case FakeResponse::Mode::Stall:
        socket_->write(Head(r) + r.body.left(r.stallAfter));
        busy_ = true;  // this connection answers nothing more
        return;
      case FakeResponse::Mode::Silent:
        busy_ = true;
        return;
      case FakeResponse::Mode::Close:
        socket_->abort();
        return;
      case FakeResponse::Mode::Slow:
        socket_->write(Head(r));
        busy_ = true;
        SendSlowly(r.body, r.chunks, r.delayMs, 0);
        return;
    }
  }

  void SendSlowly(QByteArray body, int chunks, int delayMs, int sent) {
    QTimer::singleShot(delayMs, this, [=, this] {
      if (!socket_) return;
      const qsizetype piece = (body.size() + chunks - 1) / chunks;
      socket_->write(body.mid(qsizetype(sent) * piece, piece));
      if (sent + 1 < chunks) {
        SendSlowly(body, chunks, delayMs, sent + 1);
        return;
      }
      busy_ = false;
      Done();
      ReadRequests();
    });
  }

  void Done() {
    if (closeAfter_) socket_->disconnectFromHost();
  }

  FakeWeb* web_;
  QPointer<QTcpSocket> socket_;
  QByteArray buffer_;
  bool busy_ = false;
  bool closeAfter_ = false;
};

FakeWeb::FakeWeb(quint16 port) : server_(new QTcpServer(this)) {
  notFound_ = FakeResponse::Status(404, "Not Found", "Not Found");
  server_->listen(QHostAddress::LocalHost, port);
  connect(server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* socket = server_->nextPendingConnection()) new Connection(this, socket);
  });
}

FakeWeb::~FakeWeb() = default;

quint16 FakeWeb::port() const { return server_->serverPort(); }

QString FakeWeb::ProxyUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }

void FakeWeb::Serve(const QString& target, FakeResponse response) {
  routes_[target] = std::move(response);
}

const FakeResponse& FakeWeb::ResponseFor(const QString& url) const {
  const QUrl u(url);
  const QString host = u.host();
  const QString path = u.path().isEmpty() ? QStringLiteral("/") : u.path();
  const QString withQuery =
      u.hasQuery() ? QString(path + QLatin1Char('?') + u.query(QUrl::FullyEncoded)) : path;
  for (const QString& key : {QString(host + withQuery), QString(host + path), QString(host + QStringLiteral("/*"))}) {
    const auto it = routes_.find(key);
    if (it != routes_.end()) return it->second;
  }
  return notFound_;
}

void FakeWeb::Record(FakeRequest request) {
  requests_.push_back(std::move(request));
  if (onRequest_) onRequest_(requests_.back());
}

std::vector<QString> FakeWeb::RequestedUrls() const {
  std::vector<QString> urls;
  for (const FakeRequest& r : requests_) urls.push_back(r.url);
  return urls;
}

bool FakeWeb::LoadScript(const QString& scriptFile, QString* error) {
  QFile file(scriptFile);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("cannot read %1").arg(scriptFile);
    return false;
  }
  QJsonParseError parseError;
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
  if (!doc.isObject()) {
    *error = parseError.errorString();
    return false;
  }
  const QString folder = QFileInfo(scriptFile).absolutePath();
  static const std::map<QString, FakeResponse::Mode> modes = {
      {QStringLiteral("complete"), FakeResponse::Mode::Complete},
      {QStringLiteral("slow"), FakeResponse::Mode::Slow},
      {QStringLiteral("stall"), FakeResponse::Mode::Stall},
      {QStringLiteral("silent"), FakeResponse::Mode::Silent},
      {QStringLiteral("close"), FakeResponse::Mode::Close}};
  for (const QJsonValue& value : doc.object().value(QStringLiteral("routes")).toArray()) {
    const QJsonObject route = value.toObject();
    FakeResponse r;
    r.status = route.value(QStringLiteral("status")).toInt(200);
    r.reason = route.value(QStringLiteral("reason")).toString(QStringLiteral("OK")).toLatin1();
    const QJsonObject headers = route.value(QStringLiteral("headers")).toObject();
    for (auto it = headers.begin(); it != headers.end(); ++it)
      r.headers << qMakePair(it.key().toLatin1(), it.value().toString().toUtf8());
    r.body = route.value(QStringLiteral("body")).toString().toUtf8();
    if (const QString bodyFile = route.value(QStringLiteral("bodyFile")).toString(); !bodyFile.isEmpty()) {
      QFile body(folder + QLatin1Char('/') + bodyFile);
      if (!body.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(body.fileName());
        return false;
      }
      r.body = body.readAll();
    }
    r.body = r.body.repeated(route.value(QStringLiteral("bodyRepeat")).toInt(1));
    const QString mode = route.value(QStringLiteral("mode")).toString(QStringLiteral("complete"));
    if (!modes.contains(mode)) {
      *error = QStringLiteral("unknown mode %1").arg(mode);
      return false;
    }
    r.mode = modes.at(mode);
    r.chunks = std::max(1, route.value(QStringLiteral("chunks")).toInt(1));
    r.delayMs = route.value(QStringLiteral("delayMs")).toInt(0);
    r.stallAfter = route.value(QStringLiteral("stallAfter")).toInteger(0);
    Serve(route.value(QStringLiteral("url")).toString(), std::move(r));
  }
  return true;
}

ProxyThrough::ProxyThrough(const FakeWeb& web)
    : oldHttp_(qgetenv("http_proxy")), oldHttps_(qgetenv("https_proxy")), oldNoProxy_(qgetenv("no_proxy")) {
  const QByteArray proxy = web.ProxyUrl().toLatin1();
  qputenv("http_proxy", proxy);
  qputenv("https_proxy", proxy);
  qunsetenv("no_proxy");
}

ProxyThrough::~ProxyThrough() {
  const auto restore = [](const char* name, const QByteArray& value) {
    if (value.isEmpty()) qunsetenv(name);
    else qputenv(name, value);
  };
  restore("http_proxy", oldHttp_);
  restore("https_proxy", oldHttps_);
  restore("no_proxy", oldNoProxy_);
}

}  // namespace testsupport
