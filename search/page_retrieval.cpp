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

#include <chrono>
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
  if (!pageText.toUpper().contains(WebSite.toUpper())) return;
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
