#pragma once

#include "platform/registry.h"

#include <QString>

namespace RegistryAccess {

// The value `valueName` of the key `keyPath` under `root` as text: a DWORD
// in decimal with at least three digits, binary data in upper-case hex, any
// other type its data less the last character (a string's NUL). "" whenever
// the key or the value cannot be read, also for values longer than 2048 bytes.
QString ReadRegistryValue(platform::HKEY root, const QString& keyPath, const QString& valueName);

}  // namespace RegistryAccess
