// Every numeric setting goes through the lenient parse, and the settings
// file can hold anything a text editor can write.

#include <QRegularExpression>
#include <QString>

#include <locale.h>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "settings/LenientNumber.h"

namespace varelo::fuzz {

namespace {

// The numeric prefix after leading blanks: sign, digits with at most one
// point (a digit on either side), and an exponent only when digits follow.
QString NumericPrefix(const QString& text) {
  static const QRegularExpression prefix(
      QStringLiteral(R"(^[ \t]*([+-]?(?:[0-9]+(?:\.[0-9]*)?|\.[0-9]+)(?:[eE][+-]?[0-9]+)?))"));
  return prefix.match(text).captured(1);
}

// The C library's reading of that prefix, whatever the process locale is.
double Strtod(const QString& prefix) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  const QByteArray latin = prefix.toLatin1();
  return prefix.isEmpty() ? 0.0 : strtod_l(latin.constData(), nullptr, c);
}

int Clamped(double value) {
  const double whole = std::trunc(value);
  if (whole >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (whole <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(whole);
}

void CheckText(const QString& text) {
  const double expected = Strtod(NumericPrefix(text));
  const double value = ParseNumber(text);
  Check(!std::isnan(value), "the parse gave NaN");
  // Below the normal range strtod keeps a subnormal; reading it as 0 is as good.
  const bool subnormal = expected != 0 && std::fabs(expected) < DBL_MIN;
  Check(value == expected || (subnormal && value == 0), "the parse differs from strtod");
  Check(ParseInt(text) == Clamped(value), "the whole-number parse is not the truncated number");
}

}  // namespace

void LenientNumber(Bytes input) {
  const char* bytes = reinterpret_cast<const char*>(input.data());
  const auto size = static_cast<qsizetype>(input.size());
  CheckText(QString::fromUtf8(bytes, size));
  CheckText(QString::fromLatin1(bytes, size));
}

}  // namespace varelo::fuzz
