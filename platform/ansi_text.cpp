#include "platform/ansi_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <langinfo.h>

namespace platform {
namespace {

enum class Ansi { Utf8, Latin1, Ascii, Other };

// Read per call: the locale may be changed while the program runs (tests do).
Ansi CurrentAnsi(QByteArray* name) {
  const QByteArray codeset = QByteArray(nl_langinfo(CODESET)).toUpper();
  if (name) *name = codeset;
  if (codeset == "UTF-8" || codeset == "UTF8") return Ansi::Utf8;
  if (codeset == "ISO-8859-1" || codeset == "ISO8859-1") return Ansi::Latin1;
  if (codeset == "ANSI_X3.4-1968" || codeset == "ASCII" || codeset == "US-ASCII") return Ansi::Ascii;
  return Ansi::Other;
}

QByteArray ToNarrow(const QString& text, char16_t highest) {
  QByteArray out(text.size(), Qt::Uninitialized);
  char* o = out.data();
  for (const QChar c : text) *o++ = c.unicode() <= highest ? char(c.unicode()) : '?';
  return out;
}

}  // namespace

QByteArray ToAnsi(const QString& text) {
  QByteArray name;
  switch (CurrentAnsi(&name)) {
    case Ansi::Utf8:
      return text.toUtf8();
    case Ansi::Latin1:
      return ToNarrow(text, 0xFF);
    case Ansi::Ascii:
      return ToNarrow(text, 0x7F);
    case Ansi::Other:
      break;
  }
  QStringEncoder encoder(name.constData());
  if (!encoder.isValid()) return text.toUtf8();
  return encoder.encode(text);
}

QString FromAnsi(QByteArrayView bytes) {
  QByteArray name;
  switch (CurrentAnsi(&name)) {
    case Ansi::Utf8:
      return QString::fromUtf8(bytes);
    case Ansi::Latin1:
    case Ansi::Ascii:
      return QString::fromLatin1(bytes);
    case Ansi::Other:
      break;
  }
  QStringDecoder decoder(name.constData());
  if (!decoder.isValid()) return QString::fromUtf8(bytes);
  return decoder.decode(bytes);
}

}  // namespace platform
