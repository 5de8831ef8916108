#pragma once
// The text of a puzzle file. The save side writes each grid as nine lines of
// nine digits ("534 678 912": a blank after the third and sixth digit), an
// empty line after lines 3 and 6, CR LF line ends, and three empty lines
// between grids. The read side ignores all layout: the first 81 digits of the
// file are grid A, the next 81 grid B, the next 81 grid C.

#include <QByteArray>

#include <array>
#include <optional>
#include <span>

#include "core/GridDigits.h"

class QIODevice;

namespace varelo {

inline constexpr int kGridsPerFile = 3;

QByteArray GridText(const GridDigits& grid);
QByteArray FileText(std::span<const GridDigits> grids);

// Grids A, B and C; a digit the file does not have reads as 0 (empty).
using FileGrids = std::array<GridDigits, kGridsPerFile>;

// Reads `device` only as far as needed: until 243 digits are found or, for a
// file with few digits in much other text, until a generous limit. Nothing
// when reading fails.
std::optional<FileGrids> CollectDigits(QIODevice& device);

// The most bytes CollectDigits reads looking for digits.
inline constexpr qint64 kDigitScanLimit = 1 << 20;

}  // namespace varelo
