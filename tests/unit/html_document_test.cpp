#include "platform/connected_state.h"
#include "platform/cookie_store.h"
#include "platform/event_wait.h"
#include "platform/html_document.h"
#include "platform/network_access.h"
#include "platform/url_cache.h"
#include "tests/support/fake_web.h"
#include "tests/support/qt_printers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTcpServer>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using platform::HtmlDocument;
using testsupport::FakeResponse;
using testsupport::FakeWeb;

std::shared_ptr<HtmlDocument> Open(const QString& url) {
  HtmlDocument blank;
  return blank.createDocumentFromUrl(url, QString());
}

// Runs events until the document completes or `ms` pass; whether it completed.
bool WaitComplete(const HtmlDocument& document, int ms) {
  const QDeadlineTimer deadline(ms);
  while (document.readyState() != QLatin1String("complete") && !deadline.hasExpired())
    platform::WaitForNextEvent(deadline);
  return document.readyState() == QLatin1String("complete");
}

class HtmlDocumentLoad : public ::testing::Test {
 protected:
  FakeWeb web;
  testsupport::ProxyThrough proxy{web};
};

TEST_F(HtmlDocumentLoad, APageLoadsThroughTheProxyAndCompletes) {
  web.Serve("www.engine.test/search?q=rank+scout",
            FakeResponse::Page("<html><body><h1>Results</h1><p>www.site.example</p></body></html>"));
  const auto document = Open("http://www.engine.test/search?q=rank+scout");
  EXPECT_EQ(document->readyState(), "loading");
  ASSERT_TRUE(WaitComplete(*document, 10000));
  EXPECT_EQ(document->documentElement().innerText(), "Results\n\nwww.site.example");
  ASSERT_EQ(web.requests().size(), 1u);
  EXPECT_EQ(web.requests()[0].method, "GET");
  EXPECT_EQ(web.requests()[0].url, "http://www.engine.test/search?q=rank+scout");
}

TEST_F(HtmlDocumentLoad, RedirectsAreFollowedToTheirEnd) {
  web.Serve("a.test/start", FakeResponse::Redirect("http://b.test/next"));
  web.Serve("b.test/next", FakeResponse::Redirect("/final", 301));
  web.Serve("b.test/final", FakeResponse::Page("<p>arrived</p>"));
  const auto document = Open("http://a.test/start");
  ASSERT_TRUE(WaitComplete(*document, 10000));
  EXPECT_EQ(document->documentElement().innerText(), "arrived");
  // Qt may send a request again on a fresh connection; the chain is what counts.
  std::vector<QString> chain = web.RequestedUrls();
  chain.erase(std::unique(chain.begin(), chain.end()), chain.end());
  EXPECT_EQ(chain,
            (std::vector<QString>{"http://a.test/start", "http://b.test/next", "http://b.test/final"}));
}

TEST_F(HtmlDocumentLoad, ARedirectLoopEndsAtItsBound) {
  web.Serve("loop.test/a", FakeResponse::Redirect("http://loop.test/b"));
  web.Serve("loop.test/b", FakeResponse::Redirect("http://loop.test/a"));
  const auto document = Open("http://loop.test/a");
  EXPECT_TRUE(WaitComplete(*document, 10000));
  std::vector<QString> chain = web.RequestedUrls();
  chain.erase(std::unique(chain.begin(), chain.end()), chain.end());
  EXPECT_EQ(chain.size(), size_t(HtmlDocument::kMaxRedirects + 1));
}

