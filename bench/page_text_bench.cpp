#include "bench_pages.h"
#include "platform/html_text.h"
#include "search/page_retrieval.h"
#include "search/search_state.h"

#include <benchmark/benchmark.h>

namespace {

// innerText of a results page; MB/s in the bytes_per_second column.
void BM_InnerText(benchmark::State& state) {
  const QByteArray page = bench::ResultsPage(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(platform::ReadableText(page, "text/html"));
  state.SetBytesProcessed(state.iterations() * page.size());
}
BENCHMARK(BM_InnerText)->Arg(100 * 1024)->Arg(2 * 1024 * 1024)->Unit(benchmark::kMillisecond);

// The site scan of a 1 MB page text in which the site is not found: the
// whole text is read.
void BM_ScanPageText(benchmark::State& state) {
  const QString text =
      platform::ReadableText(bench::ResultsPage(2200 * 1024), "text/html").left(1024 * 1024);
  RankscoutMod::WebSite = QStringLiteral("www.absent-site.example");
  RankscoutMod::PageCounter = 1;
  RankscoutMod::PageStep = 10;
  for (auto _ : state) {
    RankscoutMod::RankingPages.clear();
    RankscoutMod::ScanForWebSite(text);
  }
  state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
  state.counters["chars"] = double(text.size());
}
BENCHMARK(BM_ScanPageText)->Unit(benchmark::kMicrosecond);

}  // namespace
