#pragma once

// The HTML document object: a fresh object creates a document from an
// address, which then loads on the UI thread's event loop while events run.

#include <QByteArray>
#include <QString>

#include <memory>

namespace platform {

struct PageLoad;

// An element of a document; innerText reads what has arrived so far.
class HtmlElement {
 public:
  explicit HtmlElement(std::shared_ptr<const PageLoad> load) : load_(std::move(load)) {}
  QString innerText() const;

 private:
  std::shared_ptr<const PageLoad> load_;
};

class HtmlDocument {
 public:
  // A blank document: complete, with an empty text.
  HtmlDocument();
  ~HtmlDocument();
  HtmlDocument(const HtmlDocument&) = delete;
  HtmlDocument& operator=(const HtmlDocument&) = delete;

  // A new document loading `url` (http or https; redirects followed; the
  // system proxy honoured). `options` is not used. A load that fails outright
  // (no host, refused, TLS failure, offline) completes at once, empty.
  std::shared_ptr<HtmlDocument> createDocumentFromUrl(const QString& url, const QString& options);

  // "loading" until the load ends, then "complete".
  QString readyState() const;

  // The root element, live: its text grows as the page arrives.
  HtmlElement documentElement() const;

  // Reading stops at this size; the page is used as far as it was read.
  static constexpr qsizetype kMaxBodyBytes = 16 * 1024 * 1024;
  // Redirects followed before a load gives up on them.
  static constexpr int kMaxRedirects = 20;

 private:
  class Loader;
  std::shared_ptr<PageLoad> load_;
  std::unique_ptr<Loader> loader_;
};

}  // namespace platform
