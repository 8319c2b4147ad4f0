#pragma once

// A small web on loopback for tests: an HTTP server that is also a forward
// proxy (it takes absolute-form request lines), so a program whose http_proxy
// points at it reaches any host. Responses are scripted by host and path;
// every request is recorded. It runs on the caller's event loop.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace testsupport {

using HeaderList = QList<QPair<QByteArray, QByteArray>>;

struct FakeResponse {
  enum class Mode {
    Complete,  // head and body at once
    Slow,      // the body in `chunks` pieces, each after `delayMs`
    Stall,     // head and the first `stallAfter` body bytes, then silence
    Silent,    // the request is taken and never answered
    Close,     // the connection is closed at once, unanswered
  };

  int status = 200;
  QByteArray reason = "OK";
  HeaderList headers;  // Content-Length is added
  QByteArray body;
  Mode mode = Mode::Complete;
  int chunks = 1;
  int delayMs = 0;
  qsizetype stallAfter = 0;

  static FakeResponse Page(QByteArray body, QByteArray contentType = "text/html; charset=utf-8");
  static FakeResponse Status(int status, QByteArray reason, QByteArray text);
  static FakeResponse Redirect(QByteArray location, int status = 302);
  static FakeResponse Slow(QByteArray body, int chunks, int delayMs);
  static FakeResponse Stalled(QByteArray body, qsizetype sentBytes);
  static FakeResponse Silent();
  static FakeResponse Closed();

  FakeResponse& WithHeader(QByteArray name, QByteArray value);
};

struct FakeRequest {
  QByteArray method;
  QString url;  // absolute: "http://host/path?query", or "host:port" for CONNECT
  HeaderList headers;

  QByteArray Header(QByteArrayView name) const;  // case-insensitive; empty when absent
};

class FakeWeb : public QObject {
 public:
  // Listens on 127.0.0.1: on `port`, or on a free one when 0.
  explicit FakeWeb(quint16 port = 0);
  ~FakeWeb() override;

  quint16 port() const;
  QString ProxyUrl() const;  // "http://127.0.0.1:<port>"

  // `target` is "host/path" or "host/path?query"; "host/*" answers every path
  // of the host that has no script of its own. Unscripted addresses get 404.
  void Serve(const QString& target, FakeResponse response);

  // Reads a script file: {"routes": [{"url": "host/path", "status": 200,
  // "reason": "OK", "headers": {"Name": "value"}, "body": "text",
  // "bodyFile": "file beside the script", "bodyRepeat": 1,
  // "mode": "complete|slow|stall|silent|close", "chunks": 1, "delayMs": 0,
  // "stallAfter": 0}]}. False, with `error` set, when it cannot.
  bool LoadScript(const QString& scriptFile, QString* error);

  const std::vector<FakeRequest>& requests() const { return requests_; }
  std::vector<QString> RequestedUrls() const;
  void ClearRequests() { requests_.clear(); }

  // Called for each request as it arrives, after it is recorded.
  void OnRequest(std::function<void(const FakeRequest&)> action) { onRequest_ = std::move(action); }

 private:
  class Connection;
  const FakeResponse& ResponseFor(const QString& url) const;
  void Record(FakeRequest request);

  QTcpServer* server_;
  std::map<QString, FakeResponse> routes_;
  std::vector<FakeRequest> requests_;
  std::function<void(const FakeRequest&)> onRequest_;
  FakeResponse notFound_;
};

// Points http_proxy (and https_proxy) at `web` while it lives.
class ProxyThrough {
 public:
  explicit ProxyThrough(const FakeWeb& web);
  ~ProxyThrough();
  ProxyThrough(const ProxyThrough&) = delete;
  ProxyThrough& operator=(const ProxyThrough&) = delete;

 private:
  QByteArray oldHttp_, oldHttps_, oldNoProxy_;
};

}  // namespace testsupport