TEST_F(HtmlDocumentLoad, CookiesAreStoredOnDiskAndSentAgain) {
  web.Serve("www.engine.test/first",
            FakeResponse::Page("<p>one</p>")
                .WithHeader("Set-Cookie", "kept=yes; Max-Age=3600; Path=/")
                .WithHeader("Set-Cookie", "session=abc; Path=/"));
  web.Serve("www.engine.test/second", FakeResponse::Page("<p>two</p>"));
  ASSERT_TRUE(WaitComplete(*Open("http://www.engine.test/first"), 10000));
  ASSERT_TRUE(WaitComplete(*Open("http://www.engine.test/second"), 10000));
  ASSERT_EQ(web.requests().size(), 2u);
  const QByteArray sent = web.requests()[1].Header("Cookie");
  EXPECT_TRUE(sent.contains("kept=yes")) << sent.constData();
  EXPECT_TRUE(sent.contains("session=abc")) << sent.constData();
  // The cookie with an expiry survives the process: a fresh store reads it back.
  platform::PersistentCookieJar reread(platform::CookieFolder());
  EXPECT_EQ(reread.Groups(), QStringList{"www.engine.test/"});
  const QList<QNetworkCookie> kept = reread.cookiesForUrl(QUrl("http://www.engine.test/"));
  ASSERT_EQ(kept.size(), 1);
  EXPECT_EQ(kept[0].name(), "kept");
}

TEST_F(HtmlDocumentLoad, AFreshPageInTheDiskCacheIsServedFromItUntilItsEntryIsDeleted) {
  web.Serve("www.engine.test/kept",
            FakeResponse::Page("<p>kept page</p>").WithHeader("Cache-Control", "max-age=3600"));
  ASSERT_TRUE(WaitComplete(*Open("http://www.engine.test/kept"), 10000));
  const auto again = Open("http://www.engine.test/kept");
  ASSERT_TRUE(WaitComplete(*again, 10000));
  EXPECT_EQ(again->documentElement().innerText(), "kept page");
  EXPECT_EQ(web.requests().size(), 1u);

  ASSERT_TRUE(platform::DeleteUrlCacheEntryA("http://www.engine.test/kept"));
  ASSERT_TRUE(WaitComplete(*Open("http://www.engine.test/kept"), 10000));
  EXPECT_EQ(web.requests().size(), 2u);
}

TEST_F(HtmlDocumentLoad, AStalledBodyStaysLoadingAndGivesWhatArrived) {
  const QByteArray page = "<html><body><p>first half www.site.example</p><p>second half</p></body></html>";
  web.Serve("stall.test/", FakeResponse::Stalled(page, page.indexOf("<p>second")));
  const auto document = Open("http://stall.test/");
  EXPECT_FALSE(WaitComplete(*document, 1500));
  EXPECT_EQ(document->documentElement().innerText(), "first half www.site.example");
}

TEST_F(HtmlDocumentLoad, ASilentServerIsWaitedFor) {
  web.Serve("silent.test/", FakeResponse::Silent());
  const auto document = Open("http://silent.test/");
  EXPECT_FALSE(WaitComplete(*document, 1500));
  EXPECT_EQ(web.requests().size(), 1u);
  EXPECT_EQ(document->documentElement().innerText(), "");
}

TEST_F(HtmlDocumentLoad, ErrorPagesGiveTheirText) {
  web.Serve("err.test/missing", FakeResponse::Status(404, "Not Found", "<h1>No such page</h1>"));
  web.Serve("err.test/broken", FakeResponse::Status(500, "Internal Server Error", "<p>Server trouble</p>"));
  const auto missing = Open("http://err.test/missing");
  const auto broken = Open("http://err.test/broken");
  ASSERT_TRUE(WaitComplete(*missing, 10000));
  ASSERT_TRUE(WaitComplete(*broken, 10000));
  EXPECT_EQ(missing->documentElement().innerText(), "No such page");
  EXPECT_EQ(broken->documentElement().innerText(), "Server trouble");
}

TEST_F(HtmlDocumentLoad, TheCharsetOfTheHeaderDecodesTheBody) {
  web.Serve("enc.test/", FakeResponse::Page("<p>\x80 caf\xE9</p>", "text/html; charset=windows-1252"));
  const auto document = Open("http://enc.test/");
  ASSERT_TRUE(WaitComplete(*document, 10000));
  EXPECT_EQ(document->documentElement().innerText(), QString::fromUtf8("€ café"));
}

