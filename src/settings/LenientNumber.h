#pragma once
// The lenient number parse used for every numeric setting and puzzle field:
// leading blanks are skipped, the longest numeric prefix is taken (sign,
// digits, a decimal point, an exponent), and text without one reads as 0.
// "12abc" reads 12, "abc" reads 0, "  -3.5e2x" reads -350.

#include <QStringView>

namespace varelo {

double ParseNumber(QStringView text);

// ParseNumber truncated towards zero and clamped to the int range, so a huge
// or non-finite value can never overflow a conversion.
int ParseInt(QStringView text);

}  // namespace varelo
