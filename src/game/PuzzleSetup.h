#pragma once
// NewPuzzle: turns a solution into a playable puzzle on the grids of the
// current mode and opens the game. Four sources: random mode, the
// combination orders 2 and 3 (one random solution per grid, chained through
// the shared corners), mission levels 1..50 (a complete grid from the bank
// with a reproducible choice of givens) and mission levels 51..1999 (a stored
// puzzle placed unchanged).

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/GridDigits.h"

namespace varelo {

class Board;
class ColourHint;
class Controls;
class GameState;
class StartNotice;
class Cursors;
class GameClock;
class RandomSource;
class SettingsStore;

// One grid of the random generator's output.
struct FilledGrid {
  GridDigits digits{};
  std::array<bool, 81> fromSource{};  // the cells a test file gives
  bool fromTestFile = false;
};

// What the random generator is asked for: the grid of the chain and the
// corner digits it must carry.
struct FillRequest {
  int workGrid = 1;
  int comboOrder = 0;
  int sharedDigit12 = 0;
  int sharedDigit23 = 0;
  bool randomMode = false;  // a single-grid random game may read the test file
};

// Bank entry N as a puzzle string, empty beyond the last level: the game's
// link to its level bank, which tests replace with made-up levels.
using LevelEntry = std::function<QString(int level)>;

struct PuzzleSetupHooks {
  std::function<FilledGrid(const FillRequest&)> randomFill;
  LevelEntry levelEntry;
  std::function<void()> slideTopBarIn;
};

class PuzzleSetup {
 public:
  PuzzleSetup(Board& board, Controls& controls, GameState& state, StartNotice& notice, Cursors& cursors,
              ColourHint& hint, RandomSource& random, const SettingsStore& settings, GameClock& clock,
              PuzzleSetupHooks hooks);

  // The solution of the first grid in mission mode, copied from the bank by
  // the caller before NewPuzzle (the level lookup).
  GridDigits& solutionDigits() { return solution_; }

  void NewPuzzle();

  // The carried corner digits of the last set-up (for tests and the solver).
  int sharedDigit12() const { return shared12_; }
  int sharedDigit23() const { return shared23_; }

  // The number of givens of a random or combination grid: `sl` when it is a
  // whole number from 11 to 75, else 35.
  static int GivensFromSetting(const QString& text);

  // The cells a mission level reveals, in order, from the first value x of
  // its seed: the sequence x -> 1 - 2x^2 picks cell floor(|x| * 81) + 1,
  // skipping cells already taken. Where the sequence falls into a cycle or
  // reaches |x| = 1 it takes the next free cell, so the count is always
  // reached and the choice stays reproducible.
  static std::vector<int> MissionCells(float x, int givens, const std::array<bool, 81>& filled);
  // The number of givens of mission level 1..50.
  static int MissionGivens(int level) { return 40 - (level - 1) / 3; }
  // The cells a random game reveals, in order: each drawn after re-seeding
  // from the clock, skipping cells taken or not `allowed`.
  static std::vector<int> RandomCells(RandomSource& random, int givens, const std::array<bool, 81>& allowed);
  // The cells combination grid `grid` reveals, in order; never a shared corner.
  static std::vector<int> CombinationCells(RandomSource& random, int grid, int givens);

 private:
  int GivensCount(std::optional<int> level) const;
  void SetUpMainGrid(std::optional<int> level, int givens, const FilledGrid& filled);
  void RevealDrawnCells(std::optional<int> level, int givens, const FilledGrid* testFile);
  void SetUpCombination(int givens);
  void RevealCombinationGrid(int grid, const GridDigits& solution, int givens);
  void Reveal(int grid, int cell, int digit);
  void ClearGrid(int grid);
  void OpenGame();

  Board& board_;
  Controls& controls_;
  GameState& state_;
  StartNotice& notice_;
  Cursors& cursors_;
  ColourHint& hint_;
  RandomSource& random_;
  const SettingsStore& settings_;
  GameClock& clock_;
  PuzzleSetupHooks hooks_;
  GridDigits solution_{};
  int shared12_ = 0;
  int shared23_ = 0;
};

}  // namespace varelo
