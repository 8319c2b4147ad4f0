#include "search/page_retrieval.h"

#include "platform/ansi_text.h"
#include "platform/event_wait.h"
#include "platform/html_document.h"
#include "search/search_state.h"
#include "search/search_view.h"
#include "search/url_cache_purge.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>

#include <array>
#include <chrono>
#include <memory>
#include <cmath>

namespace RankscoutMod {
namespace {

using namespace std::chrono_literals;

// The wait ends only when strictly more than this has passed.
constexpr auto kPageLimit = 5s;

bool PageComplete() { return PageDocument && PageDocument->readyState() == QLatin1String("complete"); }

bool ResultsWindowShown() {
  const SearchView* view = View();
  return view && view->ResultsShown();
}

void WaitForPage(const QElapsedTimer& started) {
  const auto limit = std::chrono::nanoseconds(kPageLimit);
  // Wakes just after the limit when nothing else happens.
  const QDeadlineTimer wake(limit + 1ms - std::chrono::nanoseconds(started.nsecsElapsed()),
                            Qt::PreciseTimer);
  while (!PageComplete()) {
    platform::WaitForNextEvent(wake);
    if (std::chrono::nanoseconds(started.nsecsElapsed()) > limit) return;
    if (!ResultsWindowShown()) {
      EngineIndex = kCancelledEngineIndex;
      return;
    }
  }
}

// Each UTF-16 unit's upper case where it is a single unit, else 0: the few
// letters that grow (ß to SS) and surrogates need the full conversion.
const std::array<char16_t, 0x10000>& UpperTable() {
  static const auto table = [] {
    auto t = std::make_unique<std::array<char16_t, 0x10000>>();
    for (char32_t c = 0; c < 0x10000; ++c) {
      const QChar ch{char16_t(c)};
      if (ch.isSurrogate()) {
        (*t)[c] = 0;
        continue;
      }
      const QString upper = QString(ch).toUpper();
      (*t)[c] = upper.size() == 1 ? upper[0].unicode() : 0;
    }
    return t;
  }();
  return *table;
}

// The same as QString::toUpper, by table for all but the rare letters above.
QString UpperCased(const QString& text) {
  const auto& table = UpperTable();
  QString upper(text.size(), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(upper.data());
  for (const QChar c : text) {
    const char16_t u = table[c.unicode()];
    if (u == 0 && c.unicode() != 0) return text.toUpper();
    *out++ = u;
  }
  return upper;
}

}  // namespace

void FetchAndScanPage() {
  const auto document = std::make_shared<platform::HtmlDocument>();
  PageDocument = document->createDocumentFromUrl(PageUrl, QString());
  QElapsedTimer started;
  started.start();

  WaitForPage(started);

  TempFileName = QStringLiteral("Temp.txt");
  if (PageDocument) {
    const QString text = PageDocument->documentElement().innerText();
    SavePageText(TempFileName, text);
    // The hit is decided on the text itself, so a dump that cannot be written
    // or read back (a read-only folder, a full disk) does not hide it.
    ScanForWebSite(text);
  }
  QFile::remove(TempFileName);
  PurgeUrlCache();
  PageDocument.reset();
}

bool SavePageText(const QString& fileName, const QString& text) {
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = platform::ToAnsi(text);
  return file.write(bytes) == bytes.size();
}

void ScanForWebSite(const QString& pageText) {
  if (pageText.isEmpty()) return;
  if (!UpperCased(pageText).contains(UpperCased(WebSite))) return;
  const QString page = CurrentPageNumber();
  if (page.isEmpty()) return;
  if (!RankingPages.isEmpty()) RankingPages += QLatin1Char(',');
  RankingPages += page;
}

QString CurrentPageNumber() {
  const double page = 1 + (PageCounter - 1) / PageStep;
  if (!std::isfinite(page)) return {};  // a step of 0 gives no number
  if (page == std::trunc(page) && std::abs(page) < 1e15) return QString::number(qint64(page));
  return QString::number(page, 'g', QLocale::FloatingPointShortest);
}

}  // namespace RankscoutMod
