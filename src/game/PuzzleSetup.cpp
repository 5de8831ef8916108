#include "game/PuzzleSetup.h"

#include <algorithm>
#include <cmath>

#include "core/Board.h"
#include "core/ColourHint.h"
#include "core/RandomSource.h"
#include "game/GameClock.h"
#include "game/ShowLayout.h"
#include "game/StartNotice.h"
#include "model/Controls.h"
#include "model/Cursors.h"
#include "model/GameState.h"
#include "settings/SettingsStore.h"

namespace varelo {

namespace {
constexpr int kDefaultGivens = 35;
// A run of draws that reveals nothing means the level's cell sequence has
// fallen into a short cycle; the set-up then takes the next empty cell.
constexpr int kStuckDraws = 200;

// Cells a combination grid never reveals: the shared corners start empty.
bool NeverRevealed(int grid, int cell) {
  switch (grid) {
    case 1: return cell == 81;
    case 2: return cell == 1 || cell == 9;
    case 3: return cell == 73;
    default: return false;
  }
}
}  // namespace

PuzzleSetup::PuzzleSetup(Board& board, Controls& controls, GameState& state, StartNotice& notice,
                         Cursors& cursors, ColourHint& hint, RandomSource& random, const SettingsStore& settings,
                         GameClock& clock, PuzzleSetupHooks hooks)
    : board_(board), controls_(controls), state_(state), notice_(notice), cursors_(cursors), hint_(hint),
      random_(random), settings_(settings), clock_(clock), hooks_(std::move(hooks)) {}

int PuzzleSetup::GivensFromSetting(const QString& text) {
  bool whole = false;
  const int value = text.trimmed().toInt(&whole);
  return whole && value >= 11 && value <= 75 ? value : kDefaultGivens;
}

int PuzzleSetup::GivensCount(std::optional<int> level) const {
  if (level) return MissionGivens(*level);  // levels 1..50; stored puzzles place their own
  return GivensFromSetting(settings_.Read(SettingKey::Givens));
}

void PuzzleSetup::NewPuzzle() {
  const std::optional<int> level = state_.missionLevel();
  const int order = board_.comboOrder();
  FilledGrid filled;
  if (level) {
    filled.digits = solution_;
  } else {
    FillRequest request;
    request.workGrid = 1;
    request.comboOrder = order;
    request.randomMode = state_.mode() == GameMode::Random;
    filled = hooks_.randomFill(request);
    solution_ = filled.digits;
  }
  shared12_ = solution_[80];
  shared23_ = 0;
  const int givens = GivensCount(level);

  if (order == 0)
    SetUpMainGrid(level, givens, filled);
  else
    SetUpCombination(givens);
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

void PuzzleSetup::SetUpMainGrid(std::optional<int> level, int givens, const FilledGrid& filled) {
  ClearGrid(0);
  board_.resetCandidateCache();

  int flagged = 0;
  for (bool f : filled.fromSource) flagged += f;
  if (filled.fromTestFile && flagged < givens) {
    for (int n = 1; n <= kCellsPerGrid; ++n)
      if (filled.fromSource[n - 1]) Reveal(0, n, solution_[n - 1]);
  } else if (level && *level >= 51) {
    const QString entry = hooks_.levelEntry(*level);
    for (int n = 1; n <= kCellsPerGrid && n <= entry.size(); ++n)
      if (entry[n - 1] != u'0') Reveal(0, n, entry[n - 1].digitValue());
  } else {
    RevealDrawnCells(level, givens, filled.fromTestFile ? &filled : nullptr);
  }
  hint_.RefreshHints();
  board_.setGridEditable(0, true);
}

std::vector<int> PuzzleSetup::MissionCells(float x, int givens, const std::array<bool, 81>& filled) {
  std::array<bool, 81> taken = filled;
  std::vector<int> cells;
  int misses = 0;
  while (static_cast<int>(cells.size()) < givens) {
    x = static_cast<float>(1.0 - 2.0 * static_cast<double>(x) * static_cast<double>(x));
    const float p = static_cast<float>(std::fabs(static_cast<double>(x)) * 81.0);
    int cell = static_cast<int>(std::floor(p)) + 1;  // 82 when |x| = 1
    if (cell > kCellsPerGrid || taken[cell - 1]) {
      if (++misses < kStuckDraws) continue;
      // Stuck in a cycle (or at |x| = 1): take the next free cell instead.
      const int from = std::min(cell, kCellsPerGrid);
      cell = 0;
      for (int step = 1; step <= kCellsPerGrid && cell == 0; ++step) {
        const int candidate = (from - 1 + step) % kCellsPerGrid + 1;
        if (!taken[candidate - 1]) cell = candidate;
      }
      if (cell == 0) break;  // the grid is full
    }
    taken[cell - 1] = true;
    cells.push_back(cell);
    misses = 0;
  }
  return cells;
}

// Levels 1..50 take their cells from the sequence x -> 1 - 2x^2, seeded by the
// generator's first value after re-seeding with -N, so a level shows the same
// givens at every start on every machine. Other games draw at random.
void PuzzleSetup::RevealDrawnCells(std::optional<int> level, int givens, const FilledGrid* testFile) {
  if (level) {
    random_.Reseed(-*level);
    for (int cell : MissionCells(random_.NextSingle(), givens, {})) Reveal(0, cell, solution_[cell - 1]);
    return;
  }
  std::array<bool, 81> allowed;
  allowed.fill(true);
  if (testFile) allowed = testFile->fromSource;
  for (int cell : RandomCells(random_, givens, allowed)) Reveal(0, cell, solution_[cell - 1]);
}

std::vector<int> PuzzleSetup::RandomCells(RandomSource& random, int givens, const std::array<bool, 81>& allowed) {
  std::array<bool, 81> taken{};
  std::vector<int> cells;
  while (static_cast<int>(cells.size()) < givens) {
    random.ReseedFromClock();
    const int cell = static_cast<int>(random.Next() * 81) + 1;
    if (taken[cell - 1] || !allowed[cell - 1]) continue;
    taken[cell - 1] = true;
    cells.push_back(cell);
  }
  return cells;
}

void PuzzleSetup::SetUpCombination(int givens) {
  const int order = board_.comboOrder();
  GridDigits solution = solution_;
  for (int grid = 1; grid <= order; ++grid) {
    if (grid > 1) {
      FillRequest request;
      request.workGrid = grid;
      request.comboOrder = order;
      request.sharedDigit12 = shared12_;
      request.sharedDigit23 = shared23_;
      solution = hooks_.randomFill(request).digits;
      if (grid == 2) shared23_ = solution[8];
      givens = GivensFromSetting(settings_.Read(SettingKey::Givens));
    }
    RevealCombinationGrid(grid, solution, givens);
  }
}

void PuzzleSetup::RevealCombinationGrid(int grid, const GridDigits& solution, int givens) {
  ClearGrid(grid);
  for (int cell : CombinationCells(random_, grid, givens)) Reveal(grid, cell, solution[cell - 1]);
  board_.setGridEditable(grid, true);
}

std::vector<int> PuzzleSetup::CombinationCells(RandomSource& random, int grid, int givens) {
  std::array<bool, 81> taken{};
  std::vector<int> cells;
  while (static_cast<int>(cells.size()) < givens) {
    const int cell = static_cast<int>(random.Next() * 81) + 1;
    if (taken[cell - 1] || NeverRevealed(grid, cell)) continue;
    taken[cell - 1] = true;
    cells.push_back(cell);
  }
  return cells;
}

void PuzzleSetup::OpenGame() {
  state_.LeaveStartScreen();
  notice_.Hide();
  controls_.setVisible(ctl::Command(1), true);
  controls_.setEnabled(ctl::Command(1), true);
  controls_.setVisible(ctl::kImgcol, true);
  controls_.setVisible(ctl::kImgcle, true);

  ShowLayout(board_, state_, cursors_);
  clock_.ResetBar();
  if (hooks_.slideTopBarIn) hooks_.slideTopBarIn();
  if (settings_.ReadNumber(SettingKey::Difficulty) > 1) clock_.Start();
}

}  // namespace varelo
