#include "updater/frm_splash.h"

#include "platform/window_measures.h"
#include "tests/support/end_program_recorder.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/start_records.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kGaveUp = QStringLiteral(
    "The new version of Rankscout could not be downloaded. Rankscout will restart unchanged.");

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A loopback port with nothing listening: a server that is down.
quint16 DeadPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost);
  return probe.serverPort();
}

// A program folder with a blank in its name, holding a working "Rankscout.exe".
class UpdaterFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = testsupport::TestRoot() + QStringLiteral("/program folder");
    program = folder + QStringLiteral("/Rankscout.exe");
    testsupport::PlantStartedProgram(program);
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("the version in use");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser |
                        QFileDevice::ReadGroup);
    oldBytes = Contents(program);
    oldPermissions = QFile::permissions(program);
  }

  void ExpectOldProgramUntouched() {
    EXPECT_EQ(Contents(program), oldBytes);
    EXPECT_EQ(QFile::permissions(program), oldPermissions);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Rankscout.exe")});
  }

  QString folder;
  QString program;
  QByteArray oldBytes;
  QFileDevice::Permissions oldPermissions;
};

TEST(Splash, HasItsPictureNoticesAndWindowKind) {
  frmSplash splash(testsupport::TestRoot());
  EXPECT_EQ(splash.objectName(), "frmSplash");
  EXPECT_EQ(splash.size(), platform::TwipsSize(7095, 3975));
  EXPECT_EQ(splash.minimumSize(), splash.maximumSize());
  EXPECT_TRUE(splash.windowTitle().isEmpty());
  EXPECT_FALSE(splash.windowIcon().isNull());
  // A tool window has no taskbar button; neither minimise nor maximise is offered.
  EXPECT_EQ(splash.windowType(), Qt::Tool);
  EXPECT_FALSE(splash.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(splash.windowFlags() & Qt::WindowCloseButtonHint);

  EXPECT_EQ(splash.Picture1->geometry(), platform::TwipsRect(0, 0, 7095, 3975));
  EXPECT_EQ(splash.Picture1->pixmap().size(), QSize(472, 266));
  EXPECT_TRUE(splash.Picture1->hasScaledContents());

  EXPECT_EQ(splash.Label1->text(), "TM");
  EXPECT_EQ(splash.Label1->geometry(), platform::TwipsRect(840, 240, 255, 135));
  EXPECT_EQ(splash.Label1->font().family(), "Small Fonts");
  EXPECT_DOUBLE_EQ(splash.Label1->font().pointSizeF(), 5.25);

  const struct {
    QLabel* label;
    QRect place;
  } notices[] = {{splash.Label5, platform::TwipsRect(5520, 2280, 1455, 255)},
                 {splash.Label6, platform::TwipsRect(5520, 2520, 1455, 255)},
                 {splash.Label7, platform::TwipsRect(1560, 3360, 3735, 435)}};
  for (const auto& notice : notices) {
    SCOPED_TRACE(notice.label->objectName().toStdString());
    EXPECT_EQ(notice.label->geometry(), notice.place);
    EXPECT_FALSE(notice.label->text().isEmpty());
    EXPECT_EQ(notice.label->font().families().value(0), "Arial");
    EXPECT_TRUE(notice.label->font().bold());
    EXPECT_DOUBLE_EQ(notice.label->font().pointSizeF(), 8.25);
  }
  EXPECT_TRUE(splash.Label5->text().contains(QStringLiteral("20")));
}

TEST(Splash, NoticesStandInWhiteOnThePicture) {
  frmSplash splash(testsupport::TestRoot());
  const QImage shown = splash.grab().toImage();
  const QImage picture = splash.Picture1->grab().toImage();
  const QRect place = splash.Label6->geometry();
  int white = 0;
  int picturePixels = 0;
  for (int y = place.top(); y <= place.bottom(); ++y) {
    for (int x = place.left(); x <= place.right(); ++x) {
      const QColor c = shown.pixelColor(x, y);
      if (c.lightness() > 240) ++white;
      if (c == picture.pixelColor(x, y)) ++picturePixels;
    }
  }
  EXPECT_GT(white, 20);  // the text itself
  EXPECT_GT(picturePixels, place.width() * place.height() / 2);  // no background of its own
}

TEST_F(UpdaterFolder, ADeadServerLeavesTheProgramAloneTellsTheUserAndStartsItAgain) {
  qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(DeadPort()));
  testsupport::MessageBoxRecorder messages;
  testsupport::EndProgramRecorder ending;
  frmSplash splash(folder);

  EXPECT_THROW(splash.Form_Load(), testsupport::ProgramEnded);

  EXPECT_EQ(messages.prompts(), std::vector<QString>{kGaveUp});
  EXPECT_EQ(messages.shown()[0].title, "Rankscout");
  EXPECT_EQ(QDir::currentPath(), folder);
  ExpectOldProgramUntouched();
  const auto starts = testsupport::WaitForStartRecords(program, 1);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].style, "2");
  EXPECT_TRUE(starts[0].arguments.isEmpty());
  EXPECT_EQ(starts[0].workingFolder, folder);
}

TEST_F(UpdaterFolder, ClosingTheSplashDuringTheWaitEndsTheUpdaterBeforeAnything) {
  qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(DeadPort()));
  EXPECT_EXIT(
      {
        frmSplash splash(folder);
        QTimer::singleShot(300, &splash, &QWidget::close);
        splash.Form_Load();
      },
      ::testing::ExitedWithCode(0), "");
  ExpectOldProgramUntouched();
  EXPECT_TRUE(testsupport::WaitForStartRecords(program, 1, std::chrono::milliseconds(500)).empty());
}

}  // namespace
