#include "search/engine_boxes.h"
#include "search/engine_catalogue.h"
#include "search/search_run.h"
#include "search/search_state.h"
#include "tests/support/fake_search_view.h"

#include <QRegularExpression>
#include <QUrl>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace RankscoutMod;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const EngineDefinition* Definition(const QString& caption) {
  for (const EngineDefinition& engine : EngineCatalogue()) {
    if (QLatin1StringView(engine.caption.data(), engine.caption.size()) == caption) return &engine;
  }
  return nullptr;
}

QString HostOf(const EngineDefinition& engine) {
  return QString::fromLatin1(engine.host.data(), engine.host.size());
}

struct Pass {
  int box;
  double counter;
  std::int16_t step;
  QString url;
};

// The real catalogue, run over a view without windows; every page is
// recorded instead of loaded.
class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    view.searchWords = "red shoes";
    view.webSite = "example.com";
    SearchWords = view.searchWords;
    WebSite = view.webSite;
    PagesToSearch = 2;
  }

  void Tick(const QString& caption) {
    bool found = false;
    for (int i = 0; i < kEngineBoxCount; ++i) {
      if (view.captions[i] == caption) view.ticked[i] = found = true;
    }
    ASSERT_TRUE(found) << caption.toStdString();
  }

  void Run(const std::function<void()>& onFetch = {}) {
    passes.clear();
    RunRankingSearch(EngineCatalogue(), [&] {
      passes.push_back({EngineIndex, PageCounter, PageStep, PageUrl});
      if (onFetch) onFetch();
    });
  }

  std::vector<Pass> PassesOf(int box) const {
    std::vector<Pass> result;
    for (const Pass& p : passes)
      if (p.box == box) result.push_back(p);
    return result;
  }

  std::vector<Pass> PassesOf(const QString& caption) const {
    for (int i = 0; i < kEngineBoxCount; ++i)
      if (view.captions[i] == caption) return PassesOf(i);
    return {};
  }

  testsupport::FakeSearchView view;
  std::vector<Pass> passes;
};

TEST(CatalogueRows, HoldEveryEngineInRunOrderWithItsStepAndLastPageValue) {
  struct Row {
    const char* caption;
    int step;
  };
  const std::vector<Row> expected = {
      {"Alta Vista", 10},  {"About", 10},        {"Dogpile", 20},       {"Excite", 20},
      {"Google", 10},      {"HotBot", 10},       {"Lycos", 10},         {"Mamma", 15},
      {"Yahoo", 10},       {"AllTheWeb", 10},    {"Ask", 10},           {"LookSmart", 15},
      {"Metacrawler", 20}, {"Scrubbtheweb", 15}, {"Webcrawler", 20},    {"Whatuseek", 20},
      {"AOL", 15},         {"Go", 10},           {"Jayde", 25},         {"MSN", 25},
      {"Teoma", 10},       {"WiseNut", 10},      {"CNN", 10},           {"Kanoodle", 10},
      {"Netscape", 10},    {"NBCi", 10},         {"Search", 10},        {"Gigablast", 10},
      {"Searchit", 10},    {"Searchhippo", 10},  {"Humanux", 10},       {"Cipinet", 10},
      {"Intelseek", 10},   {"InfoSpace", 20},    {"Entireweb", 10},     {"Myway", 10},
      {"Dotzup", 5},       {"Websquash", 15},    {"2020 Search", 20},   {"Yoogee", 20},
      {"WebSearch", 20},
      {"Bluewin", 15},     {"Espotting", 10},    {"Internet", 10},      {"Ixquick", 10},
      {"OneStepSearch", 10}, {"Search123", 20},  {"Seeq", 10},          {"SearchYet", 10},
      {"Terra", 10},       {"Alexa", 10},        {"Amfibi", 10},        {"Ditto", 3},
      {"DMOZ", 20},        {"Galaxy", 15},       {"Homerweb", 15},      {"Info", 20},
      {"WindSeek", 10},    {"Sootle", 10},       {"Walhello", 10},      {"Infotiger", 10},
      {"Zeal", 10},        {"WOW", 10},          {"SightQuest", 10},    {"Yeandi", 10},
      {"Goguides", 10},    {"Joeant", 10},       {"Wotbox", 10},        {"Galaxyhit", 10},
      {"Illumirate", 10},  {"Mavicanet", 20},    {"Ezilon", 15},        {"Warp", 15},
      {"Surfgopher", 15},  {"Searchsight", 10},  {"NationalDir", 10},   {"Splatsearch", 10},
      {"Webworld", 10},    {"Ontheweb", 10},     {"Search Bug", 20},    {"Enhance", 20},
      {"Find What", 25},   {"7 Search", 20},     {"MSN Beta", 10},      {"Xuppa", 28},
  };
  const std::span<const EngineDefinition> rows = EngineCatalogue();
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(expected[i].caption);
    EXPECT_EQ(rows[i].caption, expected[i].caption);
    EXPECT_EQ(rows[i].step, expected[i].step);
    const LastPage last = rows[i].caption == "Alta Vista" ? LastPage::StepTimesPagesPlusOne
                          : rows[i].caption == "Yeandi"   ? LastPage::SinglePage
                                                          : LastPage::StepTimesPagesPlusStep;
    EXPECT_EQ(rows[i].lastPage, last);
    EXPECT_EQ(rows[i].firstPageAddress.empty(), rows[i].caption != "Humanux");
  }
}

