#include "app/main_window.h"

#include "app/search_view_adapter.h"
#include "dialogs/agreement_flags.h"
#include "dialogs/agreement_window.h"
#include "dialogs/first_start.h"
#include "platform/end_program.h"
#include "platform/message_box.h"
#include "platform/window_measures.h"
#include "results/frm_results.h"
#include "search/engine_boxes.h"
#include "search/results_grid.h"
#include "search/search_run.h"
#include "search/search_state.h"
#include "search/search_words.h"
#include "update/online_status.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

const QString kTitle = QStringLiteral("Rankscout");

template <typename Widget>
Widget* Place(Widget* widget, int left, int top, int width, int height) {
  widget->setGeometry(platform::TwipsRect(left, top, width, height));
  return widget;
}

QLabel* MakeLabel(const QString& text, QWidget* parent, int left, int top, int width, int height,
                  Qt::Alignment alignment = Qt::AlignLeft) {
  QLabel* label = Place(new QLabel(text, parent), left, top, width, height);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

// Engine boxes are 735 to 1455 twips wide, as wide as their caption needs.
int CheckBoxWidthTwips(const QCheckBox& box) {
  const int needed = box.sizeHint().width();
  const int neededTwips = needed * 1440 / std::max(1, box.logicalDpiX());
  return std::clamp(neededTwips, 735, 1455);
}

}  // namespace

frmMainForm::frmMainForm(QWidget* parent) : QMainWindow(parent) {
  // The maker's name, 31 blanks, then the product name.
  setWindowTitle(QStringLiteral("Hallvane, LLC") + QString(31, QLatin1Char(' ')) + kTitle);
  BuildControls();
  BuildMenus();
}

void frmMainForm::BuildControls() {
  auto* client = new QWidget(this);
  client->setFixedSize(platform::TwipsSize(9225, 8325));
  setCentralWidget(client);

  Line1 = new QFrame(client);
  Line1->setGeometry(0, 0, platform::Twips(9240), 1);
  Line1->setAutoFillBackground(true);
  Line1->setBackgroundRole(QPalette::Shadow);

  Frame1 = Place(new QGroupBox(QStringLiteral("Web Site Search"), client), 240, 120, 8775, 2055);
  Label1 = MakeLabel(QStringLiteral("Search Words:"), Frame1, 960, 480, 1095, 255, Qt::AlignRight);
  Text1 = Place(new QLineEdit(Frame1), 2040, 480, 6495, 285);
  Label3 = MakeLabel(QStringLiteral("Web Site or Results:"), Frame1, 600, 960, 1455, 255,
                     Qt::AlignRight);
  Text3 = Place(new QLineEdit(Frame1), 2040, 960, 6495, 285);
  Label2 = MakeLabel(QStringLiteral("Search  first"), Frame1, 1080, 1440, 855, 255, Qt::AlignRight);
  Combo1 = Place(new QComboBox(Frame1), 2040, 1440, 975, 315);
  Combo1->setEditable(true);
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  Combo1->addItems({"1", "5", "10", "25", "50", "75", "100", "250", "500", "750", "1000"});
  Combo1->setEditText(QStringLiteral("10"));
  Label4 = MakeLabel(QStringLiteral("pages."), Frame1, 3000, 1440, 735, 255);
  Label4->setIndent(platform::Twips(60));;

  Frame3 = Place(new QGroupBox(QStringLiteral("Search Engines"), client), 240, 2280, 8775, 5895);
  for (int i = 0; i < RankscoutMod::kEngineBoxCount; ++i) {
    auto* box = new QCheckBox(RankscoutMod::EngineBoxCaption(i), Frame3);
    box->setObjectName(QStringLiteral("Check1_%1").arg(i));
    Place(box, 120 + 1440 * (i % 6), 360 + 360 * (i / 6), CheckBoxWidthTwips(*box), 255);
    Check1[static_cast<std::size_t>(i)] = box;
  }

  // Text1, then Text3, then the pages box and the engine boxes in index order.
  QWidget::setTabOrder(Text1, Text3);
  QWidget::setTabOrder(Text3, Combo1);
  QWidget* previous = Combo1;
  for (QCheckBox* box : Check1) {
    QWidget::setTabOrder(previous, box);
    previous = box;
  }
  Text1->setFocus();
}

void frmMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  mnuFindRanking = bar->addAction(QStringLiteral("Find Ranking"));
  mnuSelectAll = bar->addAction(QStringLiteral("Select All"));
  mnuClearAll = bar->addAction(QStringLiteral("Clear All"));
  mnuWebBrowser = bar->addAction(QStringLiteral("Web Browser"));
  mnuHelp = bar->addMenu(QStringLiteral("Help"));
  mnuHelpAbout = mnuHelp->addAction(QStringLiteral("About"));
  mnuAboutBar0 = mnuHelp->addSeparator();
  mnuHelpDisclaimer = mnuHelp->addAction(QStringLiteral("Disclaimer"));
  mnuHelpLicense = mnuHelp->addAction(QStringLiteral("License"));
  mnuAboutBar2 = mnuHelp->addSeparator();
  mnuHelpUpdate = mnuHelp->addAction(QStringLiteral("Update"));
  mnuExit = bar->addAction(QStringLiteral("Exit"));

  connect(mnuFindRanking, &QAction::triggered, this, &frmMainForm::mnuFindRanking_Click);
  connect(mnuSelectAll, &QAction::triggered, this, &frmMainForm::mnuSelectAll_Click);
  connect(mnuClearAll, &QAction::triggered, this, &frmMainForm::mnuClearAll_Click);
  connect(mnuWebBrowser, &QAction::triggered, this, &frmMainForm::mnuWebBrowser_Click);
  connect(mnuHelpDisclaimer, &QAction::triggered, this, &dialogs::ShowDisclaimer);
  connect(mnuHelpLicense, &QAction::triggered, this, &dialogs::ShowLicense);
  connect(mnuHelpUpdate, &QAction::triggered, this, &frmMainForm::mnuHelpUpdate_Click);
  connect(mnuExit, &QAction::triggered, this, &frmMainForm::mnuExit_Click);
}

void frmMainForm::Form_Load() {
  adjustSize();
  platform::CentreOnScreen(*this);
  // Relative file names of the program (the page dump, the downloaded updater) resolve here.
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  dialogs::FirstStart = false;
  OnLineStatus();
  RunFirstStartSequence();
  mnuHelpUpdate_Click();
}

QString frmMainForm::OnLineStatus() { return update::OnLineStatus(); }

void frmMainForm::RunFirstStartSequence() { dialogs::RunFirstStartSequenceWhenDue(); }

// The update check arrives with the self-update work; nothing to do yet.
void frmMainForm::mnuHelpUpdate_Click() {}

// The external browser launch arrives with its own work; nothing to do yet.
void frmMainForm::mnuWebBrowser_Click() {}

void frmMainForm::mnuFindRanking_Click() {
  using namespace RankscoutMod;
  EngineSelected = 0;
  for (EngineIndex = 0; EngineIndex < kEngineBoxCount; ++EngineIndex) {
    if (Check1[static_cast<std::size_t>(EngineIndex)]->isChecked()) EngineSelected = 1;
  }
  if (EngineSelected == 0) {
    platform::MsgBox(QStringLiteral("You must select a Search Engine"), platform::MsgBoxButtons::OK,
                     kTitle);
    return;
  }
  SearchWords = Text1->text();
  WebSite = Text3->text();
  PagesToSearch = LeadingNumber(Combo1->currentText());
  if (!SearchWords.isEmpty() && !WebSite.isEmpty()) {
    hide();
    PrepareResultsGrid();
    if (frmResults* results = results::LoadedResults()) results->show();
    RunRankingSearch();
  }
  if (SearchWords.isEmpty()) {
    platform::MsgBox(QStringLiteral("You must enter search words."), platform::MsgBoxButtons::OK,
                     kTitle);
  } else if (WebSite.isEmpty()) {
    platform::MsgBox(QStringLiteral("You must enter website."), platform::MsgBoxButtons::OK, kTitle);
  }
}

void frmMainForm::mnuSelectAll_Click() {
  using RankscoutMod::EngineIndex;
  for (EngineIndex = 0; EngineIndex < RankscoutMod::kEngineBoxCount; ++EngineIndex)
    Check1[static_cast<std::size_t>(EngineIndex)]->setChecked(true);
}

void frmMainForm::mnuClearAll_Click() {
  using RankscoutMod::EngineIndex;
  for (EngineIndex = 0; EngineIndex < RankscoutMod::kEngineBoxCount; ++EngineIndex)
    Check1[static_cast<std::size_t>(EngineIndex)]->setChecked(false);
  Text1->clear();
  Text3->clear();
  Combo1->setEditText(QStringLiteral("25"));
}

void frmMainForm::mnuExit_Click() { platform::EndProgram(); }

void frmMainForm::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program at once, whatever the reason.
  event->accept();
  mnuExit_Click();
}

void Main() {
  auto* window = new frmMainForm;
  static SearchViewAdapter adapter(*window);
  RankscoutMod::SetSearchView(&adapter);
  window->Form_Load();
  window->show();
}
