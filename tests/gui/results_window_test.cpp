#include "app/main_window.h"
#include "app/search_view_adapter.h"
#include "platform/window_measures.h"
#include "results/flex_grid.h"
#include "results/frm_results.h"
#include "search/results_grid.h"
#include "search/search_run.h"
#include "search/search_state.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>

#include <gtest/gtest.h>

namespace {

using namespace RankscoutMod;

class ResultsWindow : public ::testing::Test {
 protected:
  ResultsWindow() : adapter(main) { SetSearchView(&adapter); }
  ~ResultsWindow() override {
    SetSearchView(nullptr);
    delete results::LoadedResults();
  }

  frmResults& Prepared() {
    PrepareResultsGrid();
    return *results::LoadedResults();
  }

  frmMainForm main;
  SearchViewAdapter adapter;
};

TEST_F(ResultsWindow, HasItsCaptionGeometryMenuAndGrid) {
  frmResults& window = Prepared();
  EXPECT_EQ(window.windowTitle(), "Rankscout Results");
  EXPECT_EQ(window.centralWidget()->size(), platform::TwipsSize(10350, 6255));
  FlexGrid& grid = *window.MSHFlexGrid1;
  EXPECT_EQ(grid.geometry(), platform::TwipsRect(240, 240, 9855, 5775));
  EXPECT_EQ(grid.rowCount(), 91);
  EXPECT_EQ(grid.columnCount(), 4);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.FixedCols(), 1);
  EXPECT_DOUBLE_EQ(grid.font().pointSizeF(), 8.25);
  QStringList menu;
  for (QAction* a : window.menuBar()->actions()) menu << a->text();
  EXPECT_EQ(menu, QStringList({"Exit", "Print"}));
}

TEST_F(ResultsWindow, PrepareWritesWidthsAndHeadersOnlyAndLeavesTheWindowHidden) {
  frmResults& first = Prepared();
  first.MSHFlexGrid1->SetTextMatrix(5, 2, "kept");
  PrepareResultsGrid();
  frmResults& window = *results::LoadedResults();
  EXPECT_EQ(&window, &first);
  EXPECT_FALSE(window.isVisible());
  const int widths[] = {1400, 2000, 4000, 2100};
  const char* headers[] = {"Search Engine", "Ranking Page", "Search Words", "Web Site"};
  for (int col = 0; col < 4; ++col) {
    EXPECT_EQ(window.MSHFlexGrid1->columnWidth(col), platform::Twips(widths[col]));
    EXPECT_EQ(window.MSHFlexGrid1->TextMatrix(0, col), headers[col]);
  }
  EXPECT_EQ(window.MSHFlexGrid1->TextMatrix(5, 2), "kept");
}

class ClosingResults : public ResultsWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(ClosingResults, ClearsTheRowsUnloadsTheWindowAndShowsTheMainWindow) {
  main.Check1[21]->setChecked(true);
  main.Text1->setText("red shoes");
  main.Text3->setText("example.com");
  main.mnuFindRanking->trigger();
  QPointer<frmResults> window = results::LoadedResults();
  ASSERT_TRUE(window && window->isVisible());
  ASSERT_FALSE(main.isVisible());
  for (int row = 1; row <= 90; ++row)
    for (int col = 0; col < 4; ++col) window->MSHFlexGrid1->SetTextMatrix(row, col, "x");
  FlexGrid* grid = window->MSHFlexGrid1;

  if (QString(GetParam()) == "exit_menu") {
    window->mnuExit->trigger();
  } else {
    window->close();
  }
  // Rows 1 to 90 are emptied before the window goes; the header stays.
  if (window) {
    for (int row = 1; row <= 90; ++row)
      for (int col = 0; col < 4; ++col) EXPECT_EQ(grid->TextMatrix(row, col), "") << row;
    EXPECT_EQ(grid->TextMatrix(0, 1), "Ranking Page");
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_EQ(EngineIndex, 91);
  EXPECT_EQ(results::LoadedResults(), nullptr);
  EXPECT_TRUE(main.isVisible());

  // A later search loads a fresh, empty window.
  main.mnuFindRanking->trigger();
  frmResults* next = results::LoadedResults();
  ASSERT_NE(next, nullptr);
  EXPECT_TRUE(next->isVisible());
  EXPECT_EQ(next->MSHFlexGrid1->TextMatrix(22, 0), "Google");
  EXPECT_EQ(next->MSHFlexGrid1->TextMatrix(23, 3), "");
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingResults, ::testing::Values("exit_menu", "close_button"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(ResultsWindow, ClosingItDuringARunBringsTheMainWindowBackAndWritesNoFurtherRow) {
  const std::vector<EngineDefinition> catalogue = {
      {"Google", 10, LastPage::StepTimesPagesPlusStep, "g.test",
       {Text("/?q="), SearchWordsAs(Words::Plus)}},
      {"HotBot", 10, LastPage::StepTimesPagesPlusStep, "h.test",
       {Text("/?q="), SearchWordsAs(Words::Plus)}},
  };
  main.Check1[21]->setChecked(true);
  main.Check1[23]->setChecked(true);
  main.Text1->setText("red shoes");
  main.Text3->setText("example.com");
  SearchWords = "red shoes";
  PagesToSearch = 2;
  main.hide();
  PrepareResultsGrid();
  QPointer<frmResults> window = results::LoadedResults();
  window->show();
  int pages = 0;
  RunRankingSearch(catalogue, [&] {
    ++pages;
    if (pages == 2) window->close();  // the user closes it while the page loads
    // What the page wait does on its next pass.
    if (!View()->ResultsShown()) EngineIndex = kCancelledEngineIndex;
  });
  EXPECT_EQ(pages, 2);
  EXPECT_TRUE(main.isVisible());
  EXPECT_EQ(results::LoadedResults(), nullptr);
  if (window) {
    EXPECT_EQ(window->MSHFlexGrid1->TextMatrix(22, 2), "");
    EXPECT_EQ(window->MSHFlexGrid1->TextMatrix(24, 0), "");
  }
}

}  // namespace