TEST(CatalogueRows, EachCaptionIsABoxCaptionAndOnlyGoaioHasNoDefinition) {
  std::map<QString, int> boxesPerCaption;
  for (int i = 0; i < kEngineBoxCount; ++i) ++boxesPerCaption[EngineBoxCaption(i)];
  std::set<QString> defined;
  for (const EngineDefinition& engine : EngineCatalogue()) {
    const QString caption = QString::fromLatin1(engine.caption.data(), engine.caption.size());
    EXPECT_TRUE(defined.insert(caption).second) << "twice: " << caption.toStdString();
    EXPECT_EQ(boxesPerCaption[caption], caption == "Info" ? 2 : 1) << caption.toStdString();
  }
  std::set<QString> undefined;
  for (const auto& [caption, count] : boxesPerCaption)
    if (!caption.isEmpty() && !defined.count(caption)) undefined.insert(caption);
  EXPECT_EQ(undefined, std::set<QString>{"Goaio"});
}

// The example addresses, for the words "red shoes" and the pages value 2.
struct Example {
  const char* caption;
  int pass;  // 0 for the first page
  const char* text;
  bool atEnd;  // the address ends with the text, else holds it
};

void PrintTo(const Example& e, std::ostream* os) {
  *os << e.caption << " pass " << e.pass + 1 << ": " << e.text;
}

class ExampleAddress : public Catalogue, public ::testing::WithParamInterface<Example> {};

