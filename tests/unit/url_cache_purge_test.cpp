#include "platform/cookie_store.h"
#include "platform/event_wait.h"
#include "platform/html_document.h"
#include "platform/network_access.h"
#include "platform/url_cache.h"
#include "search/url_cache_purge.h"
#include "tests/support/fake_web.h"
#include "tests/support/fake_web_leftovers.h"
#include "tests/support/qt_printers.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

#include <clocale>

namespace {

using RankscoutMod::ListUrlCacheEntries;
using RankscoutMod::PurgeUrlCache;
using testsupport::FakeResponse;

void Load(const QString& url) {
  platform::HtmlDocument blank;
  const auto document = blank.createDocumentFromUrl(url, QString());
  const QDeadlineTimer deadline(10000);
  while (document->readyState() != QLatin1String("complete") && !deadline.hasExpired())
    platform::WaitForNextEvent(deadline);
}

int FilesUnder(const QString& folder) {
  int files = 0;
  for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
    ++files;
  return files;
}

TEST(PurgeUrlCache, EmptiesTheCacheAndTheCookiesThatLoadsLeft) {
  testsupport::FakeWeb web;
  testsupport::ProxyThrough proxy(web);
  web.Serve("www.engine.test/*",
            FakeResponse::Page("<p>results</p>")
                .WithHeader("Set-Cookie", "pref=1; Max-Age=3600; Path=/")
                .WithHeader("Set-Cookie", "sid=2; Path=/search"));
  Load("http://www.engine.test/search?q=one");
  Load("http://www.engine.test/search?q=two");
  // Someone else's cookie goes too: the purge empties the whole store.
  testsupport::StoreCookie("http://other.example/", "theirs=1; Max-Age=3600; Path=/");

  const std::uint32_t normal = platform::NORMAL_CACHE_ENTRY;
  const std::uint32_t cookie = platform::COOKIE_CACHE_ENTRY;
  QStringList pages = ListUrlCacheEntries(normal);
  pages.sort();
  EXPECT_EQ(pages, (QStringList{"http://www.engine.test/search?q=one", "http://www.engine.test/search?q=two"}));
  EXPECT_EQ(ListUrlCacheEntries(cookie).size(), 3);
  ASSERT_GT(FilesUnder(platform::CookieFolder()), 0);

  PurgeUrlCache();

  EXPECT_EQ(ListUrlCacheEntries(normal), QStringList());
  EXPECT_EQ(ListUrlCacheEntries(cookie), QStringList());
  EXPECT_EQ(FilesUnder(platform::CookieFolder()), 0);
  // The next load fetches afresh and sends no cookie.
  web.ClearRequests();
  Load("http://www.engine.test/search?q=one");
  ASSERT_EQ(web.requests().size(), 1u);
  EXPECT_EQ(web.requests()[0].Header("Cookie"), QByteArray());
}

TEST(PurgeUrlCache, AVeryLongAddressIsListedAndDeleted) {
  const QString longUrl = "http://www.engine.test/search?q=" + QString(700, QLatin1Char('x'));
  testsupport::CachePage(longUrl, "<p>long</p>");
  EXPECT_EQ(ListUrlCacheEntries(platform::NORMAL_CACHE_ENTRY), QStringList{longUrl});
  PurgeUrlCache();
  EXPECT_EQ(ListUrlCacheEntries(platform::NORMAL_CACHE_ENTRY), QStringList());
}

TEST(PurgeUrlCache, EachListHoldsOnlyTheWantedTypesAndAnEmptyCacheNothing) {
  const std::uint32_t normal = platform::NORMAL_CACHE_ENTRY;
  const std::uint32_t cookie = platform::COOKIE_CACHE_ENTRY;
  const std::uint32_t both = normal | cookie;
  EXPECT_EQ(ListUrlCacheEntries(both), QStringList());
  PurgeUrlCache();  // nothing to delete, nothing fails

  testsupport::CachePage("http://a.test/1", "1");
  testsupport::CachePage("http://b.test/2", "2");
  testsupport::StoreCookie("http://c.test/", "k=v; Max-Age=60; Path=/");
  EXPECT_EQ(ListUrlCacheEntries(normal).size(), 2);
  ASSERT_EQ(ListUrlCacheEntries(cookie).size(), 1);
  EXPECT_TRUE(ListUrlCacheEntries(cookie)[0].startsWith("Cookie:"));
  EXPECT_TRUE(ListUrlCacheEntries(cookie)[0].endsWith("@c.test/"));
  EXPECT_EQ(ListUrlCacheEntries(both).size(), 3);
  EXPECT_EQ(ListUrlCacheEntries(0), QStringList());
}

TEST(RemoveCacheEntry, ReportsWhetherTheEntryWasThere) {
  testsupport::CachePage("http://a.test/1", "1");
  EXPECT_TRUE(RankscoutMod::RemoveCacheEntry("http://a.test/1"));
  EXPECT_FALSE(RankscoutMod::RemoveCacheEntry("http://a.test/1"));
}

TEST(CopyAnsiText, CopiesTheTextInTheLocalesEncoding) {
  EXPECT_EQ(RankscoutMod::CopyAnsiText(nullptr), "");
  EXPECT_EQ(RankscoutMod::CopyAnsiText(""), "");
  EXPECT_EQ(RankscoutMod::CopyAnsiText("http://a.test/x?y=1"), "http://a.test/x?y=1");
  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  EXPECT_EQ(RankscoutMod::CopyAnsiText("caf\xC3\xA9"), QString::fromUtf8("café"));
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(RankscoutMod::CopyAnsiText("caf\xE9"), QString::fromLatin1("caf\xE9"));
}

}  // namespace
