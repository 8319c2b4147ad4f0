#include "platform/connected_state.h"
#include "platform/url_cache.h"
#include "search/page_retrieval.h"
#include "search/search_state.h"
#include "search/search_view.h"
#include "search/url_cache_purge.h"
#include "tests/support/fake_search_view.h"
#include "tests/support/fake_web.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <clocale>

namespace {

using namespace RankscoutMod;
using testsupport::FakeResponse;

class FetchAndScanPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    programFolder = testsupport::TestRoot() + "/program";
    QDir().mkpath(programFolder);
    QDir::setCurrent(programFolder);
    SetSearchView(&view);
    WebSite = "www.site.example";
    RankingPages.clear();
    EngineIndex = 5;
    PageCounter = 1;
    PageStep = 10;
  }
  void TearDown() override {
    SetSearchView(nullptr);
    QDir::setCurrent(QDir::rootPath());
  }

  // Fetches `url` and returns how long the call took, in ms.
  qint64 Fetch(const QString& url) {
    PageUrl = url;
    QElapsedTimer clock;
    clock.start();
    FetchAndScanPage();
    return clock.elapsed();
  }

  bool TempFileLeft() const { return QFile::exists(programFolder + "/Temp.txt"); }

  testsupport::FakeWeb web;
  testsupport::ProxyThrough proxy{web};
  testsupport::FakeSearchView view;
  QString programFolder;
};

