#include "settings/LenientNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace varelo {

namespace {
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the longest prefix of `s` from `i` that is a number.
qsizetype NumericPrefixEnd(QStringView s, qsizetype i) {
  qsizetype end = i;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
  qsizetype digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == u'.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return end;
  end = i;
  // An exponent counts only when digits follow it.
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
    const qsizetype exponentStart = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    if (i > exponentStart) end = i;
  }
  return end;
}

// Whether an unsigned numeric prefix that is out of a double's range is too
// small (reads as 0) rather than too large (reads as infinity). Its size is
// about 10 to the power of the first non-zero digit's place plus the
// exponent; out of range that sum is far from 0 either way.
bool BelowRange(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::size_t i = e + 1;
    const bool negative = number[i] == '-';
    if (number[i] == '+' || number[i] == '-') ++i;
    for (; i < number.size(); ++i)
      if (exponent < 1'000'000'000'000) exponent = exponent * 10 + (number[i] - '0');
    if (negative) exponent = -exponent;
  }
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return true;
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const long long place =
      first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
  return place + exponent < 0;
}
}  // namespace

double ParseNumber(QStringView text) {
  qsizetype start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  const qsizetype end = NumericPrefixEnd(text, start);
  if (end == start) return 0.0;
  // from_chars ignores the process locale (Qt sets it from the environment,
  // and a German locale would read "1.5" as 1). It takes no '+' sign.
  std::string prefix = text.mid(start, end - start).toLatin1().toStdString();
  bool negative = false;
  if (prefix[0] == '+' || prefix[0] == '-') {
    negative = prefix[0] == '-';
    prefix.erase(0, 1);
  }
  double value = 0.0;
  const auto result = std::from_chars(prefix.data(), prefix.data() + prefix.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large reads as infinity, too small as zero, like strtod.
    value = BelowRange(prefix) ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

int ParseInt(QStringView text) {
  const double value = std::trunc(ParseNumber(text));
  constexpr double kMax = std::numeric_limits<int>::max();
  constexpr double kMin = std::numeric_limits<int>::min();
  if (value >= kMax) return std::numeric_limits<int>::max();
  if (value <= kMin) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace varelo
