#pragma once
// The puzzle string: one grid as 81 characters "0".."9" in row-major order,
// "0" for an empty cell. Character k is cell k + 1 (search position k).

#include <QStringView>

#include "core/GridDigits.h"

namespace varelo {

inline constexpr int kPuzzleStringLength = 81;

// The digits of a level entry, copied character by character: a character
// that is no digit and every cell past the text's end count as empty, so an
// empty entry (beyond the last level) gives an empty grid.
GridDigits PuzzleStringDigits(QStringView text);

}  // namespace varelo
