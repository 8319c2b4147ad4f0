#include "bench_pages.h"
#include "platform/event_wait.h"
#include "platform/html_document.h"
#include "search/page_retrieval.h"
#include "search/url_cache_purge.h"
#include "search/search_state.h"
#include "search/search_view.h"
#include "tests/support/fake_web.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr int kPages = 100;

// A results window that stays shown.
class ShownResults : public RankscoutMod::SearchView {
 public:
  QString EngineCaption(int) const override { return {}; }
  bool EngineTicked(int) const override { return false; }
  QString SearchWordsText() const override { return {}; }
  QString WebSiteText() const override { return {}; }
  void LoadResults() override {}
  void SetResultsColWidth(int, int) override {}
  void SetResultsColumnLeftAligned(int) override {}
  void SetResultsCell(int, int, const QString&) override {}
  bool ResultsShown() const override { return true; }
};

// The fake web as its own process, serving a 30 KB results page for every
// path of bench.test.
class FakeWebProcess {
 public:
  FakeWebProcess() {
    const QJsonObject route{{"url", "bench.test/*"},
                            {"headers", QJsonObject{{"Content-Type", "text/html; charset=utf-8"}}},
                            {"body", QString::fromUtf8(bench::ResultsPage(30 * 1024))}};
    const QString script = folder_.path() + "/script.json";
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(QJsonObject{{"routes", QJsonArray{route}}}).toJson());
    file.close();
    process_.start(QStringLiteral(RANKSCOUT_FAKE_WEB), {script});
    if (process_.waitForReadyRead(10000)) port_ = quint16(process_.readLine().trimmed().toUInt());
  }
  ~FakeWebProcess() {
    process_.terminate();
    process_.waitForFinished(5000);
  }
  quint16 port() const { return port_; }
  QString ProxyUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }

 private:
  QTemporaryDir folder_;
  QProcess process_;
  quint16 port_ = 0;
};

// Seconds per page, shown by the counter as a rate inverted: the time column
// divided by the pages of one iteration.
benchmark::Counter PerPage(const benchmark::State& state) {
  return benchmark::Counter(double(state.iterations() * kPages),
                            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

QString PageAddress(int i) {
  return QStringLiteral("http://bench.test/search?q=rank+scout&start=%1").arg(i * 10);
}

// FetchAndScanPage for 100 pages: load, wait, dump, scan, delete, purge.
void BM_FetchAndScan100Pages(benchmark::State& state) {
  FakeWebProcess web;
  if (web.port() == 0) return state.SkipWithError("the fake web did not start");
  qputenv("http_proxy", web.ProxyUrl().toLatin1());
  ShownResults view;
  RankscoutMod::SetSearchView(&view);
  RankscoutMod::WebSite = QStringLiteral("www.site7.example");
  RankscoutMod::PageStep = 10;
  for (auto _ : state) {
    RankscoutMod::RankingPages.clear();
    for (int i = 0; i < kPages; ++i) {
      RankscoutMod::PageUrl = PageAddress(i);
      RankscoutMod::PageCounter = 1 + 10 * i;
      RankscoutMod::FetchAndScanPage();
    }
    // Every page lists the site: each must have been loaded and scanned.
    if (RankscoutMod::RankingPages.count(QLatin1Char(',')) != kPages - 1)
      return state.SkipWithError("a page was not found on the site");
  }
  RankscoutMod::SetSearchView(nullptr);
  qunsetenv("http_proxy");
  state.counters["ms_per_page"] = PerPage(state);
}
BENCHMARK(BM_FetchAndScan100Pages)->Unit(benchmark::kMillisecond)->UseRealTime();

// The loads alone, each followed by the purge so that every page is fetched
// afresh: what FetchAndScanPage costs without the page's text, dump and scan.
void BM_Load100Pages(benchmark::State& state) {
  FakeWebProcess web;
  if (web.port() == 0) return state.SkipWithError("the fake web did not start");
  qputenv("http_proxy", web.ProxyUrl().toLatin1());
  for (auto _ : state) {
    for (int i = 0; i < kPages; ++i) {
      platform::HtmlDocument blank;
      const auto document = blank.createDocumentFromUrl(PageAddress(i), QString());
      const QDeadlineTimer deadline(5000);
      while (document->readyState() != QLatin1String("complete") && !deadline.hasExpired())
        platform::WaitForNextEvent(deadline);
      RankscoutMod::PurgeUrlCache();
    }
  }
  qunsetenv("http_proxy");
  state.counters["ms_per_page"] = PerPage(state);
}
BENCHMARK(BM_Load100Pages)->Unit(benchmark::kMillisecond)->UseRealTime();

// curl fetching the same 100 addresses through the same fake web, in one process.
void BM_Curl100Pages(benchmark::State& state) {
  const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
  if (curl.isEmpty()) return state.SkipWithError("curl is not installed");
  FakeWebProcess web;
  if (web.port() == 0) return state.SkipWithError("the fake web did not start");
  QStringList args{QStringLiteral("-s"), QStringLiteral("--proxy"), web.ProxyUrl()};
  for (int i = 0; i < kPages; ++i) args << QStringLiteral("-o") << QStringLiteral("/dev/null") << PageAddress(i);
  for (auto _ : state) {
    QProcess process;
    process.start(curl, args);
    process.waitForFinished(60000);
    if (process.exitCode() != 0) return state.SkipWithError("curl failed");
  }
  state.counters["ms_per_page"] = PerPage(state);
}
BENCHMARK(BM_Curl100Pages)->Unit(benchmark::kMillisecond)->UseRealTime();

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The CPU the process uses while one page stalls for the whole wait.
void BM_StalledPageCpu(benchmark::State& state) {
  testsupport::FakeWeb web;
  const QByteArray page = bench::ResultsPage(30 * 1024);
  web.Serve("stall.test/*", testsupport::FakeResponse::Stalled(page, page.size() / 2));
  qputenv("http_proxy", web.ProxyUrl().toLatin1());
  ShownResults view;
  RankscoutMod::SetSearchView(&view);
  RankscoutMod::WebSite = QStringLiteral("www.site7.example");
  RankscoutMod::PageUrl = QStringLiteral("http://stall.test/search?q=rank+scout");
  double cpu = 0;
  for (auto _ : state) {
    const double before = CpuSeconds();
    RankscoutMod::FetchAndScanPage();
    cpu += CpuSeconds() - before;
  }
  RankscoutMod::SetSearchView(nullptr);
  qunsetenv("http_proxy");
  state.counters["cpu_s"] = cpu / double(state.iterations());
}
BENCHMARK(BM_StalledPageCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
