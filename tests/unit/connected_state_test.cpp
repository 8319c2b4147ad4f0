#include "platform/connected_state.h"
#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using namespace platform;

void WriteUserStore(const QByteArray& values) {
  const QString path = UserRegistryFile();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Windows Registry Editor Version 5.00\n\n"
             "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]\n" +
             values);
}

struct StartCase {
  const char* name;
  const char* values;
  bool offline;
};

class ConnectedStateAtStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(ConnectedStateAtStart, FollowsTheUserStoresOfflineFlag) {
  WriteUserStore(GetParam().values);
  EXPECT_EQ(IsOnline(), !GetParam().offline);
}

INSTANTIATE_TEST_SUITE_P(Flags, ConnectedStateAtStart,
                         ::testing::Values(StartCase{"One", "\"GlobalUserOffline\"=dword:00000001\n", true},
                                           StartCase{"Zero", "\"GlobalUserOffline\"=dword:00000000\n", false},
                                           StartCase{"Other", "\"GlobalUserOffline\"=dword:00000101\n", false},
                                           StartCase{"Text", "\"GlobalUserOffline\"=\"1\"\n", false},
                                           StartCase{"Absent", "", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConnectedState, TheConnectedRecordTakesTheProcessOnlineAndBadCallsChangeNothing) {
  WriteUserStore("\"GlobalUserOffline\"=dword:00000001\n");
  ASSERT_FALSE(IsOnline());

  INTERNET_CONNECTED_INFO connected{INTERNET_STATE_CONNECTED, 0};
  int handle = 0;
  EXPECT_FALSE(InternetSetOptionA(&handle, INTERNET_OPTION_CONNECTED_STATE, &connected, sizeof connected));
  EXPECT_FALSE(InternetSetOptionA(nullptr, 51, &connected, sizeof connected));
  EXPECT_FALSE(InternetSetOptionA(nullptr, INTERNET_OPTION_CONNECTED_STATE, &connected, 4));
  EXPECT_FALSE(IsOnline());

  // The record as 8 raw little-endian bytes, the way a caller hands it over.
  const unsigned char record[8] = {1, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_TRUE(InternetSetOptionA(nullptr, INTERNET_OPTION_CONNECTED_STATE, record, sizeof record));
  EXPECT_TRUE(IsOnline());

  INTERNET_CONNECTED_INFO byUser{INTERNET_STATE_DISCONNECTED_BY_USER, 0};
  EXPECT_TRUE(InternetSetOptionA(nullptr, INTERNET_OPTION_CONNECTED_STATE, &byUser, sizeof byUser));
  EXPECT_FALSE(IsOnline());
}

}  // namespace
