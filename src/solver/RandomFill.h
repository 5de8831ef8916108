#pragma once
// RandomFill: a complete random grid for the puzzle generator, made of a
// random first row and the first completion of it in search order. In random
// mode with a single grid an optional test file beside the executable
// replaces the random grid with its own digits.

#include <QString>

#include <array>

#include "solver/SearchState.h"

namespace varelo {

class RandomSource;

struct RandomFillRequest {
  int comboOrder = 0;           // ComboOrder
  bool randomMode = false;      // the mode caption reads "随机"
  QString testFilePath;         // "test.txt" beside the executable; empty: none
  bool reseedFromClock = true;  // tests switch it off to replay a seed
};

struct RandomFillResult {
  bool usedTestFile = false;  // the caller shows "非随机数独，从test.txt文件中生成"
  int errorCode = 0;          // the errno when the test file could not be read
};

// The grid RandomFill fills and the corner digits it carries.
struct FillTarget {
  int workGrid = 1;       // WorkGrid
  int sharedDigit12 = 0;  // grid 1's cell 81, for grid 2
  int sharedDigit23 = 0;  // grid 2's cell 9, for grid 3
};

// RandomFill's output, for callers that keep no search state of their own.
struct RandomGrid {
  GridDigits digits{};
  std::array<bool, 81> fromSource{};  // DigitFromSource: the first row, or the test file's cells
  bool usedTestFile = false;
  int errorCode = 0;
};

// Fills SolutionDigits for the grid named by WorkGrid. The caller has set
// WorkGrid and, for grids 2 and 3, SharedDigit12 / SharedDigit23.
//
// The test file gives its first 81 digits (any other character is skipped)
// in row-major order; "0" leaves a cell empty. A file with fewer than 81
// digits leaves the remaining cells empty too.
RandomFillResult RandomFill(SearchState& state, RandomSource& random, const RandomFillRequest& request);

// The same on a scratch search state.
RandomGrid RandomFill(RandomSource& random, const RandomFillRequest& request, const FillTarget& target);

}  // namespace varelo
