#include "update/frm_version_update.h"
#include "update/hand_over.h"
#include "update/update_server.h"

#include "platform/window_measures.h"
#include "search/search_state.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/start_records.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

quint16 DeadPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost);
  return probe.serverPort();
}

// A shown stand-in for the main window, a program folder with a blank in its
// name, and a server that is down.
class HandOver : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(DeadPort()));
    folder = testsupport::TestRoot() + QStringLiteral("/program folder");
    QDir().mkpath(folder);
    updater = folder + QStringLiteral("/Updater.exe");
    mainWindow.show();
  }

  update::MainWindowLink Link() {
    return {&mainWindow, [this] { ++exits; }, folder};
  }

  QWidget mainWindow;
  QString folder;
  QString updater;
  int exits = 0;
  testsupport::MessageBoxRecorder messages;
};

TEST(VersionUpdateWindow, HasItsCaptionTextButtonsAndRules) {
  frmVersionUpdate offer({});
  offer.Form_Load();
  EXPECT_EQ(offer.objectName(), "frmVersionUpdate");
  EXPECT_EQ(offer.windowTitle(), "       Rankscout Version Update");
  EXPECT_EQ(offer.size(), platform::TwipsSize(3720, 2145));
  EXPECT_EQ(offer.minimumSize(), offer.maximumSize());
  EXPECT_EQ(offer.windowType(), Qt::Tool);
  EXPECT_FALSE(offer.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(offer.isModal());

  EXPECT_EQ(offer.Label2->text(),
            "A new version of Rankscout is available for download.\n"
            "Would you like to update to the new version at this time?");
  EXPECT_EQ(offer.Label2->geometry(), platform::TwipsRect(240, 360, 3255, 975));
  EXPECT_EQ(offer.Command1->text(), "Yes");
  EXPECT_EQ(offer.Command1->geometry(), platform::TwipsRect(600, 1680, 735, 375));
  EXPECT_EQ(offer.Command2->text(), "No");
  EXPECT_EQ(offer.Command2->geometry(), platform::TwipsRect(2400, 1680, 735, 375));

  const struct {
    QFrame* line;
    int height;
    QPalette::ColorRole colour;
  } rules[] = {{offer.Line3, 120, QPalette::HighlightedText},
               {offer.Line2, 240, QPalette::WindowText},
               {offer.Line1, 1440, QPalette::HighlightedText},
               {offer.Line6, 1560, QPalette::WindowText}};
  for (const auto& rule : rules) {
    SCOPED_TRACE(rule.line->objectName().toStdString());
    EXPECT_EQ(rule.line->geometry(), QRect(0, platform::Twips(rule.height), offer.width(), 1));
    EXPECT_EQ(rule.line->palette().color(QPalette::Window), offer.palette().color(rule.colour));
  }
}

TEST_F(HandOver, NoAndTheCloseBoxDeclineAndUnloadTheOffer) {
  for (const bool byButton : {true, false}) {
    SCOPED_TRACE(byButton ? "No" : "close box");
    QPointer<frmVersionUpdate> offer = new frmVersionUpdate(Link());
    offer->show();
    if (byButton) offer->Command2->click();
    else offer->close();
    EXPECT_FALSE(offer && offer->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(offer.isNull());
  }
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(mainWindow.isVisible());
  EXPECT_FALSE(QFile::exists(updater));
}

// When the download fails, an updater left by an earlier update is there to be started.
TEST_F(HandOver, YesStartsTheUpdaterMinimisedAfterTheWaitAndEndsTheProgram) {
  testsupport::PlantStartedProgram(updater);
  QPointer<frmVersionUpdate> offer = new frmVersionUpdate(Link());
  offer->show();
  bool startedTooEarly = true;
  QTimer::singleShot(update::kHandOverWait - std::chrono::milliseconds(1000), [&] {
    startedTooEarly = !testsupport::StartRecords(updater).empty() || !mainWindow.isVisible();
  });

  offer->Command1->click();

  EXPECT_FALSE(startedTooEarly);
  EXPECT_FALSE(offer && offer->isVisible());
  EXPECT_FALSE(mainWindow.isVisible());
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(QDir::currentPath(), folder);
  EXPECT_EQ(RankscoutMod::TempFileName, "Updater.exe");
  EXPECT_EQ(RankscoutMod::PageUrl, update::UpdaterAddress());
  EXPECT_TRUE(update::UpdaterAddress().endsWith(QStringLiteral("/Updates/rankscout/Updater.exe")));
  const auto starts = testsupport::WaitForStartRecords(updater, 1);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].style, "2");
  EXPECT_TRUE(starts[0].arguments.isEmpty());
}

TEST_F(HandOver, GivesUpAfterBoundedAttemptsWithEventsRunningAndTheProgramGoesOn) {
  RankscoutMod::TempFileName = QStringLiteral("Temp.txt");
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
  ticker.start(200);

  update::UpdateRankscout(Link());

  EXPECT_EQ(messages.prompts(),
            std::vector<QString>{QStringLiteral("The update could not be downloaded. Rankscout will carry on with "
                                                "the version you have; please try Help, Update later.")});
  EXPECT_EQ(messages.shown()[0].title, "Rankscout");
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(mainWindow.isVisible());
  EXPECT_FALSE(QFile::exists(updater));
  EXPECT_EQ(RankscoutMod::TempFileName, "Temp.txt");
  // The pauses between attempts let the program's events run.
  const auto pauses = update::kHandOverRetryPause * (update::kHandOverAttempts - 1);
  EXPECT_GE(ticks, pauses / std::chrono::milliseconds(200) / 2);
}

}  // namespace
