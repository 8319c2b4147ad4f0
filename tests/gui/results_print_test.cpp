#include "app/main_window.h"
#include "app/search_view_adapter.h"
#include "results/flex_grid.h"
#include "results/frm_results.h"
#include "results/results_print.h"
#include "search/results_grid.h"
#include "search/search_run.h"
#include "search/search_state.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/test_environment.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace RankscoutMod;

// The text of a PDF, one entry per page, as poppler reads it back.
QStringList PdfPages(const QString& pdf) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
  QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

// Answers the print dialog once it is up, as the person at the screen would.
void WhenPrintDialogShown(std::function<void(QPrintDialog&)> answer) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer)] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll->stop();
    poll->deleteLater();
    answer(*dialog);
  });
  poll->start();
}

// A finished run with Google found on pages 1 and 3 and HotBot not found.
class PrintingResults : public ::testing::Test {
 protected:
  PrintingResults() : adapter(main) {
    SetSearchView(&adapter);
    const auto engine = [](const char* caption, const char* host) {
      return EngineDefinition{caption, 10, LastPage::StepTimesPagesPlusStep, host,
                              {Text("/?q="), SearchWordsAs(Words::Plus)}};
    };
    const std::vector<EngineDefinition> catalogue = {engine("Google", "g.test"),
                                                     engine("HotBot", "h.test")};
    main.Check1[21]->setChecked(true);
    main.Check1[23]->setChecked(true);
    main.Text1->setText("red shoes");
    main.Text3->setText("example.com");
    SearchWords = "red shoes";
    PagesToSearch = 3;
    PrepareResultsGrid();
    window = results::LoadedResults();
    window->show();
    RunRankingSearch(catalogue, [] {
      const int page = static_cast<int>(PageCounter / PageStep) + 1;
      if (PageUrl.startsWith(QLatin1String("http://g.test")) && (page == 1 || page == 3))
        RankingPages += (RankingPages.isEmpty() ? "" : ",") + QString::number(page);
    });
    pdf = testsupport::TestRoot() + QStringLiteral("/results.pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
  }
  ~PrintingResults() override {
    SetSearchView(nullptr);
    delete results::LoadedResults();
  }

  frmMainForm main;
  SearchViewAdapter adapter;
  testsupport::MessageBoxRecorder messages;
  frmResults* window = nullptr;
  QPrinter printer{QPrinter::HighResolution};
  QString pdf;
};

TEST_F(PrintingResults, ThePrintDialogPrintsEveryRowUnderTheFourHeadersOnEachPage) {
  ASSERT_EQ(window->MSHFlexGrid1->TextMatrix(22, 1), "1,3");  // the run really finished
  WhenPrintDialogShown([](QPrintDialog& dialog) { dialog.accept(); });

  results::PrintGrid(*window->MSHFlexGrid1, printer, window);

  EXPECT_TRUE(messages.shown().empty());
  const QStringList pages = PdfPages(pdf);
  ASSERT_GE(pages.size(), 2) << "91 rows do not fit one page at a readable size";
  const QRegularExpression header(
      QStringLiteral(R"(Search Engine\s+Ranking Page\s+Search Words\s+Web Site)"));
  for (const QString& page : pages) {
    EXPECT_TRUE(header.match(page).hasMatch()) << page.toStdString();
    EXPECT_THAT(page.toStdString(), testing::HasSubstr("Page"));
  }
  const QString all = pages.join(QLatin1Char('\n'));
  EXPECT_THAT(all.toStdString(), testing::HasSubstr("Rankscout Results"));
  EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(\n\s*Google\s+1,3\s+red shoes\s+example\.com)"))
                  .match(all)
                  .hasMatch())
      << all.toStdString();
  EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(\n\s*HotBot\s+red shoes\s+example\.com)"))
                  .match(all)
                  .hasMatch());
  // Every engine row comes out once, in grid order, none lost at a page break.
  qsizetype at = 0;
  for (int row = 1; row <= 86; ++row) {
    const QString caption = window->MSHFlexGrid1->TextMatrix(row, 0);
    const QRegularExpression line(QStringLiteral("\\n\\s*") + QRegularExpression::escape(caption) +
                                  QStringLiteral("(\\s|$)"));
    const QRegularExpressionMatch found = line.match(all, at);
    ASSERT_TRUE(found.hasMatch()) << "row " << row << " " << caption.toStdString();
    at = found.capturedEnd() - 1;
  }
}

TEST_F(PrintingResults, LongCellTextsWrapInsteadOfBeingCutOff) {
  const QString words = QStringLiteral("very long search words ").repeated(12) + QStringLiteral("lastword");
  window->MSHFlexGrid1->SetTextMatrix(22, 2, words);
  window->MSHFlexGrid1->SetTextMatrix(22, 3, QStringLiteral("www.") + QString(60, QLatin1Char('x')) +
                                                 QStringLiteral(".example.com"));

  ASSERT_TRUE(results::PrintGridText(results::ReadGridText(*window->MSHFlexGrid1),
                                     QStringLiteral("Rankscout Results"), printer));

  const QString all = PdfPages(pdf).join(QLatin1Char('\n'));
  EXPECT_THAT(all.toStdString(), testing::HasSubstr("lastword"));
  EXPECT_THAT(all.toStdString(), testing::HasSubstr(".example.com"));
}

TEST_F(PrintingResults, ThePrintMenuItemOpensThePrintDialogAlsoWithoutAPrinter) {
  QString shownFor;
  WhenPrintDialogShown([&](QPrintDialog& dialog) {
    shownFor = dialog.parentWidget() ? dialog.parentWidget()->windowTitle() : QString();
    dialog.reject();
  });

  window->mnuPrint->trigger();

  EXPECT_EQ(shownFor, "Rankscout Results");
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(PrintingResults, CancellingTheDialogPrintsNothing) {
  WhenPrintDialogShown([](QPrintDialog& dialog) { dialog.reject(); });

  results::PrintGrid(*window->MSHFlexGrid1, printer, window);

  EXPECT_FALSE(QFile::exists(pdf));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PrintingResults, APrinterThatCannotStartIsReportedAndNothingElseHappens) {
  printer.setOutputFileName(testsupport::TestRoot() + QStringLiteral("/no/such/folder/results.pdf"));
  WhenPrintDialogShown([](QPrintDialog& dialog) { dialog.accept(); });

  results::PrintGrid(*window->MSHFlexGrid1, printer, window);

  EXPECT_THAT(messages.prompts(), testing::ElementsAre("The results could not be printed."));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->MSHFlexGrid1->TextMatrix(22, 1), "1,3");
}

}  // namespace