TEST_P(ExampleAddress, IsSentOnItsPass) {
  const Example& example = GetParam();
  Tick(example.caption);
  Run();
  const std::vector<Pass> pages = PassesOf(example.caption);
  ASSERT_EQ(pages.size(), 3u);
  const std::string url = pages[example.pass].url.toStdString();
  EXPECT_THAT(url, StartsWith("http://" + HostOf(*Definition(example.caption)).toStdString() + "/"));
  if (example.atEnd)
    EXPECT_THAT(url, EndsWith(example.text));
  else
    EXPECT_THAT(url, HasSubstr(example.text));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleAddress,
    ::testing::Values(
        Example{"Google", 0, "/search?q=red+shoes&hl=en&lr=&ie=UTF-8&oe=UTF-8&start=0&sa=N", true},
        Example{"Google", 1, "/search?q=red+shoes&hl=en&lr=&ie=UTF-8&oe=UTF-8&start=10&sa=N", true},
        Example{"AOL", 0, "/aolcom/search?query=red+shoes&page=1", true},
        Example{"AOL", 1, "/aolcom/search?query=red+shoes&page=2", true},
        Example{"Dogpile", 0, "red%2Bshoes/1/20/1/-/0/0/1/1/1/1/-/-/-/on2%253A1082507539796%253A0%253A", true},
        Example{"Dogpile", 1, "red%2Bshoes/21/20/2/-/0/0/1/1/1/1/-/-/-/on2%253A1082507539796%253A0%253A",
                true},
        Example{"Humanux", 0, "/s/?t=red+shoes&n=.1", true},
        Example{"Humanux", 1, "/s/?t=red+shoes&n=2", true},
        Example{"Humanux", 2, "/s/?t=red+shoes&n=3", true},
        Example{"WebSearch", 0, "/red%2Bshoes/1/20/1/", false},
        Example{"WebSearch", 1, "/red%2Bshoes/3/20/2/", false},
        Example{"WebSearch", 2, "/red%2Bshoes/5/20/3/", false},
        Example{"Kanoodle", 0, "first=0&afirst=0", true},
        Example{"Kanoodle", 1, "first=5&afirst=10", true},
        Example{"Kanoodle", 2, "first=10&afirst=20", true},
        Example{"Jayde", 0, "?r=0&q=red%20shoes&", false},
        Example{"Jayde", 1, "?r=25&q=red%20shoes&", false},
        Example{"Jayde", 2, "?r=50&q=red%20shoes&", false},
        Example{"MSN", 0, "?ps=ba%3d(31.1)0(.)0", false},
        Example{"MSN", 1, "?ps=ba%3d(31.26)0(.)0", false},
        Example{"MSN", 2, "?ps=ba%3d(31.51)0(.)0", false},
        Example{"MSN", 0, "&q=red+shoes&ck_sc=1&ck_af=0", true},
        Example{"Bluewin", 0, "&first=1&qgres=0", true},
        Example{"Bluewin", 1, "&first=2&qgres=0", true},
        Example{"Bluewin", 2, "&first=3&qgres=0", true},
        Example{"Ditto", 0, "&ap=1&", false},
        Example{"Ditto", 1, "&ap=2&", false},
        Example{"Ditto", 2, "&ap=3&", false},
        Example{"Xuppa", 0, "&startlimit=0&limitnumber=20&file=0&", false},
        Example{"Xuppa", 1, "&startlimit=28&limitnumber=20&file=28&", false},
        Example{"Xuppa", 2, "&startlimit=56&limitnumber=20&file=56&", false},
        Example{"Internet", 1, "&IC_BatchSize=20&", false},
        Example{"Internet", 1, "&IC_StartNumber=10&", false},
        Example{"Internet", 1, "&juppage=2", true},
        Example{"Webworld", 2, "?st=20&nd=30&", false},
        Example{"Find What", 1, "?DC=25&Base=25&MT=red+shoes&pdc=25&", false},
        Example{"MSN Beta", 0, "&first=1&count=10&FORM=PDRE0", true},
        Example{"MSN Beta", 1, "&first=11&count=10&FORM=PDRE1", true},
        Example{"OneStepSearch", 0, "?page=0&", false},
        Example{"Wotbox", 0, "&o=0&", false},
        Example{"Illumirate", 0, "&ThisPage=0", true},
        Example{"Mavicanet", 0, "&page=0&", false},
        Example{"Ezilon", 0, "&start=0", true},
        Example{"Galaxyhit", 0, "&start=1", true},
        Example{"Galaxy", 0, "?p=1&k=red+shoes", true},
        Example{"Homerweb", 0, "/?p=1&s=red%20shoes&", false},
        Example{"Sootle", 0, "/search.html?start=0 &sq=red%20shoes", true},
        Example{"Ontheweb", 0, "/s/red-shoes_1.html", true}));

TEST_F(Catalogue, PassesRunOverTheCountersOfTheirStep) {
  Tick("Bluewin");
  Tick("Ditto");
  Tick("Xuppa");
  Run();
  auto counters = [&](const char* caption) {
    std::vector<double> values;
    for (const Pass& p : PassesOf(caption)) values.push_back(p.counter);
    return values;
  };
  EXPECT_EQ(counters("Bluewin"), (std::vector<double>{1, 16, 31}));
  EXPECT_EQ(counters("Ditto"), (std::vector<double>{1, 4, 7}));
  EXPECT_EQ(counters("Xuppa"), (std::vector<double>{1, 29, 57}));
}

