#pragma once
// NewPuzzle: generates the puzzle of the current mode, places it on the
// grids in play and opens the game.

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/GridDigits.h"
#include "game/PuzzleGenerator.h"

namespace varelo {

class Board;
class ColourHint;
class GameState;
class StartNotice;
class Cursors;
class GameClock;
class RandomSource;
class SettingsStore;

// Bank entry N as a puzzle string, empty beyond the last level: the game's
// link to its level bank, which tests replace with made-up levels.
using LevelEntry = std::function<QString(int level)>;

struct PuzzleSetupHooks {
  GridFill randomFill;
  std::function<void()> slideTopBarIn;
};

class PuzzleSetup {
 public:
  PuzzleSetup(Board& board, GameState& state, StartNotice& notice, Cursors& cursors, ColourHint& hint,
              RandomSource& random, const SettingsStore& settings, GameClock& clock, PuzzleSetupHooks hooks);

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

 private:
  void Reveal(int grid, int cell, int digit);
  void ClearGrid(int grid);
  void OpenGame();

  Board& board_;
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
