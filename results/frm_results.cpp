#include "results/frm_results.h"

#include "platform/window_font.h"
#include "platform/window_measures.h"
#include "results/flex_grid.h"
#include "results/results_print.h"
#include "search/search_state.h"
#include "search/url_cache_purge.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPointer>

namespace {

constexpr int kRows = 91;
constexpr int kCols = 4;

QPointer<frmResults>& Current() {
  static QPointer<frmResults> current;
  return current;
}

}  // namespace

frmResults::frmResults(QWidget* parent) : QMainWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Rankscout Results"));

  mnuExit = menuBar()->addAction(QStringLiteral("Exit"));
  mnuPrint = menuBar()->addAction(QStringLiteral("Print"));
  connect(mnuExit, &QAction::triggered, this, &frmResults::mnuExit_Click);
  connect(mnuPrint, &QAction::triggered, this, [this] { results::PrintGrid(*MSHFlexGrid1, this); });

  auto* client = new QWidget(this);
  client->setFixedSize(platform::TwipsSize(10350, 6255));
  setCentralWidget(client);

  Line1 = new QFrame(client);
  Line1->setGeometry(0, 0, platform::Twips(10320), 1);
  Line1->setAutoFillBackground(true);
  Line1->setBackgroundRole(QPalette::Shadow);

  MSHFlexGrid1 = new FlexGrid(kRows, kCols, 1, 1, client);
  MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
  MSHFlexGrid1->setGeometry(platform::TwipsRect(240, 240, 9855, 5775));
  MSHFlexGrid1->setFont(platform::DialogFont(8.25));

  Form_Load();
}

void frmResults::Form_Load() {
  adjustSize();
  platform::CentreOnScreen(*this);
}

void frmResults::mnuExit_Click() { close(); }

void frmResults::closeEvent(QCloseEvent* event) {
  // Every way of closing runs the same unload, and the close is never cancelled.
  Unload();
  event->accept();
}

void frmResults::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  using RankscoutMod::EngineIndex;
  for (EngineIndex = 1; EngineIndex < kRows; ++EngineIndex) {
    for (int col = 0; col < kCols; ++col) MSHFlexGrid1->SetTextMatrix(EngineIndex, col, QString());
  }
  RankscoutMod::PurgeUrlCache();
  // Unloaded: a later Find Ranking loads a fresh window.
  if (Current() == this) Current() = nullptr;
  hide();
  emit Unloaded();
}

namespace results {

frmResults* LoadedResults() { return Current().data(); }

frmResults& LoadResults() {
  if (!Current()) Current() = new frmResults;
  return *Current();
}

}  // namespace results
