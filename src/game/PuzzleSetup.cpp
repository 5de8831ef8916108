#include "game/PuzzleSetup.h"

#include "core/Board.h"
#include "core/ColourHint.h"
#include "core/RandomSource.h"
#include "game/GameClock.h"
#include "game/ShowLayout.h"
#include "game/StartNotice.h"
#include "model/Cursors.h"
#include "model/GameState.h"
#include "settings/SettingsStore.h"

namespace varelo {

namespace {
constexpr int kDefaultGivens = 35;
}  // namespace

PuzzleSetup::PuzzleSetup(Board& board, GameState& state, StartNotice& notice, Cursors& cursors, ColourHint& hint,
                         RandomSource& random, const SettingsStore& settings, GameClock& clock, PuzzleSetupHooks hooks)
    : board_(board), state_(state), notice_(notice), cursors_(cursors), hint_(hint), random_(random),
      settings_(settings), clock_(clock), hooks_(std::move(hooks)) {}

int PuzzleSetup::GivensFromSetting(const QString& text) {
  bool whole = false;
  const int value = text.trimmed().toInt(&whole);
  return whole && value >= 11 && value <= 75 ? value : kDefaultGivens;
}

void PuzzleSetup::NewPuzzle() {
  PuzzleRequest request;
  request.order = board_.comboOrder();
  request.randomMode = state_.mode() == GameMode::Random;
  request.level = state_.missionLevel();
  request.levelDigits = solution_;
  request.givens = GivensFromSetting(settings_.preferences().givens);
  const Puzzle puzzle = Generate(request, random_, hooks_.randomFill);
  solution_ = puzzle.grids.front().solution;
  shared12_ = puzzle.sharedDigit12;
  shared23_ = puzzle.sharedDigit23;

  if (request.order == 0) board_.resetCandidateCache();
  for (const GridPuzzle& grid : puzzle.grids) {
    ClearGrid(grid.grid);
    for (int cell : grid.givenCells) Reveal(grid.grid, cell, grid.solution[cell - 1]);
    if (grid.grid == 0) hint_.RefreshHints();
    board_.setGridEditable(grid.grid, true);
  }
  OpenGame();
}

void PuzzleSetup::Reveal(int grid, int cell, int digit) {
  board_.setDigit(grid, cell, digit);
  board_.setKind(grid, cell, EntryKind::Given);
  board_.setClash(grid, cell, false);
}

void PuzzleSetup::ClearGrid(int grid) {
  for (int n = 1; n <= kCellsPerGrid; ++n) {
    board_.clearEntry(grid, n);
    board_.setClash(grid, n, false);
  }
}

void PuzzleSetup::OpenGame() {
  state_.LeaveStartScreen();
  notice_.Hide();
  state_.setRestarting(false);

  ShowLayout(board_, state_, cursors_);
  clock_.ResetBar();
  if (hooks_.slideTopBarIn) hooks_.slideTopBarIn();
  if (settings_.preferences().timed) clock_.Start();
}

}  // namespace varelo
