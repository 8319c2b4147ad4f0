#pragma once

// The contents of registry store files in .reg syntax ("Windows Registry Editor
// Version 5.00" or "REGEDIT4"): sections "[ROOT\key\path]", values
// "name"="text", @=..., dword:, hex: and hex(n):, hex lists continued with "\".

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>

namespace platform {

struct RegValue {
  std::uint32_t type = 0;
  // As the system keeps it: string types in UTF-16LE with their NUL, others raw.
  QByteArray data;
};

class RegStore {
 public:
  // Adds the sections of `fileText` that lie under `rootName` (such as
  // "HKEY_CURRENT_USER"); values already present are kept.
  void AddFileText(const QString& fileText, const QString& rootName);

  // A key exists when it is named in a section or lies above one.
  bool HasKey(const QString& keyPath) const;
  const RegValue* Value(const QString& keyPath, const QString& valueName) const;

 private:
  std::map<QString, std::map<QString, RegValue>> keys_;  // by folded path, then folded name
};

// Reads every file that exists, the first taking precedence.
RegStore ReadRegStore(const QStringList& files, const QString& rootName);

// Key paths compare without regard to case or to doubled and outer "\".
QString FoldKeyPath(const QString& keyPath);

}  // namespace platform
