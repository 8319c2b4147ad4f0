#include "search/search_run.h"
#include "search/search_state.h"
#include "tests/support/fake_search_view.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace RankscoutMod;

// A small catalogue of the run's own: one engine per paging shape.
const std::vector<EngineDefinition>& TestCatalogue() {
  static const std::vector<EngineDefinition> catalogue = {
      {"Google", 10, LastPage::StepTimesPagesPlusStep, "www.google.test",
       {Text("/search?q="), SearchWordsAs(Words::Plus), Text("&start="), PageValue(Page::Offset)}},
      {"Dogpile", 20, LastPage::StepTimesPagesPlusStep, "www.dogpile.test",
       {Text("/web/"), SearchWordsAs(Words::Pct2B), Text("/"), PageValue(Page::Counter), Text("/"),
        PageValue(Page::Step), Text("/"), PageValue(Page::Number)}},
      {"Alta Vista", 10, LastPage::StepTimesPagesPlusOne, "av.test",
       {Text("/q="), SearchWordsAs(Words::Plus), Text("&stq="), PageValue(Page::Offset)}},
      {"Info", 20, LastPage::StepTimesPagesPlusStep, "info.test",
       {Text("/"), SearchWordsAs(Words::Pct20), Text("/"), PageValue(Page::Index)}},
      {"Humanux", 10, LastPage::StepTimesPagesPlusStep, "humanux.test",
       {Text("/s/?t="), SearchWordsAs(Words::Plus), Text("&n="), PageValue(Page::Number)},
       {Text("/s/?t="), SearchWordsAs(Words::Plus), Text("&n=.1")}},
      {"Yeandi", 10, LastPage::SinglePage, "yeandi.test",
       {Text("/r?term="), SearchWordsAs(Words::Plus)}},
  };
  return catalogue;
}

struct Fetch {
  int engineIndex;
  QString url;
  double counter;
};

class SearchRun : public ::testing::Test {
 protected:
  void SetUp() override {
    view.searchWords = "red shoes";
    view.webSite = "example.com";
    SearchWords = view.searchWords;
    WebSite = view.webSite;
    PagesToSearch = 1;
  }

  void Tick(const QString& caption) {
    for (int i = 0; i < 90; ++i)
      if (view.captions[i] == caption) view.ticked[i] = true;
  }

  // Runs with a fetch that records the page and lets `onFetch` act as the page's outcome.
  void Run(std::function<void(const Fetch&)> onFetch = {}) {
    RunRankingSearch(TestCatalogue(), [&] {
      fetches.push_back({EngineIndex, PageUrl, PageCounter});
      if (onFetch) onFetch(fetches.back());
    });
  }

  std::vector<QString> UrlsOf(int engineIndex) const {
    std::vector<QString> urls;
    for (const Fetch& f : fetches)
      if (f.engineIndex == engineIndex) urls.push_back(f.url);
    return urls;
  }

  testsupport::FakeSearchView view;
  std::vector<Fetch> fetches;
};

TEST_F(SearchRun, WritesEveryCaptionAndFillsOnlyTickedEnginesWithADefinition) {
  Tick("Google");
  Tick("Goaio");
  view.ticked[88] = true;  // a spare box
  Run();
  for (int i = 0; i < 90; ++i) EXPECT_EQ(view.Cell(i + 1, 0), view.captions[i]) << "row " << i + 1;
  EXPECT_EQ(view.Cell(22, 2), "red shoes");
  EXPECT_EQ(view.Cell(22, 3), "example.com");
  for (int row : {1, 4, 87, 89}) {
    for (int col = 1; col < 4; ++col) EXPECT_TRUE(view.Cell(row, col).isEmpty()) << row;
  }
  EXPECT_TRUE(view.firstColumnLeftAligned());
  EXPECT_TRUE(UrlsOf(86).empty());  // Goaio has no definition
  EXPECT_EQ(fetches.size(), 2u);
}

TEST_F(SearchRun, JoinsAddressesFromTheEncodedWordsAndPageValues) {
  Tick("Google");
  Tick("Dogpile");
  Tick("Humanux");
  PagesToSearch = 2;
  Run();
  EXPECT_EQ(UrlsOf(21), (std::vector<QString>{"http://www.google.test/search?q=red+shoes&start=0",
                                               "http://www.google.test/search?q=red+shoes&start=10",
                                               "http://www.google.test/search?q=red+shoes&start=20"}));
  EXPECT_EQ(UrlsOf(13), (std::vector<QString>{"http://www.dogpile.test/web/red%2Bshoes/1/20/1",
                                               "http://www.dogpile.test/web/red%2Bshoes/21/20/2",
                                               "http://www.dogpile.test/web/red%2Bshoes/41/20/3"}));
  EXPECT_EQ(UrlsOf(24), (std::vector<QString>{"http://humanux.test/s/?t=red+shoes&n=.1",
                                               "http://humanux.test/s/?t=red+shoes&n=2",
                                               "http://humanux.test/s/?t=red+shoes&n=3"}));
}

struct LoopCase {
  double pages;
  std::vector<double> step10;  // PageCounter values for a step of 10
  std::vector<double> step20;
};

