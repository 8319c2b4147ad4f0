#pragma once

#include <QString>

namespace RankscoutMod {

// Builds QueryPlus, QueryDash, QueryPct2B, QueryPct252B and QueryPct20 from
// SearchWords: each blank becomes the form's separator, all else is kept.
void EncodeSearchWords();

// The number at the start of `text`, read the way the pages box is read:
// optional sign, digits, a "." and an exponent, blanks inside skipped;
// 0 when the text does not start with a number.
double LeadingNumber(const QString& text);

}  // namespace RankscoutMod
