#include "search/engine_definition.h"
#include "search/page_retrieval.h"
#include "search/search_run.h"
#include "search/search_state.h"
#include "tests/support/fake_search_view.h"
#include "tests/support/fake_web.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using namespace RankscoutMod;
using testsupport::FakeResponse;

// Three engines in boxes 3, 7 and 12: ten results a page, one a page, and one
// that is never there.
std::vector<EngineDefinition> TestCatalogue() {
  return {
      {"Alpha", 10, LastPage::StepTimesPagesPlusStep, "alpha.test",
       {Text("/search?q="), SearchWordsAs(Words::Plus), Text("&start="), PageValue(Page::Offset)}},
      {"Beta", 1, LastPage::StepTimesPagesPlusStep, "beta.test",
       {Text("/find/"), SearchWordsAs(Words::Dash), Text("/"), PageValue(Page::Number)}},
      {"Gamma", 10, LastPage::StepTimesPagesPlusStep, "gamma.test",
       {Text("/q?w="), SearchWordsAs(Words::Pct20), Text("&p="), PageValue(Page::Counter)}},
  };
}

class SearchAgainstTheFakeWeb : public ::testing::Test {
 protected:
  void SetUp() override {
    programFolder = testsupport::TestRoot() + "/program";
    QDir().mkpath(programFolder);
    QDir::setCurrent(programFolder);
    view.captions[3] = "Alpha";
    view.captions[7] = "Beta";
    view.captions[12] = "Gamma";
    view.ticked[3] = view.ticked[7] = view.ticked[12] = true;
    view.searchWords = SearchWords = "rank scout";
    view.webSite = WebSite = "www.site.example";
    PagesToSearch = 2;

    const QByteArray hit = "<p>1. <b>WWW.SITE.EXAMPLE</b> - the site</p>";
    const QByteArray miss = "<p>1. www.other.example</p>";
    web.Serve("alpha.test/search?q=rank+scout&start=0", FakeResponse::Page(hit));
    web.Serve("alpha.test/search?q=rank+scout&start=10", FakeResponse::Page(miss));
    web.Serve("alpha.test/search?q=rank+scout&start=20", FakeResponse::Page(hit + hit));
    web.Serve("beta.test/find/rank-scout/1", FakeResponse::Page(miss));
    web.Serve("beta.test/find/rank-scout/2", FakeResponse::Page(hit));
    web.Serve("beta.test/find/rank-scout/3", FakeResponse::Page(miss));
    web.Serve("gamma.test/*", FakeResponse::Closed());
  }
  void TearDown() override { QDir::setCurrent(QDir::rootPath()); }

  void Run() { RunRankingSearch(catalogue, FetchAndScanPage); }

  std::vector<EngineDefinition> catalogue = TestCatalogue();
  testsupport::FakeWeb web;
  testsupport::ProxyThrough proxy{web};
  testsupport::FakeSearchView view;
  QString programFolder;
};

TEST_F(SearchAgainstTheFakeWeb, TheGridShowsThePagesOnWhichEachEngineListsTheSite) {
  Run();
  EXPECT_EQ(view.Cell(4, 0), "Alpha");
  EXPECT_EQ(view.Cell(4, 1), "1,3");
  EXPECT_EQ(view.Cell(4, 2), "rank scout");
  EXPECT_EQ(view.Cell(4, 3), "www.site.example");
  EXPECT_EQ(view.Cell(8, 1), "2");
  EXPECT_EQ(view.Cell(13, 0), "Gamma");
  EXPECT_EQ(view.Cell(13, 1), "");
  EXPECT_EQ(view.Cell(13, 3), "www.site.example");
  EXPECT_FALSE(QFile::exists(programFolder + "/Temp.txt"));

  std::vector<QString> pages = web.RequestedUrls();
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  EXPECT_EQ(pages, (std::vector<QString>{
                       "http://alpha.test/search?q=rank+scout&start=0",
                       "http://alpha.test/search?q=rank+scout&start=10",
                       "http://alpha.test/search?q=rank+scout&start=20",
                       "http://beta.test/find/rank-scout/1",
                       "http://beta.test/find/rank-scout/2",
                       "http://beta.test/find/rank-scout/3",
                       "http://gamma.test/q?w=rank%20scout&p=1",
                       "http://gamma.test/q?w=rank%20scout&p=11",
                       "http://gamma.test/q?w=rank%20scout&p=21",
                   }));
}

TEST_F(SearchAgainstTheFakeWeb, ClosingTheResultsWindowDuringAStalledPageEndsTheRun) {
  const QByteArray page = "<p>www.site.example</p><p>the rest never comes</p>";
  web.Serve("beta.test/find/rank-scout/2", FakeResponse::Stalled(page, page.indexOf("<p>the rest")));
  web.OnRequest([this](const testsupport::FakeRequest& request) {
    if (request.url.endsWith("/find/rank-scout/2"))
      QTimer::singleShot(300, [this] { view.shown = false; });
  });
  Run();
  EXPECT_EQ(EngineIndex, kCancelledEngineIndex);
  ASSERT_FALSE(web.requests().empty());
  EXPECT_EQ(web.requests().back().url, "http://beta.test/find/rank-scout/2");
  // Beta's row and everything after it stay unwritten.
  ASSERT_FALSE(view.writes().empty());
  EXPECT_EQ(view.writes().back().row, 8);
  EXPECT_EQ(view.writes().back().col, 0);
  EXPECT_EQ(view.Cell(8, 1), "");
  EXPECT_EQ(view.Cell(13, 0), "");
  EXPECT_EQ(view.Cell(4, 1), "1,3");
  EXPECT_FALSE(QFile::exists(programFolder + "/Temp.txt"));
}

}  // namespace
