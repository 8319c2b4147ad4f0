#include "app/main_window.h"
#include "app/search_view_adapter.h"
#include "platform/window_measures.h"
#include "results/flex_grid.h"
#include "results/frm_results.h"
#include "search/search_state.h"
#include "tests/support/message_box_recorder.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

using platform::TwipsRect;

class MainWindow : public ::testing::Test {
 protected:
  MainWindow() : adapter(window) { RankscoutMod::SetSearchView(&adapter); }
  ~MainWindow() override {
    RankscoutMod::SetSearchView(nullptr);
    delete results::LoadedResults();
  }

  QCheckBox& Box(int i) { return *window.Check1[static_cast<std::size_t>(i)]; }

  frmMainForm window;
  SearchViewAdapter adapter;
  testsupport::MessageBoxRecorder messages;
};

TEST_F(MainWindow, HasItsCaptionClientAreaAndControlsWhereTheyBelong) {
  EXPECT_EQ(window.windowTitle(), "Hallvane, LLC                               Rankscout");
  EXPECT_EQ(window.centralWidget()->size(), platform::TwipsSize(9225, 8325));

  struct Placed {
    QWidget* widget;
    QWidget* container;
    QRect twips;
    QString text;
  };
  const std::vector<Placed> controls = {
      {window.Frame1, window.centralWidget(), {240, 120, 8775, 2055}, "Web Site Search"},
      {window.Label1, window.Frame1, {960, 480, 1095, 255}, "Search Words:"},
      {window.Text1, window.Frame1, {2040, 480, 6495, 285}, ""},
      {window.Label3, window.Frame1, {600, 960, 1455, 255}, "Web Site or Results:"},
      {window.Text3, window.Frame1, {2040, 960, 6495, 285}, ""},
      {window.Label2, window.Frame1, {1080, 1440, 855, 255}, "Search  first"},
      {window.Combo1, window.Frame1, {2040, 1440, 975, 315}, "10"},
      {window.Label4, window.Frame1, {3000, 1440, 735, 255}, "pages."},
      {window.Frame3, window.centralWidget(), {240, 2280, 8775, 5895}, "Search Engines"},
  };
  for (const Placed& c : controls) {
    EXPECT_EQ(c.widget->parentWidget(), c.container) << c.text.toStdString();
    EXPECT_EQ(c.widget->geometry(),
              TwipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()))
        << c.text.toStdString();
  }
  EXPECT_EQ(window.Frame1->title(), "Web Site Search");
  EXPECT_EQ(window.Frame3->title(), "Search Engines");
  EXPECT_EQ(window.Label2->text(), "Search  first");
  EXPECT_EQ(window.Combo1->currentText(), "10");
  EXPECT_TRUE(window.Combo1->isEditable());
  QStringList items;
  for (int i = 0; i < window.Combo1->count(); ++i) items << window.Combo1->itemText(i);
  EXPECT_EQ(items, QStringList({"1", "5", "10", "25", "50", "75", "100", "250", "500", "750", "1000"}));
}

TEST_F(MainWindow, EngineBoxesStandInSixColumnsWithTheirCaptionsInIndexOrder) {
  const std::vector<std::pair<int, QString>> samples = {
      {0, "About"},  {3, "Alta Vista"}, {21, "Google"},  {26, "Info"},       {43, "Info"},
      {46, "2020 Search"}, {81, "7 Search"}, {85, "MSN Beta"}, {86, "Goaio"}, {87, ""},
      {88, ""}, {89, ""}};
  for (const auto& [index, caption] : samples) EXPECT_EQ(Box(index).text(), caption) << index;
  for (int i = 0; i < 90; ++i) {
    QCheckBox& box = Box(i);
    EXPECT_EQ(box.parentWidget(), window.Frame3);
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(box.pos(), QPoint(platform::Twips(120 + 1440 * (i % 6)), platform::Twips(360 + 360 * (i / 6))))
        << i;
    EXPECT_EQ(box.height(), platform::Twips(255));
    EXPECT_GE(box.width(), platform::Twips(735));
    EXPECT_LE(box.width(), platform::Twips(1455));
  }
  EXPECT_EQ(Box(87).x(), platform::Twips(4440));
  EXPECT_EQ(Box(89).x(), platform::Twips(7320));
}

TEST_F(MainWindow, FocusStartsInSearchWordsThenMovesToWebSite) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(QApplication::focusWidget(), window.Text1);
  QTest::keyClick(window.Text1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window.Text3);
  QTest::keyClick(window.Text3, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window.Combo1);
}

