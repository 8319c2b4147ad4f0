#include "platform/url_cache.h"
#include "tests/support/fake_web_leftovers.h"
#include "tests/support/qt_printers.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

using namespace platform;

// A block of `size` bytes with its size written in front, as a caller hands it over.
std::vector<char> Block(std::uint32_t size) {
  std::vector<char> block(size, '\x55');
  std::memcpy(block.data(), &size, sizeof size);
  return block;
}

INTERNET_CACHE_ENTRY_INFOA* Info(std::vector<char>& block) {
  return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(block.data());
}

// Every text the entry points to lies inside its block, after the fixed part.
void ExpectTextsInside(std::vector<char>& block) {
  const char* begin = block.data() + sizeof(INTERNET_CACHE_ENTRY_INFOA);
  const char* end = block.data() + block.size();
  for (const char* text : {Info(block)->lpszSourceUrlName, Info(block)->lpszLocalFileName,
                           Info(block)->lpHeaderInfo}) {
    ASSERT_NE(text, nullptr);
    EXPECT_GE(text, begin);
    EXPECT_LT(text + std::strlen(text), end);
  }
}

QByteArray User() { return getpwuid(getuid())->pw_name; }

TEST(UrlCache, AnEmptyCacheReportsNoMoreItemsOnTheFirstProbe) {
  std::uint32_t size = 0;
  EXPECT_EQ(FindFirstUrlCacheEntryA(nullptr, nullptr, &size), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NO_MORE_ITEMS);
}

TEST(UrlCache, TheWalkProbesSizesAndDescribesEachEntryInItsBlock) {
  testsupport::CachePage("http://www.engine.test/search?q=a", "<p>results</p>");
  testsupport::StoreCookie("http://www.engine.test/search", "id=42; Max-Age=600; Path=/");

  std::uint32_t size = 0;
  ASSERT_EQ(FindFirstUrlCacheEntryA(nullptr, nullptr, &size), nullptr);
  ASSERT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  ASSERT_GT(size, sizeof(INTERNET_CACHE_ENTRY_INFOA));

  // One byte short is still too small, and gives no handle.
  std::vector<char> shortBlock = Block(size - 1);
  std::uint32_t shortSize = size - 1;
  EXPECT_EQ(FindFirstUrlCacheEntryA(nullptr, Info(shortBlock), &shortSize), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(shortSize, size);

  std::vector<char> first = Block(size);
  HANDLE walk = FindFirstUrlCacheEntryA(nullptr, Info(first), &size);
  ASSERT_NE(walk, nullptr);
  EXPECT_EQ(Info(first)->CacheEntryType, NORMAL_CACHE_ENTRY);
  EXPECT_STREQ(Info(first)->lpszSourceUrlName, "http://www.engine.test/search?q=a");
  EXPECT_NE(std::strstr(Info(first)->lpHeaderInfo, "Content-Type: text/html"), nullptr);
  ExpectTextsInside(first);

  size = 0;
  ASSERT_FALSE(FindNextUrlCacheEntryA(walk, nullptr, &size));
  ASSERT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  // A probe does not move the walk on: asking again gives the same size.
  std::uint32_t again = 0;
  ASSERT_FALSE(FindNextUrlCacheEntryA(walk, nullptr, &again));
  EXPECT_EQ(again, size);

  std::vector<char> second = Block(size);
  ASSERT_TRUE(FindNextUrlCacheEntryA(walk, Info(second), &size));
  EXPECT_EQ(Info(second)->CacheEntryType, COOKIE_CACHE_ENTRY);
  EXPECT_EQ(QByteArray(Info(second)->lpszSourceUrlName), "Cookie:" + User() + "@www.engine.test/");
  ExpectTextsInside(second);

  size = 0;
  EXPECT_FALSE(FindNextUrlCacheEntryA(walk, nullptr, &size));
  EXPECT_EQ(GetLastError(), ERROR_NO_MORE_ITEMS);
  EXPECT_TRUE(FindCloseUrlCache(walk));
}

TEST(UrlCache, DeletingRemovesPagesAndWholeCookieGroups) {
  testsupport::CachePage("http://www.engine.test/page", "<p>x</p>");
  testsupport::StoreCookie("http://www.engine.test/", "a=1; Max-Age=600; Path=/");
  testsupport::StoreCookie("http://www.engine.test/", "b=2; Path=/");
  const QByteArray cookieName = "Cookie:" + User() + "@www.engine.test/";

  EXPECT_TRUE(DeleteUrlCacheEntryA("http://www.engine.test/page"));
  EXPECT_TRUE(DeleteUrlCacheEntryA(cookieName.constData()));
  std::uint32_t size = 0;
  EXPECT_EQ(FindFirstUrlCacheEntryA(nullptr, nullptr, &size), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NO_MORE_ITEMS);

  // A second deletion of the same entry fails quietly.
  EXPECT_FALSE(DeleteUrlCacheEntryA("http://www.engine.test/page"));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(DeleteUrlCacheEntryA(cookieName.constData()));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(UrlCache, CallsWithoutTheirArgumentsFail) {
  std::uint32_t size = 0;
  EXPECT_EQ(FindFirstUrlCacheEntryA("cookie:", nullptr, &size), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(FindNextUrlCacheEntryA(nullptr, nullptr, &size));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(FindCloseUrlCache(nullptr));
  EXPECT_FALSE(DeleteUrlCacheEntryA(nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