class PageLoop : public SearchRun, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(PageLoop, MakesThePassesThePagesValueGives) {
  Tick("Google");
  Tick("Dogpile");
  PagesToSearch = GetParam().pages;
  Run();
  std::vector<double> google, dogpile;
  for (const Fetch& f : fetches) (f.engineIndex == 21 ? google : dogpile).push_back(f.counter);
  EXPECT_EQ(google, GetParam().step10);
  EXPECT_EQ(dogpile, GetParam().step20);
  // The row is written even when no page was asked for.
  EXPECT_EQ(view.Cell(22, 2), "red shoes");
  EXPECT_EQ(view.Cell(14, 3), "example.com");
}

INSTANTIATE_TEST_SUITE_P(
    PagesValues, PageLoop,
    ::testing::Values(LoopCase{0, {1}, {1}}, LoopCase{1, {1, 11}, {1, 21}},
                      LoopCase{2.5, {1, 11, 21, 31}, {1, 21, 41, 61}}, LoopCase{-1, {}, {}},
                      LoopCase{10,
                               {1, 11, 21, 31, 41, 51, 61, 71, 81, 91, 101},
                               {1, 21, 41, 61, 81, 101, 121, 141, 161, 181, 201}}));

TEST_F(SearchRun, TheLastPageValueThatAddsOneStopsEarlierOnAFraction) {
  Tick("Alta Vista");
  PagesToSearch = 2.5;
  Run();
  ASSERT_EQ(fetches.size(), 3u);
  EXPECT_EQ(fetches.back().counter, 21);
  fetches.clear();
  PagesToSearch = 2;
  Run();
  EXPECT_EQ(fetches.size(), 3u);
}

TEST_F(SearchRun, HitPagesAreJoinedByCommaInLoopOrder) {
  Tick("Google");
  Tick("Dogpile");
  PagesToSearch = 3;
  Run([&](const Fetch& f) {
    // Pretend the site is on Google's pages 1 and 3 and on none of Dogpile's.
    if (f.engineIndex == 21 && (f.counter == 1 || f.counter == 21)) {
      const double page = 1 + (PageCounter - 1) / PageStep;
      RankingPages += (RankingPages.isEmpty() ? "" : ",") + QString::number(page);
    }
  });
  EXPECT_EQ(view.Cell(22, 1), "1,3");
  EXPECT_EQ(view.Cell(14, 1), "");
  EXPECT_EQ(view.Cell(14, 2), "red shoes");
}

TEST_F(SearchRun, BothInfoBoxesRunTheDefinitionAndWriteTheirOwnRows) {
  Tick("Info");
  PagesToSearch = 0;
  Run([&](const Fetch& f) {
    if (f.engineIndex == 43) RankingPages = "1";
  });
  EXPECT_EQ(UrlsOf(26).size(), 1u);
  EXPECT_EQ(UrlsOf(43).size(), 1u);
  EXPECT_EQ(view.Cell(27, 1), "");
  EXPECT_EQ(view.Cell(27, 2), "red shoes");
  EXPECT_EQ(view.Cell(44, 1), "1");
  EXPECT_EQ(view.Cell(44, 3), "example.com");
}

TEST_F(SearchRun, ASinglePageEngineFetchesOnePageWhateverThePagesValue) {
  Tick("Yeandi");
  PagesToSearch = 5;
  Run();
  ASSERT_EQ(UrlsOf(73), std::vector<QString>{"http://yeandi.test/r?term=red+shoes"});
  EXPECT_EQ(fetches[0].counter, 1);
  EXPECT_EQ(view.Cell(74, 2), "red shoes");
}

TEST_F(SearchRun, RowsShowTheTextBoxesAsTheyAreWhenTheEngineFinishes) {
  Tick("Google");
  Run([&](const Fetch&) { view.searchWords = "changed meanwhile"; });
  EXPECT_EQ(view.Cell(22, 2), "changed meanwhile");
  EXPECT_EQ(fetches[0].url, "http://www.google.test/search?q=red+shoes&start=0");
}

TEST_F(SearchRun, ACancellationStopsPagesCellsAndEngines) {
  Tick("Dogpile");
  Tick("Google");
  Tick("Info");
  PagesToSearch = 3;
  Run([&](const Fetch& f) {
    // The wait saw the results window closed on Google's second page.
    if (f.engineIndex == 21 && f.counter == 11) EngineIndex = kCancelledEngineIndex;
  });
  ASSERT_EQ(fetches.size(), 4u + 2u);  // Dogpile's four pages, Google's first two
  EXPECT_EQ(view.Cell(14, 2), "red shoes");  // Dogpile finished before
  EXPECT_EQ(view.Cell(22, 1), "");
  EXPECT_EQ(view.Cell(22, 2), "");
  EXPECT_EQ(view.Cell(23, 0), "");  // no further caption either
  EXPECT_EQ(view.writes().back().row, 22);
  EXPECT_EQ(view.writes().back().col, 0);
  EXPECT_TRUE(UrlsOf(26).empty());
}

}  // namespace