struct ScanCase {
  const char* name;
  QByteArray page;
  QString webSite;
  bool found;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class ScanOfALoadedPage : public FetchAndScanPageTest,
                          public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ScanOfALoadedPage, FindsTheSiteInThePageTextRegardlessOfCase) {
  const ScanCase& c = GetParam();
  web.Serve("www.engine.test/search", FakeResponse::Page(c.page));
  WebSite = c.webSite;
  RankingPages = "1";
  PageCounter = 21;  // page 3 with a step of 10
  Fetch("http://www.engine.test/search?q=rank");
  EXPECT_EQ(RankingPages, c.found ? "1,3" : "1");
  EXPECT_FALSE(TempFileLeft());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScanOfALoadedPage,
    ::testing::Values(
        ScanCase{"CapitalsTypedSmallShown", "<p>Visit www.site.example today</p>", "WWW.SITE.EXAMPLE", true},
        ScanCase{"SmallTypedCapitalsShown", "<p>VISIT WWW.SITE.EXAMPLE</p>", "www.site.example", true},
        ScanCase{"ThreeTimesCountsOnce",
                 "<p>www.site.example</p><p>www.site.example</p><p>WWW.Site.Example</p>",
                 "www.site.example", true},
        ScanCase{"SplitByInlineMarkupStillText", "<p>www.<b>site</b>.example</p>", "www.site.example", true},
        ScanCase{"LongerThanThePageNeverFound", "<p>site</p>", "site.example and a great deal more", false},
        ScanCase{"OnlyInMarkupIsNotText",
                 "<a href=\"http://www.site.example/\">a link</a><script>'www.site.example'</script>",
                 "www.site.example", false},
        ScanCase{"LettersThatGrowInCapitals", "<p>WWW.STRASSE.EXAMPLE</p>",
                 QString::fromUtf8("www.straße.example"), true},
        ScanCase{"AccentsAreNotIgnored", "<p>www.cafe.example</p>", QString::fromUtf8("www.café.example"),
                 false},
        ScanCase{"AccentedCapitals", "<p>www.CAF\xC3\x89.example</p>", QString::fromUtf8("www.café.example"),
                 true},
        ScanCase{"BlanksCountAsTyped", "<p>www.site.example</p>", "www. site.example", false},
        ScanCase{"AnEmptyPageHoldsNothing", "", "www.site.example", false}),
    [](const ::testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

TEST_F(FetchAndScanPageTest, EachPageLeavesNoDumpNoCacheNoCookiesAndNoDocument) {
  web.Serve("www.engine.test/search",
            FakeResponse::Page("<p>www.site.example</p>").WithHeader("Set-Cookie", "id=1; Max-Age=600"));
  Fetch("http://www.engine.test/search?q=a");
  EXPECT_EQ(RankingPages, "1");
  EXPECT_FALSE(TempFileLeft());
  EXPECT_EQ(PageDocument, nullptr);
  EXPECT_EQ(TempFileName, "Temp.txt");
  const std::uint32_t all = platform::NORMAL_CACHE_ENTRY | platform::COOKIE_CACHE_ENTRY;
  EXPECT_EQ(ListUrlCacheEntries(all), QStringList());
}

TEST_F(FetchAndScanPageTest, AStalledPageIsUsedAfterJustOverFiveSecondsWithItsFirstHalf) {
  const QByteArray page = "<p>first half www.site.example</p><p>second half</p>";
  web.Serve("stall.test/results", FakeResponse::Stalled(page, page.indexOf("<p>second")));
  const qint64 took = Fetch("http://stall.test/results");
  EXPECT_GT(took, 5000);
  EXPECT_EQ(RankingPages, "1");
  EXPECT_EQ(EngineIndex, 5);
  EXPECT_FALSE(TempFileLeft());
}

TEST_F(FetchAndScanPageTest, ASlowPageIsWaitedForToItsEnd) {
  web.Serve("slow.test/results",
            FakeResponse::Slow("<p>first</p><p>second</p><p>third</p><p>www.site.example</p>", 4, 300));
  const qint64 took = Fetch("http://slow.test/results");
  EXPECT_EQ(RankingPages, "1");
  EXPECT_GE(took, 1200);
  EXPECT_LT(took, 5000);
}

TEST_F(FetchAndScanPageTest, ASiteOnlyInTheMissingSecondHalfIsNotFound) {
  const QByteArray page = "<p>first half</p><p>second half www.site.example</p>";
  web.Serve("stall.test/results", FakeResponse::Stalled(page, page.indexOf("<p>second")));
  Fetch("http://stall.test/results");
  EXPECT_EQ(RankingPages, "");
}

TEST_F(FetchAndScanPageTest, AnUnreachableEngineAddsNoWait) {
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
  const quint16 closedPort = probe.serverPort();
  probe.close();
  qunsetenv("http_proxy");
  EXPECT_LT(Fetch(QStringLiteral("http://127.0.0.1:%1/search?q=a").arg(closedPort)), 5000);
  EXPECT_EQ(RankingPages, "");
  EXPECT_FALSE(TempFileLeft());
}

TEST_F(FetchAndScanPageTest, ClosingTheResultsWindowEndsTheWaitAndThePageIsStillScanned) {
  const QByteArray page = "<p>www.site.example</p><p>never arrives</p>";
  web.Serve("stall.test/results", FakeResponse::Stalled(page, page.indexOf("<p>never")));
  QTimer::singleShot(300, [this] { view.shown = false; });
  const qint64 took = Fetch("http://stall.test/results");
  EXPECT_EQ(EngineIndex, kCancelledEngineIndex);
  EXPECT_LT(took, 5000);
  EXPECT_EQ(RankingPages, "1");
  EXPECT_FALSE(TempFileLeft());
  EXPECT_EQ(web.requests().size(), 1u);
}

TEST_F(FetchAndScanPageTest, APageThatCompletesAtOnceIsNotWaitedFor) {
  platform::SetOnline(false);
  bool eventsRan = false;
  QTimer::singleShot(0, [&] { eventsRan = true; });
  Fetch("http://www.engine.test/search?q=a");
  EXPECT_FALSE(eventsRan);
  EXPECT_TRUE(web.requests().empty());
  platform::SetOnline(true);
}

// A folder in which even root cannot create a file: /proc. Others get a
// folder without write permission.
QString ReadOnlyFolder(const QString& writable) {
  if (geteuid() == 0) return QStringLiteral("/proc");
  QFile::setPermissions(writable, QFile::ReadOwner | QFile::ExeOwner);
  return writable;
}

TEST_F(FetchAndScanPageTest, AReadOnlyProgramFolderStillGivesTheRightRanking) {
  const QString folder = ReadOnlyFolder(programFolder);
  ASSERT_TRUE(QDir::setCurrent(folder));
  ASSERT_FALSE(SavePageText("Temp.txt", "probe"));
  web.Serve("www.engine.test/search", FakeResponse::Page("<p>WWW.SITE.EXAMPLE</p>"));
  Fetch("http://www.engine.test/search?q=a");
  EXPECT_EQ(RankingPages, "1");
  EXPECT_FALSE(QFile::exists(folder + "/Temp.txt"));
  QFile::setPermissions(programFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(SavePageText, WritesTheTextInTheLocalesEncodingAndEmptiesAnOldFile) {
  const QString file = testsupport::TestRoot() + "/dump.txt";
  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  ASSERT_TRUE(SavePageText(file, "a much longer old text"));
  ASSERT_TRUE(SavePageText(file, QString::fromUtf8("café €")));
  QFile in(file);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  EXPECT_EQ(in.readAll(), QByteArray("caf\xC3\xA9 \xE2\x82\xAC"));
  in.close();

  // A code page without these letters gets "?" for them.
  std::setlocale(LC_ALL, "C");
  ASSERT_TRUE(SavePageText(file, QString::fromUtf8("café €")));
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  EXPECT_EQ(in.readAll(), QByteArray("caf? ?"));
}

TEST(CurrentPageNumber, IsOnePlusTheStepsTakenInItsShortestForm) {
  const struct {
    double counter;
    std::int16_t step;
    const char* number;
  } cases[] = {{1, 10, "1"}, {11, 10, "2"}, {91, 10, "10"}, {3, 1, "3"},
               {6, 10, "1.5"}, {1, 0, ""}};
  for (const auto& c : cases) {
    PageCounter = c.counter;
    PageStep = c.step;
    EXPECT_EQ(CurrentPageNumber(), c.number) << c.counter << "/" << c.step;
  }
}

}  // namespace
