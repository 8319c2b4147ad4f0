#include "platform/reg_file.h"

#include <QFile>
#include <QStringDecoder>

#include <optional>

namespace platform {
namespace {

QString DecodeFile(const QByteArray& bytes) {
  if (bytes.startsWith("\xFF\xFE")) return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
  if (bytes.startsWith("\xFE\xFF")) return QStringDecoder(QStringDecoder::Utf16BE)(bytes.mid(2));
  if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
  return QString::fromUtf8(bytes);
}

QByteArray WideWithNul(const QString& text) {
  QString withNul = text;
  if (!withNul.endsWith(QChar(0))) withNul.append(QChar(0));
  QByteArray wide;
  for (const QChar c : withNul) {
    wide.append(static_cast<char>(c.unicode() & 0xFF));
    wide.append(static_cast<char>(c.unicode() >> 8));
  }
  return wide;
}

bool IsStringType(std::uint32_t type) { return type == 1 || type == 2 || type == 7; }

// Reads a quoted text at `pos` (on the opening quote), undoing \\ and \".
std::optional<QString> ReadQuoted(const QString& line, qsizetype& pos) {
  QString text;
  for (++pos; pos < line.size(); ++pos) {
    const QChar c = line[pos];
    if (c == QLatin1Char('"')) {
      ++pos;
      return text;
    }
    if (c == QLatin1Char('\\') && pos + 1 < line.size()) ++pos;
    text.append(line[pos]);
  }
  return std::nullopt;
}

std::optional<QByteArray> ReadHexList(QStringView list) {
  QByteArray bytes;
  for (QStringView item : list.split(QLatin1Char(','))) {
    item = item.trimmed();
    if (item.isEmpty()) continue;
    bool ok = false;
    const uint byte = item.toUInt(&ok, 16);
    if (!ok || byte > 0xFF) return std::nullopt;
    bytes.append(static_cast<char>(byte));
  }
  return bytes;
}

std::optional<RegValue> ReadData(const QString& data, bool wideHex) {
  if (data.startsWith(QLatin1Char('"'))) {
    qsizetype pos = 0;
    const std::optional<QString> text = ReadQuoted(data, pos);
    if (!text) return std::nullopt;
    return RegValue{1, WideWithNul(*text)};
  }
  if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
    bool ok = false;
    const QStringView digits = QStringView(data).mid(6).trimmed();
    const uint number = digits.toUInt(&ok, 16);
    if (!ok || digits.size() > 8) return std::nullopt;
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return RegValue{4, bytes};
  }
  if (!data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) return std::nullopt;
  std::uint32_t type = 3;
  qsizetype listStart = 4;
  if (data.size() > 3 && data[3] == QLatin1Char('(')) {
    const qsizetype close = data.indexOf(QLatin1String("):"), 4);
    if (close < 0) return std::nullopt;
    bool ok = false;
    type = QStringView(data).mid(4, close - 4).toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    listStart = close + 2;
  } else if (data.size() < 4 || data[3] != QLatin1Char(':')) {
    return std::nullopt;
  }
  std::optional<QByteArray> bytes = ReadHexList(QStringView(data).mid(listStart));
  if (!bytes) return std::nullopt;
  // Version 5 files spell string types in UTF-16LE, REGEDIT4 files in the 8-bit code page.
  if (IsStringType(type) && !wideHex) bytes = WideWithNul(QString::fromLocal8Bit(*bytes));
  return RegValue{type, *bytes};
}

}  // namespace

QString FoldKeyPath(const QString& keyPath) {
  return keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\')).toUpper();
}

void RegStore::AddFileText(const QString& fileText, const QString& rootName) {
  const QStringList lines = fileText.split(QLatin1Char('\n'));
  const bool wideHex = !fileText.trimmed().startsWith(QLatin1String("REGEDIT4"));
  const QString rootPrefix = rootName.toUpper();
  std::map<QString, RegValue>* section = nullptr;

  for (qsizetype i = 0; i < lines.size(); ++i) {
    QString line = lines[i].trimmed();
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
      const QString path = FoldKeyPath(line.mid(1, line.size() - 2));
      const bool underRoot = path == rootPrefix || path.startsWith(rootPrefix + QLatin1Char('\\'));
      section = underRoot ? &keys_[path.mid(rootPrefix.size() + 1)] : nullptr;
      continue;
    }
    if (!section || line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;

    QString name;
    qsizetype pos = 0;
    if (line.startsWith(QLatin1Char('@'))) {
      pos = 1;
    } else if (line.startsWith(QLatin1Char('"'))) {
      const std::optional<QString> quoted = ReadQuoted(line, pos);
      if (!quoted) continue;
      name = *quoted;
    } else {
      continue;
    }
    while (pos < line.size() && line[pos].isSpace()) ++pos;
    if (pos >= line.size() || line[pos] != QLatin1Char('=')) continue;
    QString data = line.mid(pos + 1).trimmed();
    if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
      while (data.endsWith(QLatin1Char('\\')) && i + 1 < lines.size()) {
        data.chop(1);
        data += lines[++i].trimmed();
      }
    }
    std::optional<RegValue> value = ReadData(data, wideHex);
    if (value) section->try_emplace(name.toUpper(), std::move(*value));
  }
}

bool RegStore::HasKey(const QString& keyPath) const {
  const QString folded = FoldKeyPath(keyPath);
  if (folded.isEmpty()) return true;
  if (keys_.contains(folded)) return true;
  const QString below = folded + QLatin1Char('\\');
  const auto at = keys_.lower_bound(below);
  return at != keys_.end() && at->first.startsWith(below);
}

const RegValue* RegStore::Value(const QString& keyPath, const QString& valueName) const {
  const auto key = keys_.find(FoldKeyPath(keyPath));
  if (key == keys_.end()) return nullptr;
  const auto value = key->second.find(valueName.toUpper());
  return value == key->second.end() ? nullptr : &value->second;
}

RegStore ReadRegStore(const QStringList& files, const QString& rootName) {
  RegStore store;
  for (const QString& path : files) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) store.AddFileText(DecodeFile(file.readAll()), rootName);
  }
  return store;
}

}  // namespace platform