// The fixed values are ours, but each keeps the form and length the engine expects.
TEST_F(Catalogue, FixedValuesHaveTheirFormsAndLengths) {
  for (const char* caption : {"Ask", "Teoma", "NBCi", "2020 Search", "Internet", "Ixquick", "Seeq",
                              "SearchYet", "Info", "Search Bug", "7 Search"})
    Tick(caption);
  PagesToSearch = 0;
  Run();
  auto match = [&](const char* caption, const char* pattern) {
    const std::vector<Pass> pages = PassesOf(caption);
    EXPECT_EQ(pages.size(), 1u) << caption;
    const QRegularExpressionMatch m = QRegularExpression(QString::fromLatin1(pattern))
                                          .match(pages.empty() ? QString() : pages.front().url);
    EXPECT_TRUE(m.hasMatch()) << caption << ": " << (pages.empty() ? "" : pages.front().url.toStdString());
    return m;
  };
  const QString ask = match("Ask", "&qid=([0-9A-F]{32})&qte=0&params=teoma%3dy%3d$").captured(1);
  const QString teoma = match("Teoma", "&qid=([0-9A-F]{32})&qte=0&params=teoma%3dy%3d$").captured(1);
  EXPECT_NE(ask, teoma);
  match("NBCi", "^http://[^/]+/_1_[0-9A-Z]{14}__info\\.nbci/dog/results\\?otmpl=");
  match("2020 Search", "&iss=d-www-en-us_i-[0-9A-Z]{16}_s-0&offset=0&");
  match("Ixquick", "&qid=[A-Z]{12}&query=red\\+shoes&");
  match("SearchYet", "\\?cmd=search&ts_id=[0-9a-z]{32}&query=red\\+shoes&");
  match("Info", "^http://[^/]+/_1_[0-9A-Z]{14}__[a-z0-9-]+(\\.[a-z0-9-]+)+/search/web/red%2Bshoes/1/20/1/");
  match("Search Bug", "^http://[^/]+/_1_[0-9A-Z]{14}__info\\.sbug/search/web/red%2Bshoes/1/20/1/");
  match("Seeq", "\\?portal_id=1&domain=[a-z0-9-]+(\\.[a-z0-9-]+)+&keyword=red%20shoes&");

  // One home host name stands in the path and as referer, and is not the host serving it.
  const QRegularExpressionMatch internet =
      match("Internet", "^http://([^/]+)/([a-z0-9.-]+\\.[a-z]+)\\?IC_QueryText=.*&referer=([^&]+)&case=1&");
  EXPECT_EQ(internet.captured(2), internet.captured(3));
  EXPECT_NE(internet.captured(1), internet.captured(2));

  // A home address with ":", "/" and "." all percent-encoded.
  const QString home = match("7 Search", "&u=(http%3A%2F%2F[^&]+)&filter=off&").captured(1);
  EXPECT_FALSE(home.contains(':') || home.contains('/') || home.contains('.')) << home.toStdString();
  EXPECT_TRUE(QRegularExpression("^http://[a-z0-9-]+(\\.[a-z0-9-]+)+/?$")
                  .match(QUrl::fromPercentEncoding(home.toLatin1()))
                  .hasMatch())
      << home.toStdString();
}

TEST(CatalogueRows, HostsArePlainHostNamesAndPartnersShareTheirHost) {
  const QRegularExpression hostName("^[a-z0-9-]+(\\.[a-z0-9-]+)+$");
  for (const EngineDefinition& engine : EngineCatalogue())
    EXPECT_TRUE(hostName.match(HostOf(engine)).hasMatch()) << engine.caption << ": " << engine.host;
  EXPECT_EQ(Definition("NBCi")->host, Definition("InfoSpace")->host);
  EXPECT_EQ(Definition("Search Bug")->host, Definition("InfoSpace")->host);
}

// "Surfgopher" and "Enhance" have no page value of their own among the engine's
// pieces; the address must still ask for the page each pass records.
TEST_F(Catalogue, PagesWithoutAPageValueOfTheirOwnStillAskForThePageRecorded) {
  Tick("Surfgopher");
  Tick("Enhance");
  Tick("Lycos");
  Run();
  const std::vector<Pass> surfgopher = PassesOf("Surfgopher");
  const std::vector<Pass> enhance = PassesOf("Enhance");
  const std::vector<Pass> lycos = PassesOf("Lycos");
  ASSERT_EQ(surfgopher.size(), 3u);
  ASSERT_EQ(enhance.size(), 3u);
  ASSERT_EQ(lycos.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const std::string page = std::to_string(static_cast<int>(1 + (surfgopher[i].counter - 1) / 15));
    EXPECT_THAT(surfgopher[i].url.toStdString(),
                EndsWith("/nph-go.crawl?w=red+shoes&c=0&n=1&t=1&page=" + page));
    EXPECT_EQ(std::to_string(static_cast<int>(1 + (enhance[i].counter - 1) / 20)), page);
    EXPECT_THAT(enhance[i].url.toStdString(),
                EndsWith("/1000.aspx?Q=red+shoes&QT=L&FT=F1&MB=.026&SA=&LOG=&S=20&O=40"
                         "&LC=4&FC=266&CID=1000&SID=&PG=" + page));
    // Lycos names its page counter like HotBot, on the same path.
    EXPECT_THAT(lycos[i].url.toStdString(),
                EndsWith("/default.asp?query=red+shoes&first=" +
                         std::to_string(static_cast<int>(lycos[i].counter)) + "&pmore=more&gi=1"));
  }
}

