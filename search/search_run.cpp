#include "search/search_run.h"

#include "search/engine_catalogue.h"
#include "search/page_retrieval.h"
#include "search/search_state.h"
#include "search/search_view.h"
#include "search/search_words.h"

#include <cmath>

namespace RankscoutMod {
namespace {

const QString& EncodedWords(Words words) {
  switch (words) {
    case Words::Plus: return QueryPlus;
    case Words::Dash: return QueryDash;
    case Words::Pct2B: return QueryPct2B;
    case Words::Pct252B: return QueryPct252B;
    case Words::Pct20: return QueryPct20;
  }
  return QueryPlus;
}

long long PageFormValue(Page page, long long counter, long long step) {
  const long long offset = counter - 1;
  switch (page) {
    case Page::Counter: return counter;
    case Page::Offset: return offset;
    case Page::Index: return offset / step;
    case Page::Number: return 1 + offset / step;
    case Page::Step: return step;
    case Page::HalfOffset: return offset / 2;
    case Page::NumberTimesStep: return (1 + offset / step) * step;
    case Page::OffsetPlusStep: return offset + step;
    case Page::OddNumber: return 1 + 2 * offset / step;
    case Page::TwiceStep: return 2 * step;
  }
  return counter;
}

bool Cancelled() { return EngineIndex == kCancelledEngineIndex; }

// A caption that the run may go on with: not empty and not a single blank.
bool IsEngineCaption(const QString& caption) {
  return !caption.isEmpty() && caption != QLatin1String(" ");
}

// Runs one definition's page loop and writes its row, unless cancelled.
void RunEngine(const EngineDefinition& engine, SearchView& view,
               const std::function<void()>& fetchPage) {
  PageStep = engine.step;
  RankingPages.clear();
  if (engine.lastPage == LastPage::SinglePage) {
    PageCounter = 1;
    PageUrl = JoinPageUrl(engine, PageCounter, PageStep);
    fetchPage();
  } else {
    const double lastPage = LastPageValue(engine, PagesToSearch);
    for (PageCounter = 1; PageCounter <= lastPage; PageCounter += PageStep) {
      PageUrl = JoinPageUrl(engine, PageCounter, PageStep);
      fetchPage();
      if (Cancelled()) return;
    }
  }
  if (Cancelled()) return;
  const int row = EngineIndex + 1;
  view.SetResultsCell(row, 1, RankingPages);
  view.SetResultsCell(row, 2, view.SearchWordsText());
  view.SetResultsCell(row, 3, view.WebSiteText());
}

}  // namespace

double LastPageValue(const EngineDefinition& engine, double pagesToSearch) {
  switch (engine.lastPage) {
    case LastPage::StepTimesPagesPlusStep: return engine.step * pagesToSearch + engine.step;
    case LastPage::StepTimesPagesPlusOne: return engine.step * pagesToSearch + 1;
    case LastPage::SinglePage: return 1;
  }
  return 0;
}

QString JoinPageUrl(const EngineDefinition& engine, double pageCounter, std::int16_t pageStep) {
  const long long counter = std::llround(pageCounter);
  const std::vector<AddressPiece>& pieces =
      counter == 1 && !engine.firstPageAddress.empty() ? engine.firstPageAddress : engine.address;
  QString url = QStringLiteral("http://") + QString::fromUtf8(engine.host.data(), engine.host.size());
  for (const AddressPiece& piece : pieces) {
    switch (piece.kind) {
      case AddressPiece::Kind::Text:
        url += QString::fromUtf8(piece.text.data(), static_cast<qsizetype>(piece.text.size()));
        break;
      case AddressPiece::Kind::Words: url += EncodedWords(piece.words); break;
      case AddressPiece::Kind::Page:
        url += QString::number(PageFormValue(piece.page, counter, pageStep));
        break;
    }
  }
  return url;
}

void RunRankingSearch() { RunRankingSearch(EngineCatalogue(), FetchAndScanPage); }

void RunRankingSearch(std::span<const EngineDefinition> catalogue,
                      const std::function<void()>& fetchPage) {
  SearchView* view = View();
  if (!view) return;
  EncodeSearchWords();
  view->SetResultsColumnLeftAligned(0);
  for (EngineIndex = 0; EngineIndex < kEngineBoxCount; ++EngineIndex) {
    const QString caption = view->EngineCaption(EngineIndex);
    view->SetResultsCell(EngineIndex + 1, 0, caption);
    if (!view->EngineTicked(EngineIndex) || !IsEngineCaption(caption)) continue;
    for (const EngineDefinition& engine : catalogue) {
      // Caption and tick are read again for every definition.
      const QString currentCaption = view->EngineCaption(EngineIndex);
      if (currentCaption != QLatin1StringView(engine.caption.data(), engine.caption.size()) ||
          !view->EngineTicked(EngineIndex)) {
        continue;
      }
      RunEngine(engine, *view, fetchPage);
      if (Cancelled()) return;
    }
  }
}

}  // namespace RankscoutMod
