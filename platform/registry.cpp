#include "platform/registry.h"

#include "platform/reg_file.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace platform {
namespace {

struct OpenKey {
  std::shared_ptr<const RegStore> store;
  QString path;
};

std::map<HKEY, OpenKey>& OpenKeys() {
  static std::map<HKEY, OpenKey> keys;
  return keys;
}

bool IsPredefined(HKEY key) { return key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE; }

std::shared_ptr<const RegStore> ReadRoot(HKEY root) {
  if (root == HKEY_CURRENT_USER)
    return std::make_shared<RegStore>(ReadRegStore({UserRegistryFile()}, QStringLiteral("HKEY_CURRENT_USER")));
  return std::make_shared<RegStore>(
      ReadRegStore(MachineRegistryFiles(), QStringLiteral("HKEY_LOCAL_MACHINE")));
}

// The key `key` names, with the store as it was when its root was opened.
const OpenKey* Find(HKEY key, OpenKey& rootScratch) {
  if (IsPredefined(key)) {
    rootScratch = {ReadRoot(key), QString()};
    return &rootScratch;
  }
  const auto found = OpenKeys().find(key);
  return found == OpenKeys().end() ? nullptr : &found->second;
}

HKEY NewHandle(OpenKey key) {
  static HKEY next = 0x100;
  const HKEY handle = next++;
  OpenKeys().emplace(handle, std::move(key));
  return handle;
}

std::int32_t Open(HKEY key, const char* subKey, HKEY* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  OpenKey rootScratch;
  const OpenKey* parent = Find(key, rootScratch);
  if (!parent) return ERROR_INVALID_HANDLE;
  const QString sub = QString::fromLocal8Bit(subKey ? subKey : "");
  const QString path = parent->path.isEmpty() ? sub : parent->path + QLatin1Char('\\') + sub;
  if (!parent->store->HasKey(path)) return ERROR_FILE_NOT_FOUND;
  *result = NewHandle({parent->store, FoldKeyPath(path)});
  return ERROR_SUCCESS;
}

// The data as an 8-bit caller receives it.
QByteArray AnsiData(const RegValue& value) {
  if (value.type != REG_SZ && value.type != REG_EXPAND_SZ && value.type != REG_MULTI_SZ)
    return value.data;
  QString wide;
  for (qsizetype i = 0; i + 1 < value.data.size(); i += 2) {
    wide.append(QChar(static_cast<char16_t>(static_cast<std::uint8_t>(value.data[i]) |
                                            (static_cast<std::uint8_t>(value.data[i + 1]) << 8))));
  }
  return wide.toLocal8Bit();
}

}  // namespace

QString UserRegistryFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/rankscout/user.reg");
}

QStringList MachineRegistryFiles() {
  QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
  if (dirs.isEmpty()) dirs = QStringLiteral("/etc/xdg");
  QStringList files;
  for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
    files.append(QDir::cleanPath(dir) + QStringLiteral("/rankscout/machine.reg"));
  return files;
}

std::int32_t RegOpenKeyA(HKEY key, const char* subKey, HKEY* result) {
  if (result && (!subKey || !*subKey) && (IsPredefined(key) || OpenKeys().contains(key))) {
    *result = key;
    return ERROR_SUCCESS;
  }
  return Open(key, subKey, result);
}

std::int32_t RegOpenKeyExA(HKEY key, const char* subKey, std::uint32_t /*options*/,
                           std::uint32_t /*samDesired*/, HKEY* result) {
  return Open(key, subKey, result);
}

std::int32_t RegQueryValueExA(HKEY key, const char* valueName, std::uint32_t* reserved,
                              std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
  if (reserved || (data && !dataLength)) return ERROR_INVALID_PARAMETER;
  OpenKey rootScratch;
  const OpenKey* open = Find(key, rootScratch);
  if (!open) return ERROR_INVALID_HANDLE;
  const RegValue* value =
      open->store->Value(open->path, QString::fromLocal8Bit(valueName ? valueName : ""));
  if (!value) return ERROR_FILE_NOT_FOUND;

  const QByteArray bytes = AnsiData(*value);
  const auto needed = static_cast<std::uint32_t>(bytes.size());
  if (type) *type = value->type;
  if (!dataLength) return ERROR_SUCCESS;
  const std::uint32_t room = *dataLength;
  *dataLength = needed;
  if (!data) return ERROR_SUCCESS;
  if (room < needed) return ERROR_MORE_DATA;
  std::memcpy(data, bytes.constData(), needed);
  return ERROR_SUCCESS;
}

std::int32_t RegCloseKey(HKEY key) {
  if (IsPredefined(key)) return ERROR_SUCCESS;
  return OpenKeys().erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace platform
