#pragma once
// In a combination a later grid depends on an earlier one only through the
// carried corner digit. For each corner digit this finds whether the later
// grids can be completed with it at all. An earlier grid's search may then
// skip every completion whose corner is dead: the game's search would try
// each of them, fail in the later grid and fall back, showing nothing.

#include "solver/CandidateGrid.h"

namespace varelo {

class Board;

struct LiveCorners {
  fast::DigitMask grid1To2 = fast::kAllDigits;  // grid 1 cell 81 = grid 2 cell 1
  fast::DigitMask grid2To3 = fast::kAllDigits;  // grid 2 cell 9 = grid 3 cell 73
};

// `playerDigitsOnly`: ignore the solver's own entries (kind Solver), as a
// grid reloaded after a fall-back does; otherwise every digit is a given, as
// in a fresh load.
LiveCorners FindLiveCorners(const Board& board, bool playerDigitsOnly);

}  // namespace varelo
