#include "sources/PuzzleString.h"

#include <QString>

namespace varelo {

namespace {

int CodeOf(char c) { return static_cast<unsigned char>(c); }
int CodeOf(QChar c) { return c.unicode(); }

template <typename Text>
std::optional<GridDigits> Parse(const Text& text) {
  if (text.size() != kPuzzleStringLength) return std::nullopt;
  GridDigits digits{};
  for (int p = 0; p < kPuzzleStringLength; ++p) {
    const int c = CodeOf(text[p]);
    if (c < '0' || c > '9') return std::nullopt;
    digits[p] = static_cast<unsigned char>(c - '0');
  }
  return digits;
}

}  // namespace

std::optional<GridDigits> ParsePuzzleString(std::string_view text) { return Parse(text); }

std::optional<GridDigits> ParsePuzzleString(QStringView text) { return Parse(text); }

QString ToPuzzleString(const GridDigits& digits) {
  QString text(kPuzzleStringLength, u'0');
  for (int p = 0; p < kPuzzleStringLength; ++p) text[p] = QChar(u'0' + digits[p]);
  return text;
}

}  // namespace varelo
