#pragma once
// Puzzles as varelo-cli reads them: 81 cells row by row, '0' or '.' empty;
// a combination is two or three such grids in separate words. Every fault
// is reported with the puzzle, grid and cell it sits in.

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "core/GridDigits.h"

namespace varelo::cli {

struct Puzzle {
  int order = 0;                      // 0 single grid, 2 or 3 combination
  std::array<GridDigits, 3> grids{};  // order 0: grids[0]; else grids[k - 1] is grid k
  std::string label;                  // "puzzle 2", "line 5": where it came from
};

struct PuzzleList {
  std::vector<Puzzle> puzzles;
  std::string error;  // empty when every puzzle was read
};

// The puzzles of the command line; a word may hold several grids separated
// by blanks.
PuzzleList PuzzlesFromWords(const std::vector<std::string>& words, int order);
// One puzzle per non-blank line.
PuzzleList PuzzlesFromLines(std::istream& in, int order);

// The longest line read: three grids with room for blanks around them. A
// longer line is refused as soon as it passes this, so input without line
// breaks cannot fill the memory.
inline constexpr std::size_t kMaxLineBytes = 4096;

// Reads lines up to the next puzzle. `lineNumber` counts the lines read so
// far (start at 0). False at the end of the input, or on a bad line with
// `error` set.
bool NextPuzzleLine(std::istream& in, int order, std::int64_t& lineNumber, Puzzle& puzzle, std::string& error);

}  // namespace varelo::cli
