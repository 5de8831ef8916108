#include "sources/PuzzleFileFormat.h"

#include <QIODevice>

namespace varelo {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
constexpr qint64 kChunk = 4096;

}  // namespace

QByteArray GridText(const GridDigits& grid) {
  QByteArray text;
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      if (column == 3 || column == 6) text += ' ';
      text += static_cast<char>('0' + grid[row * 9 + column]);
    }
    text += kLineEnd;
    if (row == 2 || row == 5) text += kLineEnd;
  }
  return text;
}

QByteArray FileText(std::span<const GridDigits> grids) {
  QByteArray text;
  for (std::size_t i = 0; i < grids.size(); ++i) {
    if (i > 0) text += kLineEnd.repeated(3);
    text += GridText(grids[i]);
  }
  return text;
}

std::optional<FileGrids> CollectDigits(QIODevice& device) {
  FileGrids grids{};
  constexpr int kWanted = kGridsPerFile * 81;
  int found = 0;
  for (qint64 scanned = 0; found < kWanted && scanned < kDigitScanLimit;) {
    const QByteArray chunk = device.read(kChunk);
    if (chunk.isEmpty()) {
      if (device.atEnd()) break;
      return std::nullopt;
    }
    scanned += chunk.size();
    for (char c : chunk) {
      if (c < '0' || c > '9') continue;
      grids[found / 81][found % 81] = static_cast<unsigned char>(c - '0');
      if (++found == kWanted) break;
    }
  }
  return grids;
}

}  // namespace varelo