TEST_F(MainWindow, MenuBarAndHelpMenuAreInOrder) {
  QStringList bar;
  for (QAction* a : window.menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, QStringList({"Find Ranking", "Select All", "Clear All", "Web Browser", "Help", "Exit"}));
  const QList<QAction*> help = window.mnuHelp->actions();
  ASSERT_EQ(help.size(), 6);
  EXPECT_EQ(help[0]->text(), "About");
  EXPECT_TRUE(help[1]->isSeparator());
  EXPECT_EQ(help[2]->text(), "Disclaimer");
  EXPECT_EQ(help[3]->text(), "License");
  EXPECT_TRUE(help[4]->isSeparator());
  EXPECT_EQ(help[5]->text(), "Update");
}

TEST_F(MainWindow, SelectAllTicksEveryBoxAndClearAllResetsTheInputs) {
  window.Text1->setText("red shoes");
  window.Text3->setText("example.com");
  window.mnuSelectAll->trigger();
  for (int i = 0; i < 90; ++i) EXPECT_TRUE(Box(i).isChecked()) << i;
  window.mnuClearAll->trigger();
  for (int i = 0; i < 90; ++i) EXPECT_FALSE(Box(i).isChecked()) << i;
  EXPECT_EQ(window.Text1->text(), "");
  EXPECT_EQ(window.Text3->text(), "");
  EXPECT_EQ(window.Combo1->currentText(), "25");
}

struct ValidationCase {
  const char* name;
  int tickedBox;  // -1: none
  QString words;
  QString site;
  std::vector<QString> messages;
  bool resultsOpened;
};

class FindRankingValidation : public MainWindow,
                              public ::testing::WithParamInterface<ValidationCase> {};

TEST_P(FindRankingValidation, ShowsTheRightMessagesAndStartsOnlyWithEverythingFilled) {
  const ValidationCase& c = GetParam();
  if (c.tickedBox >= 0) Box(c.tickedBox).setChecked(true);
  window.Text1->setText(c.words);
  window.Text3->setText(c.site);
  window.show();
  window.mnuFindRanking->trigger();
  EXPECT_EQ(messages.prompts(), c.messages);
  for (const auto& shown : messages.shown()) {
    EXPECT_EQ(shown.title, "Rankscout");
    EXPECT_EQ(shown.buttons, platform::MsgBoxButtons::OK);
  }
  const frmResults* results = results::LoadedResults();
  EXPECT_EQ(results != nullptr && results->isVisible(), c.resultsOpened);
  EXPECT_EQ(window.isVisible(), !c.resultsOpened);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FindRankingValidation,
    ::testing::Values(
        ValidationCase{"no_box_ticked", -1, "red shoes", "example.com",
                       {"You must select a Search Engine"}, false},
        ValidationCase{"no_box_and_empty_texts", -1, "", "", {"You must select a Search Engine"}, false},
        ValidationCase{"box_with_empty_texts", 86, "", "", {"You must enter search words."}, false},
        ValidationCase{"only_search_words", 86, "red shoes", "", {"You must enter website."}, false},
        ValidationCase{"single_blank_counts_as_words", 86, " ", "example.com", {}, true},
        ValidationCase{"only_a_spare_box", 88, "red shoes", "example.com", {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, FindRankingStoresTheInputsAndTheRunFillsTheCaptionColumn) {
  Box(87).setChecked(true);
  window.Text1->setText(" red shoes ");
  window.Text3->setText("Example.com");
  window.Combo1->setEditText("12 pages");
  window.mnuFindRanking->trigger();
  EXPECT_EQ(RankscoutMod::SearchWords, " red shoes ");
  EXPECT_EQ(RankscoutMod::WebSite, "Example.com");
  EXPECT_EQ(RankscoutMod::PagesToSearch, 12);
  EXPECT_EQ(RankscoutMod::EngineSelected, 1);
  const frmResults* results = results::LoadedResults();
  ASSERT_NE(results, nullptr);
  EXPECT_EQ(results->MSHFlexGrid1->TextMatrix(22, 0), "Google");
  EXPECT_EQ(results->MSHFlexGrid1->TextMatrix(88, 0), "");
  EXPECT_EQ(results->MSHFlexGrid1->TextMatrix(88, 2), "");
}

using MainWindowDeathTest = MainWindow;

TEST_F(MainWindowDeathTest, ExitAndTheCloseButtonEndTheProgramAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  window.show();
  EXPECT_EXIT(window.mnuExit->trigger(), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(window.close(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
