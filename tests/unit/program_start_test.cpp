#include "platform/program_start.h"
#include "platform/windows_directory.h"
#include "tests/support/start_records.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace platform;

const QString kExplorer = QStringLiteral("C:\\Program Files\\Internet Explorer\\IExplore.exe");

TEST(WindowsDirectory, IsCWindowsAndTellsTheSizeNeededWhenTheBufferIsShort) {
  char buffer[255];
  ASSERT_EQ(GetWindowsDirectoryA(buffer, sizeof buffer), 10u);
  EXPECT_STREQ(buffer, "C:\\WINDOWS");
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(GetWindowsDirectoryA(buffer, 10), 11u);
  EXPECT_EQ(buffer[0], 'x');
}

TEST(WindowsDirectory, DriveLettersMapToFoldersUnderTheDataHome) {
  const QString c = testsupport::TestRoot() + QStringLiteral("/data/rankscout/drives/c");
  EXPECT_EQ(DriveFolder(QLatin1Char('C')), c);
  EXPECT_EQ(NativePath(QStringLiteral("C:\\Program Files\\x.exe")), c + QStringLiteral("/Program Files/x.exe"));
  EXPECT_EQ(NativePath(QStringLiteral("c:WINDOWS")), c + QStringLiteral("/WINDOWS"));
  EXPECT_EQ(NativePath(QStringLiteral("/opt/rankscout\\Updater.exe")), QStringLiteral("/opt/rankscout/Updater.exe"));
  EXPECT_EQ(NativePath(QStringLiteral("sub\\file")), QStringLiteral("sub/file"));
}

struct LineCase {
  const char* line;
  const char* program;  // Windows path of the file expected, "" for none
  std::vector<const char*> arguments;
};

class CommandLines : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* path : {"C:\\Program Files\\Internet Explorer\\IExplore.exe",
                             "C:\\Program Files\\Tool Box.exe", "C:\\Tools\\run.me"}) {
      QDir().mkpath(QFileInfo(NativePath(QString::fromLatin1(path))).absolutePath());
      QFile file(NativePath(QString::fromLatin1(path)));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
  }

  void Check(const std::vector<LineCase>& cases) {
    for (const LineCase& c : cases) {
      SCOPED_TRACE(c.line);
      const ResolvedCommandLine resolved = ResolveCommandLine(QString::fromLatin1(c.line));
      const QString expected = *c.program ? NativePath(QString::fromLatin1(c.program)) : QString();
      EXPECT_EQ(resolved.program, expected);
      QStringList arguments;
      for (const char* a : c.arguments) arguments.append(QString::fromLatin1(a));
      EXPECT_EQ(resolved.arguments, arguments);
    }
  }
};

TEST_F(CommandLines, ResolveByEverLongerPiecesWithExeAdded) {
  Check({
      {"C:\\Program Files\\Internet Explorer\\IExplore example.com", "C:\\Program Files\\Internet Explorer\\IExplore.exe",
       {"example.com"}},
      {"C:\\Program Files\\Internet Explorer\\IExplore", "C:\\Program Files\\Internet Explorer\\IExplore.exe", {}},
      {"c:\\Program Files\\Internet Explorer\\IExplore.exe  a  b", "C:\\Program Files\\Internet Explorer\\IExplore.exe",
       {"a", "b"}},
      // The first piece that names a file wins, even inside a longer path.
      {"C:\\Program Files\\Tool Box more\\app x", "C:\\Program Files\\Tool Box.exe", {"more\\app", "x"}},
      {"C:\\Tools\\run.me now", "C:\\Tools\\run.me", {"now"}},
      {"C:\\Tools\\run now", "", {}},
      {"C:\\Program Files\\Mozilla Firefox example.com", "", {}},
      {"", "", {}},
  });
}

