#include "search/url_cache_purge.h"
#include "tests/support/fake_web_leftovers.h"

#include <benchmark/benchmark.h>

namespace {

// PurgeUrlCache over a cache of N pages and N cookies, each on its own host.
void BM_PurgeUrlCache(benchmark::State& state) {
  const int entries = int(state.range(0));
  const QByteArray body(8 * 1024, 'x');
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < entries; ++i) {
      const QString host = QStringLiteral("http://www.host%1.example/").arg(i);
      testsupport::CachePage(host + QStringLiteral("search?q=rank+scout"), body);
      testsupport::StoreCookie(host, "id=" + QByteArray::number(i) + "; Max-Age=3600; Path=/");
    }
    state.ResumeTiming();
    RankscoutMod::PurgeUrlCache();
  }
}
BENCHMARK(BM_PurgeUrlCache)->Arg(1000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
