#include "platform/registry.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace platform;

void WriteStore(const QString& path, const QByteArray& text) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text);
}

QByteArray Bytes(std::initializer_list<int> bytes) {
  QByteArray result;
  for (int b : bytes) result.append(static_cast<char>(b));
  return result;
}

constexpr char kUserStore[] =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; a comment line\r\n"
    "[HKEY_CURRENT_USER\\Software\\Rankscout Test\\Deeper]\r\n"
    "\"Deep\"=\"down\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Rankscout Test]\r\n"
    "@=\"default text\"\r\n"
    "\"Name\"=\"Ran\\\"k\\\\scout\"\r\n"
    "\"Count\"=dword:00000102\r\n"
    "\"Blob\"=hex:de,ad,\\\r\n"
    "  be,ef\r\n"
    "\"Empty\"=hex:\r\n"
    "\"Path\"=hex(2):25,00,41,00,25,00,00,00\r\n"
    "\"Gone\"=-\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Rankscout Test]\r\n"
    "\"FromUser\"=\"never seen\"\r\n";

class Registry : public ::testing::Test {
 protected:
  void SetUp() override { WriteStore(UserRegistryFile(), kUserStore); }

  HKEY OpenTestKey() {
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Rankscout Test", &key), ERROR_SUCCESS);
    return key;
  }
};

struct ValueCase {
  const char* name;
  std::uint32_t type;
  QByteArray data;
};

TEST_F(Registry, ValuesComeBackWithTheirTypeAndDataAsStored) {
  const std::vector<ValueCase> cases = {
      {"Name", REG_SZ, QByteArray("Ran\"k\\scout", 12)},
      {"name", REG_SZ, QByteArray("Ran\"k\\scout", 12)},
      {"", REG_SZ, QByteArray("default text", 13)},
      {"Count", REG_DWORD, Bytes({0x02, 0x01, 0x00, 0x00})},
      {"Blob", REG_BINARY, Bytes({0xDE, 0xAD, 0xBE, 0xEF})},
      {"Empty", REG_BINARY, QByteArray()},
      {"Path", REG_EXPAND_SZ, QByteArray("%A%", 4)},
  };
  const HKEY key = OpenTestKey();
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::uint32_t type = 99;
    std::uint8_t buffer[64] = {};
    std::uint32_t length = sizeof buffer;
    ASSERT_EQ(RegQueryValueExA(key, c.name, nullptr, &type, buffer, &length), ERROR_SUCCESS);
    EXPECT_EQ(type, c.type);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer), length), c.data);
  }
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(Registry, AShortBufferGetsMoreDataAndTheLengthNeeded) {
  const HKEY key = OpenTestKey();
  std::uint32_t type = 0;
  std::uint32_t length = 0;
  ASSERT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, nullptr, &length), ERROR_SUCCESS);
  EXPECT_EQ(length, 12u);

  std::uint8_t buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  length = 11;
  EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, buffer, &length), ERROR_MORE_DATA);
  EXPECT_EQ(length, 12u);

  length = 12;
  ASSERT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, buffer, &length), ERROR_SUCCESS);
  EXPECT_EQ(buffer[11], 0);
  EXPECT_EQ(buffer[12], 'x');
  RegCloseKey(key);
}

TEST_F(Registry, FailuresGiveTheirWin32Codes) {
  HKEY key = 12345;
  EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\No Such Key", &key), ERROR_FILE_NOT_FOUND);
  // A key whose name merely begins like an existing one does not exist.
  EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Rankscout", &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKeyA(0x80000005, "Software", &key), ERROR_INVALID_HANDLE);

  key = OpenTestKey();
  std::uint32_t length = 8;
  std::uint8_t buffer[8];
  EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, nullptr, buffer, &length), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueExA(key, "Gone", nullptr, nullptr, buffer, &length), ERROR_FILE_NOT_FOUND);
  std::uint32_t reserved = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Name", &reserved, nullptr, buffer, &length), ERROR_INVALID_PARAMETER);
  ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, nullptr, buffer, &length), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, KeysOpenWithoutRegardToCaseFromRootsAndFromOpenKeys) {
  HKEY software = 0;
  // Named only as the parent of a section.
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE", 0, KEY_READ, &software), ERROR_SUCCESS);
  HKEY deeper = 0;
  ASSERT_EQ(RegOpenKeyA(software, "rankscout test\\deeper", &deeper), ERROR_SUCCESS);
  std::uint8_t buffer[16];
  std::uint32_t length = sizeof buffer;
  ASSERT_EQ(RegQueryValueExA(deeper, "Deep", nullptr, nullptr, buffer, &length), ERROR_SUCCESS);
  EXPECT_STREQ(reinterpret_cast<const char*>(buffer), "down");

  HKEY same = 0;
  ASSERT_EQ(RegOpenKeyA(deeper, "", &same), ERROR_SUCCESS);
  EXPECT_EQ(same, deeper);
  HKEY fresh = 0;
  ASSERT_EQ(RegOpenKeyExA(deeper, nullptr, 0, KEY_READ, &fresh), ERROR_SUCCESS);
  EXPECT_NE(fresh, deeper);
  EXPECT_EQ(RegCloseKey(fresh), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(deeper), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(software), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
}

TEST_F(Registry, TheMachineStoreComesFromTheConfigDirsWithTheFirstWinning) {
  const QString first = testsupport::TestRoot() + QStringLiteral("/first");
  const QString second = testsupport::TestRoot() + QStringLiteral("/second");
  qputenv("XDG_CONFIG_DIRS", QFile::encodeName(first + QLatin1Char(':') + second));
  WriteStore(first + QStringLiteral("/rankscout/machine.reg"),
             "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared]\n\"Where\"=\"first\"\n");
  // A version 5 file as the system's own editor writes it: UTF-16LE with a byte order mark.
  const QString wide = QStringLiteral(
      "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared]\r\n"
      "\"Where\"=\"second\"\r\n\"Only\"=\"second only\"\r\n");
  QByteArray utf16("\xFF\xFE", 2);
  for (const QChar c : wide) utf16.append(static_cast<char>(c.unicode() & 0xFF)).append(static_cast<char>(c.unicode() >> 8));
  WriteStore(second + QStringLiteral("/rankscout/machine.reg"), utf16);

  HKEY key = 0;
  // The access mask of a tool that asks for more than reading.
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Shared", 0, 0x2003F, &key), ERROR_SUCCESS);
  char buffer[32] = {};
  std::uint32_t length = sizeof buffer;
  ASSERT_EQ(RegQueryValueExA(key, "Where", nullptr, nullptr, reinterpret_cast<std::uint8_t*>(buffer), &length),
            ERROR_SUCCESS);
  EXPECT_STREQ(buffer, "first");
  length = sizeof buffer;
  ASSERT_EQ(RegQueryValueExA(key, "Only", nullptr, nullptr, reinterpret_cast<std::uint8_t*>(buffer), &length),
            ERROR_SUCCESS);
  EXPECT_STREQ(buffer, "second only");
  RegCloseKey(key);

  // The user store cannot put values into the machine's keys.
  EXPECT_EQ(RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software\\Rankscout Test", &key), ERROR_FILE_NOT_FOUND);
}

}  // namespace