// A box runs exactly the definition captioned like it: never one whose caption
// only begins or ends the same way.
TEST_F(Catalogue, EachBoxRunsOnlyTheDefinitionWithItsExactCaption) {
  PagesToSearch = 0;
  for (int box = 0; box < kEngineBoxCount; ++box) {
    view.ticked.fill(false);
    view.ticked[box] = true;
    Run();
    const EngineDefinition* engine = Definition(view.captions[box]);
    SCOPED_TRACE(view.captions[box].toStdString());
    if (!engine || view.captions[box].isEmpty()) {
      EXPECT_TRUE(passes.empty());
      continue;
    }
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_EQ(passes[0].box, box);
    EXPECT_EQ(passes[0].step, engine->step);
    EXPECT_EQ(passes[0].url, JoinPageUrl(*engine, 1, engine->step));
  }
}

TEST_F(Catalogue, ConfusableCaptionsEachFetchTheirOwnEngine) {
  PagesToSearch = 0;
  std::map<QString, QString> firstUrl;
  for (const char* caption : {"Search", "Search123", "Search Bug", "SearchYet", "MSN", "MSN Beta", "Go",
                              "Goguides", "Galaxy", "Galaxyhit", "Info", "Infotiger"}) {
    view.ticked.fill(false);
    Tick(caption);
    Run();
    ASSERT_EQ(passes.size(), std::string_view(caption) == "Info" ? 2u : 1u) << caption;
    firstUrl[caption] = passes[0].url;
  }
  EXPECT_THAT(firstUrl["Search"].toStdString(), HasSubstr("/search?cat=118&q=red+shoes&"));
  EXPECT_THAT(firstUrl["Search123"].toStdString(), HasSubstr("/cgi-bin/ksearch.cgi?AID=2656&QUERY="));
  EXPECT_THAT(firstUrl["Search Bug"].toStdString(), HasSubstr("__info.sbug/search/web/"));
  EXPECT_THAT(firstUrl["SearchYet"].toStdString(), HasSubstr("/index.php?cmd=search&ts_id="));
  EXPECT_THAT(firstUrl["MSN"].toStdString(), HasSubstr("/pass/results.aspx?ps=ba%3d(31.1)"));
  EXPECT_THAT(firstUrl["MSN Beta"].toStdString(), EndsWith("&FORM=PDRE0"));
  EXPECT_THAT(firstUrl["Go"].toStdString(), HasSubstr("/hws/search?q=red+shoes&client=disney-go-test&"));
  EXPECT_THAT(firstUrl["Goguides"].toStdString(), HasSubstr("/DIR/search.php?q=red+shoes&s=1"));
  EXPECT_THAT(firstUrl["Galaxy"].toStdString(), HasSubstr("/b/q?p=1&k=red+shoes"));
  EXPECT_THAT(firstUrl["Galaxyhit"].toStdString(), HasSubstr("/search/search.cgi?keywords=red%20shoes"));
  EXPECT_THAT(firstUrl["Info"].toStdString(), HasSubstr("/search/web/red%2Bshoes/1/20/1/-/1/0/"));
  EXPECT_THAT(firstUrl["Infotiger"].toStdString(), HasSubstr("/search?qs=red+shoes&page=1"));
}

TEST_F(Catalogue, BothInfoBoxesRunTheDefinitionAndWriteTheirOwnRows) {
  Tick("Info");
  PagesToSearch = 1;
  Run([&] {
    if (EngineIndex == 26 && PageCounter == 21) RankingPages = "2";
  });
  ASSERT_EQ(PassesOf(26).size(), 2u);
  ASSERT_EQ(PassesOf(43).size(), 2u);
  EXPECT_EQ(PassesOf(26)[1].url, PassesOf(43)[1].url);
  EXPECT_EQ(view.Cell(27, 1), "2");
  EXPECT_EQ(view.Cell(44, 1), "");
  for (int row : {27, 44}) {
    EXPECT_EQ(view.Cell(row, 0), "Info");
    EXPECT_EQ(view.Cell(row, 2), "red shoes");
    EXPECT_EQ(view.Cell(row, 3), "example.com");
  }
}

