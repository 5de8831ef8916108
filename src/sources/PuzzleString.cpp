#include "sources/PuzzleString.h"

#include <QtGlobal>

namespace varelo {

GridDigits PuzzleStringDigits(QStringView text) {
  GridDigits digits{};
  for (int p = 0; p < kPuzzleStringLength && p < text.size(); ++p)
    digits[p] = static_cast<unsigned char>(qMax(0, text[p].digitValue()));
  return digits;
}

}  // namespace varelo
