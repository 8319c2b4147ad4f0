#include "update/online_status.h"
#include "update/registry_access.h"

#include "platform/connected_state.h"
#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kInternetSettings = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");

void WriteUserStore(const QByteArray& sections) {
  const QString path = platform::UserRegistryFile();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Windows Registry Editor Version 5.00\n\n" + sections);
}

QByteArray QuotedRun(qsizetype length) { return '"' + QByteArray(length, 'x') + '"'; }

struct ReadCase {
  const char* name;
  const char* key;
  const char* value;
  QString expected;
};
void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class ReadRegistryValueTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadRegistryValueTest, GivesTheValueAsTextOrNothing) {
  WriteUserStore("[HKEY_CURRENT_USER\\Software\\Test]\n"
                 "\"Zero\"=dword:00000000\n"
                 "\"One\"=dword:00000001\n"
                 "\"Large\"=dword:0001e240\n"
                 "\"Bytes\"=hex:0a,ff,00,7b\n"
                 "\"Text\"=\"Rankscout 2.2\"\n"
                 "\"Blank\"=\"\"\n"
                 "\"Fits\"=" + QuotedRun(2047) + "\n"
                 "\"TooLong\"=" + QuotedRun(2048) + "\n");
  const ReadCase& c = GetParam();
  EXPECT_EQ(RegistryAccess::ReadRegistryValue(platform::HKEY_CURRENT_USER, QString::fromLatin1(c.key),
                                              QString::fromLatin1(c.value)),
            c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadRegistryValueTest,
    ::testing::Values(ReadCase{"DwordZero", "Software\\Test", "Zero", QStringLiteral("000")},
                      ReadCase{"DwordOne", "Software\\Test", "One", QStringLiteral("001")},
                      ReadCase{"DwordLarge", "Software\\Test", "Large", QStringLiteral("123456")},
                      ReadCase{"Binary", "Software\\Test", "Bytes", QStringLiteral("0AFF007B")},
                      ReadCase{"String", "Software\\Test", "Text", QStringLiteral("Rankscout 2.2")},
                      ReadCase{"EmptyString", "Software\\Test", "Blank", QString()},
                      ReadCase{"FillsTheBuffer", "Software\\Test", "Fits", QString(2047, QLatin1Char('x'))},
                      ReadCase{"LongerThanTheBuffer", "Software\\Test", "TooLong", QString()},
                      ReadCase{"MissingValue", "Software\\Test", "Absent", QString()},
                      ReadCase{"MissingKey", "Software\\Nothing Here", "One", QString()}),
    [](const auto& info) { return std::string(info.param.name); });

struct OnlineCase {
  const char* name;
  QByteArray values;
  bool online;
};
void PrintTo(const OnlineCase& c, std::ostream* out) { *out << c.name; }

class OnLineStatusTest : public ::testing::TestWithParam<OnlineCase> {};

// The process is taken offline first, so that "changes nothing" shows.
TEST_P(OnLineStatusTest, OnlyTheOfflineFlagOneTakesTheProcessOnline) {
  WriteUserStore("[HKEY_CURRENT_USER\\" + kInternetSettings.toLatin1() + "]\n" + GetParam().values);
  platform::SetOnline(false);
  EXPECT_EQ(update::OnLineStatus(), QString());
  EXPECT_EQ(platform::IsOnline(), GetParam().online);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, OnLineStatusTest,
    ::testing::Values(OnlineCase{"One", "\"GlobalUserOffline\"=dword:00000001\n", true},
                      OnlineCase{"Zero", "\"GlobalUserOffline\"=dword:00000000\n", false},
                      OnlineCase{"Two", "\"GlobalUserOffline\"=dword:00000002\n", false},
                      OnlineCase{"Absent", "", false},
                      OnlineCase{"NotANumber", "\"GlobalUserOffline\"=\"yes\"\n", false},
                      // Read as text, a string "1" is the number 1 as well.
                      OnlineCase{"StringOne", "\"GlobalUserOffline\"=\"1\"\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
