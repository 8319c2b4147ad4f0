#include "update/registry_access.h"

#include <array>
#include <cstdint>

namespace RegistryAccess {
namespace {

constexpr std::uint32_t kBufferSize = 2048;

QString AsText(std::uint32_t type, const std::uint8_t* data, std::uint32_t length) {
  if (type == platform::REG_DWORD) {
    if (length < 4) return {};
    const std::uint32_t number = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
  }
  if (type == platform::REG_BINARY) {
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(data), length).toHex().toUpper());
  }
  if (length == 0) return {};
  return QString::fromLocal8Bit(reinterpret_cast<const char*>(data), length - 1);
}

}  // namespace

QString ReadRegistryValue(platform::HKEY root, const QString& keyPath, const QString& valueName) {
  platform::HKEY key = 0;
  platform::RegOpenKeyA(root, keyPath.toLocal8Bit().constData(), &key);
  std::array<std::uint8_t, kBufferSize> buffer{};
  std::uint32_t length = kBufferSize;
  std::uint32_t type = 0;
  const std::int32_t result = platform::RegQueryValueExA(key, valueName.toLocal8Bit().constData(), nullptr,
                                                         &type, buffer.data(), &length);
  const QString text = result == platform::ERROR_SUCCESS ? AsText(type, buffer.data(), length) : QString();
  platform::RegCloseKey(key);
  return text;
}

}  // namespace RegistryAccess