TEST_F(CommandLines, QuotedProgramsAndArgumentsSplitTheWayWindowsProgramsSplitThem) {
  Check({
      {"  \"C:\\Program Files\\Internet Explorer\\IExplore\" \"a b\" c", "C:\\Program Files\\Internet Explorer\\IExplore.exe",
       {"a b", "c"}},
      {"C:\\Tools\\run.me x\\\"y a\\b \"s\\\\\" \"say \"\"hi\"\"\" \"\"", "C:\\Tools\\run.me",
       {"x\"y", "a\\b", "s\\", "say \"hi\"", ""}},
      {"\"C:\\Program Files\\Tool Box\" $(id) `id` ; | &", "C:\\Program Files\\Tool Box.exe",
       {"$(id)", "`id`", ";", "|", "&"}},
  });
}

TEST(StartProgram, StartsThePlantedFileWithItsArgumentsAndWindowStyleAndNoShell) {
  const QString program = NativePath(kExplorer);
  testsupport::PlantStartedProgram(program);
  const QString marker = testsupport::TestRoot() + QStringLiteral("/shell-ran");
  const QString line = QStringLiteral("C:\\Program Files\\Internet Explorer\\IExplore example.com; touch ") + marker +
                       QStringLiteral(" $(touch ") + marker + QLatin1Char(')');

  EXPECT_GT(StartProgram(line, WindowStyle::MinimizedFocus), 0);
  const auto records = testsupport::WaitForStartRecords(program, 1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].style, QStringLiteral("2"));
  EXPECT_EQ(records[0].workingFolder, QDir::currentPath());
  EXPECT_EQ(records[0].arguments,
            (QStringList{QStringLiteral("example.com;"), QStringLiteral("touch"), marker,
                         QStringLiteral("$(touch"), marker + QLatin1Char(')')}));
  EXPECT_FALSE(QFile::exists(marker));
}

TEST(StartProgram, AnExeFileWithoutTheExecuteBitIsStillStarted) {
  const QString folder = testsupport::TestRoot() + QStringLiteral("/program folder");
  const QString program = folder + QStringLiteral("/Updater.exe");
  testsupport::PlantStartedProgram(program);
  QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

  EXPECT_GT(StartProgram(folder + QStringLiteral("\\Updater.exe"), WindowStyle::NormalFocus), 0);
  const auto records = testsupport::WaitForStartRecords(program, 1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].style, QStringLiteral("1"));
  EXPECT_TRUE(records[0].arguments.isEmpty());
}

TEST(StartProgram, NothingStartsWhenNoFileIsFoundOrTheFileIsNoProgram) {
  EXPECT_EQ(StartProgram(QStringLiteral("C:\\Program Files\\netscape\\navigator\\program\\netscape x"),
                         WindowStyle::NormalFocus),
            0);
  const QString notAProgram = testsupport::TestRoot() + QStringLiteral("/notes.exe");
  QFile file(notAProgram);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("just some words\n");
  file.close();
  EXPECT_EQ(StartProgram(notAProgram, WindowStyle::NormalFocus), 0);
}

TEST(StartupWindowStyle, TheFirstWindowShowsInTheStyleGivenAndLaterOnesNormally) {
  qputenv(kWindowStyleVariable, "2");
  EXPECT_EQ(StartupWindowStyle(), WindowStyle::MinimizedFocus);
  // Programs this one starts get their own style, never this one's.
  EXPECT_FALSE(qEnvironmentVariableIsSet(kWindowStyleVariable));

  QWidget first;
  ShowFirstWindow(first);
  EXPECT_TRUE(first.isMinimized());
  QWidget second;
  ShowFirstWindow(second);
  EXPECT_TRUE(second.isVisible());
  EXPECT_FALSE(second.isMinimized());
}

TEST(StartupWindowStyle, IsNormalWhenNoneOrAnUnknownOneWasGiven) {
  qputenv(kWindowStyleVariable, "5");
  EXPECT_EQ(StartupWindowStyle(), WindowStyle::NormalFocus);
}

}  // namespace