TEST_F(HtmlDocumentLoad, BinaryContentGivesAnEmptyText) {
  web.Serve("bin.test/logo", FakeResponse::Page(QByteArray(4096, '\x01'), "application/octet-stream"));
  const auto document = Open("http://bin.test/logo");
  ASSERT_TRUE(WaitComplete(*document, 10000));
  EXPECT_EQ(document->documentElement().innerText(), "");
}

TEST_F(HtmlDocumentLoad, AHugeBodyIsReadUpToTheBound) {
  const QByteArray huge(HtmlDocument::kMaxBodyBytes + 3 * 1024 * 1024, 'x');
  web.Serve("huge.test/", FakeResponse::Page(huge, "text/plain"));
  const auto document = Open("http://huge.test/");
  ASSERT_TRUE(WaitComplete(*document, 30000));
  EXPECT_EQ(document->documentElement().innerText().size(), HtmlDocument::kMaxBodyBytes);
}

TEST_F(HtmlDocumentLoad, OutrightFailuresCompleteAtOnceAndEmpty) {
  // A port nobody listens on: take a free one and close it again.
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
  const quint16 closedPort = probe.serverPort();
  probe.close();
  web.Serve("closed.test/", FakeResponse::Closed());

  const struct {
    const char* what;
    QString url;
    bool direct;
  } failures[] = {
      {"connection refused", QStringLiteral("http://127.0.0.1:%1/").arg(closedPort), true},
      {"proxy closes the connection", QStringLiteral("http://closed.test/"), false},
      {"TLS handshake fails", QStringLiteral("https://secure.test/"), false},
      {"not a web address", QStringLiteral("ftp://files.test/"), false},
      {"empty address", QString(), false},
  };
  for (const auto& f : failures) {
    if (f.direct) qunsetenv("http_proxy");
    const auto document = Open(f.url);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(WaitComplete(*document, 4000)) << f.what;
    EXPECT_LT(clock.elapsed(), 4000) << f.what;
    EXPECT_EQ(document->documentElement().innerText(), "") << f.what;
    if (f.direct) qputenv("http_proxy", web.ProxyUrl().toLatin1());
  }
}

TEST_F(HtmlDocumentLoad, OfflineLoadsFailAtOnceWithoutARequest) {
  web.Serve("www.engine.test/", FakeResponse::Page("<p>page</p>"));
  platform::INTERNET_CONNECTED_INFO offline{platform::INTERNET_STATE_DISCONNECTED_BY_USER, 1};
  ASSERT_TRUE(platform::InternetSetOptionA(nullptr, platform::INTERNET_OPTION_CONNECTED_STATE,
                                           &offline, sizeof offline));
  const auto document = Open("http://www.engine.test/");
  EXPECT_EQ(document->readyState(), "complete");
  EXPECT_EQ(document->documentElement().innerText(), "");

  platform::INTERNET_CONNECTED_INFO online{platform::INTERNET_STATE_CONNECTED, 0};
  ASSERT_TRUE(platform::InternetSetOptionA(nullptr, platform::INTERNET_OPTION_CONNECTED_STATE,
                                           &online, sizeof online));
  EXPECT_TRUE(WaitComplete(*Open("http://www.engine.test/"), 10000));
  EXPECT_EQ(web.requests().size(), 1u);
}

TEST(HtmlDocument, AReleasedDocumentEndsItsLoadAndItsElementStaysReadable) {
  FakeWeb web;
  testsupport::ProxyThrough proxy(web);
  const QByteArray page = "<p>arrived</p><p>never</p>";
  web.Serve("stall.test/", FakeResponse::Stalled(page, page.indexOf("<p>never")));
  auto document = Open("http://stall.test/");
  ASSERT_FALSE(WaitComplete(*document, 1000));
  const platform::HtmlElement root = document->documentElement();
  document.reset();
  platform::PauseWithEvents(std::chrono::milliseconds(100));
  EXPECT_EQ(root.innerText(), "arrived");
}

}  // namespace
