#include "platform/windows_directory.h"

#include <QStandardPaths>

#include <cstring>

namespace platform {
namespace {

constexpr char kWindowsDirectory[] = "C:\\WINDOWS";

}  // namespace

std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size) {
  constexpr auto kLength = static_cast<std::uint32_t>(sizeof kWindowsDirectory - 1);
  if (!buffer || size <= kLength) return kLength + 1;
  std::memcpy(buffer, kWindowsDirectory, kLength + 1);
  return kLength;
}

QString DriveFolder(QChar driveLetter) {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/rankscout/drives/") + driveLetter.toLower();
}

QString NativePath(const QString& windowsPath) {
  QString path = windowsPath;
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter() && path[0].unicode() < 128) {
    QString rest = path.mid(2);
    if (!rest.startsWith(QLatin1Char('/'))) rest.prepend(QLatin1Char('/'));
    return DriveFolder(path[0]) + rest;
  }
  return path;
}

}  // namespace platform
