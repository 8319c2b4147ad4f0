#include "search/search_words.h"

#include "search/search_state.h"

#include <QByteArray>

#include <cstdlib>

namespace RankscoutMod {
namespace {

void Encode(QString& form, QLatin1StringView separator) {
  form.clear();
  const qsizetype length = SearchWords.size();
  // The shared loop counter, as every loop over the words and boxes uses it.
  for (EngineIndex = 1; EngineIndex <= length; ++EngineIndex) {
    const QChar c = SearchWords.at(EngineIndex - 1);
    if (c == QLatin1Char(' ')) {
      form += separator;
    } else {
      form += c;
    }
  }
}

bool IsSkippedBlank(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
         c == QLatin1Char('\r');
}

}  // namespace

void EncodeSearchWords() {
  Encode(QueryPlus, QLatin1StringView("+"));
  Encode(QueryDash, QLatin1StringView("-"));
  Encode(QueryPct2B, QLatin1StringView("%2B"));
  Encode(QueryPct252B, QLatin1StringView("%252B"));
  Encode(QueryPct20, QLatin1StringView("%20"));
}

double LeadingNumber(const QString& text) {
  // Gather the characters that belong to the number, skipping blanks, then
  // let strtod read them; anything that does not fit ends the number.
  QByteArray number;
  enum class Part { Sign, Mantissa, ExponentSign, Exponent } part = Part::Sign;
  bool seenPoint = false;
  bool seenMantissaDigit = false;
  qsizetype exponentStart = -1;
  for (const QChar c : text) {
    if (IsSkippedBlank(c)) continue;
    const char ch = c.toLatin1();
    const bool digit = c.isDigit() && c.unicode() < 128;
    if (part == Part::Sign) {
      part = Part::Mantissa;
      if (ch == '+' || ch == '-') {
        number += ch;
        continue;
      }
    }
    if (part == Part::Mantissa) {
      if (digit) {
        number += ch;
        seenMantissaDigit = true;
      } else if (ch == '.' && !seenPoint) {
        number += ch;
        seenPoint = true;
      } else if ((ch == 'e' || ch == 'E') && seenMantissaDigit) {
        exponentStart = number.size();
        number += 'e';
        part = Part::ExponentSign;
      } else {
        break;
      }
      continue;
    }
    if (part == Part::ExponentSign) {
      part = Part::Exponent;
      if (ch == '+' || ch == '-') {
        number += ch;
        continue;
      }
    }
    if (digit) {
      number += ch;
    } else {
      break;
    }
  }
  // An exponent mark without digits is not part of the number.
  if (exponentStart >= 0) {
    const QByteArray exponent = number.mid(exponentStart + 1);
    if (exponent.isEmpty() || exponent == "+" || exponent == "-") number.truncate(exponentStart);
  }
  if (!seenMantissaDigit) return 0;
  return std::strtod(number.constData(), nullptr);
}

}  // namespace RankscoutMod