TEST_F(Catalogue, GoaioFetchesNothingAndKeepsItsRowEmpty) {
  Tick("Goaio");
  Run();
  EXPECT_TRUE(passes.empty());
  EXPECT_EQ(view.Cell(87, 0), "Goaio");
  for (int col = 1; col < 4; ++col) EXPECT_EQ(view.Cell(87, col), "");
}

class PagesValue : public Catalogue, public ::testing::WithParamInterface<double> {};

TEST_P(PagesValue, EveryLoopedRowMakesOneMorePassThanThePagesValue) {
  for (int i = 0; i < kEngineBoxCount; ++i) view.ticked[i] = true;
  PagesToSearch = GetParam();
  const int passCount = static_cast<int>(GetParam()) + 1;
  Run();
  for (int box = 0; box < kEngineBoxCount; ++box) {
    const EngineDefinition* engine = Definition(view.captions[box]);
    const std::vector<Pass> pages = PassesOf(box);
    SCOPED_TRACE(view.captions[box].toStdString());
    if (!engine || view.captions[box].isEmpty()) {
      EXPECT_TRUE(pages.empty());
      continue;
    }
    if (engine->lastPage == LastPage::SinglePage) {
      ASSERT_EQ(pages.size(), 1u);
      EXPECT_EQ(pages[0].counter, 1);
    } else {
      ASSERT_EQ(pages.size(), static_cast<std::size_t>(passCount));
      std::set<QString> distinct;
      for (int i = 0; i < passCount; ++i) {
        EXPECT_EQ(pages[i].counter, 1 + i * engine->step);
        distinct.insert(pages[i].url);
      }
      // Each pass asks the engine for another page.
      EXPECT_EQ(distinct.size(), pages.size());
    }
    EXPECT_EQ(view.Cell(box + 1, 2), "red shoes");
    EXPECT_EQ(view.Cell(box + 1, 3), "example.com");
  }
}

INSTANTIATE_TEST_SUITE_P(ZeroOneTwo, PagesValue, ::testing::Values(0.0, 1.0, 2.0));

TEST_F(Catalogue, YeandiFetchesOnePageWhateverThePagesValue) {
  Tick("Yeandi");
  for (double pages : {-1.0, 0.0, 1.0, 7.0}) {
    PagesToSearch = pages;
    Run([] { RankingPages = "1"; });
    ASSERT_EQ(passes.size(), 1u) << pages;
    EXPECT_THAT(passes[0].url.toStdString(), EndsWith("/searchresults.asp?term=red+shoes"));
    EXPECT_EQ(view.Cell(74, 1), "1");
  }
}

// The form a loader's URL puts on the wire: a blank becomes %20, and the
// equivalences of RFC 3986 apply (an encoded unreserved character is sent
// plain, hex digits in capitals). Nothing else may change.
QString WireForm(QString address) {
  address.replace(' ', QLatin1String("%20"));
  static const QRegularExpression escape("%([0-9A-Fa-f]{2})");
  QString wire;
  qsizetype at = 0;
  for (auto it = escape.globalMatch(address); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    wire += address.mid(at, m.capturedStart() - at);
    const char c = static_cast<char>(m.captured(1).toInt(nullptr, 16));
    const bool unreserved = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' ||
                            c == '_' || c == '~';
    wire += unreserved ? QString(QLatin1Char(c)) : "%" + m.captured(1).toUpper();
    at = m.capturedEnd();
  }
  return wire + address.mid(at);
}

TEST_F(Catalogue, EveryAddressIsAUrlThatGoesOutAsWritten) {
  for (int i = 0; i < kEngineBoxCount; ++i) view.ticked[i] = true;
  Run();
  ASSERT_FALSE(passes.empty());
  for (const Pass& p : passes) {
    SCOPED_TRACE(p.url.toStdString());
    const QUrl url(p.url);
    ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
    EXPECT_EQ(url.scheme(), "http");
    EXPECT_EQ(url.host(), HostOf(*Definition(view.captions[p.box])));
    EXPECT_TRUE(url.fragment().isNull());
    EXPECT_EQ(QString::fromLatin1(url.toEncoded()), WireForm(p.url));
  }
  // The one blank of the catalogue stays in place, encoded.
  const std::vector<Pass> sootle = PassesOf("Sootle");
  ASSERT_FALSE(sootle.empty());
  EXPECT_EQ(QUrl(sootle[0].url).toEncoded(),
            "http://" + HostOf(*Definition("Sootle")).toLatin1() + "/search.html?start=0%20&sq=red%20shoes");
}

}  // namespace
