#include "game/GameFlow.h"

#include <QTimer>

#include "core/Board.h"
#include "core/ControlNames.h"
#include "game/Completion.h"
#include "game/FileMenu.h"
#include "game/GameClock.h"
#include "game/PuzzleSetup.h"
#include "game/ShowLayout.h"
#include "game/StartNotice.h"
#include "game/TimeTable.h"
#include "input/CellEditor.h"
#include "input/ConflictMarker.h"
#include "model/Cursors.h"
#include "settings/SettingsStore.h"
#include "sources/MissionProgress.h"
#include "sources/PuzzleString.h"

namespace varelo {

GameFlow::GameFlow(Board& board, GameState& state, StartNotice& notice, Cursors& cursors, SettingsStore& settings,
                   GameClock& clock, CellEditor& editor, ConflictMarker& conflicts, PuzzleSetup& setup,
                   Completion& completion, FileMenu& files, GameFlowHooks hooks, QObject* parent)
    : QObject(parent), board_(board), state_(state), notice_(notice), cursors_(cursors), settings_(settings),
      clock_(clock), editor_(editor), conflicts_(conflicts), setup_(setup), completion_(completion), files_(files),
      hooks_(std::move(hooks)), restartTimer_(new QTimer(this)) {
  restartTimer_->setObjectName(ctl::kTimer10);
  restartTimer_->setInterval(1);
  restartTimer_->setSingleShot(true);
  connect(restartTimer_, &QTimer::timeout, this, &GameFlow::RestartNow);
  clock_.setTimeUpAction([this] { RestartNow(); });
}

void GameFlow::ShowHintCaption() { state_.setColourHint(settings_.preferences().colourHint); }

// The single-grid games show whether the colour hint is on; the hint does
// not serve the combination and solve modes.
void GameFlow::ShowHintCaptionOf(GameMode mode) {
  if (mode == GameMode::Mission || mode == GameMode::Random) ShowHintCaption();
}

void GameFlow::SetClock(int order) { ShowDifficulty(state_, settings_.preferences().difficulty, order); }

void GameFlow::ShowLoading() { notice_.ShowLoading(); }

void GameFlow::CopyLevel(int level) { setup_.solutionDigits() = PuzzleStringDigits(hooks_.levelEntry(level)); }

void GameFlow::LeaveCurrentGame(bool playing) {
  // A conflict still shown belongs to the game being left; while its erase
  // timer ran, the restart below would refuse to build the next game.
  conflicts_.EraseNow();
  conflicts_.ClearStandingClashes();
  state_.LeaveStartScreen();
  notice_.Hide();
  if (playing) ShowLoading();

  LeaveLayout(state_, cursors_);
  completion_.StopPointer();

  clock_.ResetBar();
  editor_.SetPen();
  state_.setHintLine(QString());

  if (!playing) return;
  board_.setInSolveMode(false);
  files_.HideFileMenu();
}

// Only the grids of the order take the player's keys.
void GameFlow::TakeInputIn(int order) {
  const auto grids = GridsInPlay(order);
  for (int grid = 0; grid < kGridCount; ++grid)
    board_.setGridEditable(grid, std::find(grids.begin(), grids.end(), grid) != grids.end());
}

// The common end of every playing entry from the menus.
void GameFlow::EnterPlayingMode(int order) {
  board_.setComboOrder(order);
  TakeInputIn(order);
  SetClock(order);
  Restart();
}

void GameFlow::StartMission(int level) {
  LeaveCurrentGame(true);
  board_.clearGridEntries(0);
  state_.EnterMission(level);
  ShowHintCaptionOf(GameMode::Mission);
  CopyLevel(level);
  settings_.Write(SettingKey::MissionLevel, level);
  EnterPlayingMode(0);
}

void GameFlow::StartRandom() {
  LeaveCurrentGame(true);
  board_.clearGridEntries(0);
  state_.EnterRandom();
  ShowHintCaptionOf(GameMode::Random);
  EnterPlayingMode(0);
}

// Grid 2's cell 9 is a shared corner only in order 3.
void GameFlow::PrepareCombinationGrids(int order) {
  for (int grid : GridsInPlay(order)) board_.clearGridEntries(grid);
  if (order == 2) board_.setBackground(2, 9, colours::kCheckerOdd);
  board_.setClash(2, 1, false);
}

void GameFlow::StartCombination(int order) {
  LeaveCurrentGame(true);
  PrepareCombinationGrids(order);
  state_.StartCombination(order);
  ShowHintCaptionOf(GameMode::Combination);
  EnterPlayingMode(order);
}

void GameFlow::Restart() {
  if (conflicts_.anyEraseTimerRunning()) return;
  state_.setBoardShown(false);
  editor_.SetPen();
  state_.setRestarting(true);
  completion_.StopPointer();
  clock_.Stop();
  ShowLoading();
  if (state_.gameOn() && state_.order() == 0) ShowHintCaption();

  // The clock starts again from the limit of the difficulty shown; with
  // none shown yet it keeps what it shows.
  const auto nd = state_.difficulty();
  if (nd && state_.mode() != GameMode::None)
    if (const auto face = ClockFaceFor(*nd, state_.order())) state_.setClock(*face);

  clock_.setTimeLimitSeconds(state_.clockSeconds());
  clock_.ResetBar();
  setup_.NewPuzzle();
}

void GameFlow::StartDeferredRestart() { restartTimer_->start(); }

// The time-out and the Options dialog end the game whatever it shows: a
// conflict still on screen is withdrawn at once, where the restart button
// would wait for it.
void GameFlow::RestartNow() {
  conflicts_.EraseNow();
  Restart();
}

void GameFlow::EnterSolveMode(int order) {
  LeaveCurrentGame(false);
  if (order == 0) board_.setShadesShown(false);  // the typed puzzle on its checkerboard

  board_.setComboOrder(order);
  TakeInputIn(order);
  if (order == 0)
    board_.clearGridEntries(0);
  else
    PrepareCombinationGrids(order);
  // No clash of the game left behind shows here.
  for (int grid : GridsInPlay(order))
    for (int n = 1; n <= kCellsPerGrid; ++n) board_.setClash(grid, n, false);

  state_.EnterSolve(order);
  ShowHintCaptionOf(GameMode::Solve);
  state_.setDifficulty(settings_.preferences().difficulty);
  state_.setClock(ClockFace{});
  clock_.Stop();
  clock_.setTimeLimitSeconds(0);
  if (hooks_.slideTopBarIn) hooks_.slideTopBarIn();

  state_.setSolvePhase(SolvePhase::Ready);
  state_.setSolveOffered(false);
  state_.setResultsShown(false);

  board_.setInSolveMode(true);
  files_.BuildFileMenu();

  ShowLayout(board_, state_, cursors_);
}

void GameFlow::StartFromStartScreen(int order) {
  SetClock(order);
  clock_.setTimeLimitSeconds(state_.clockSeconds());
  board_.setComboOrder(order);
  setup_.NewPuzzle();
}

void GameFlow::StartScreenEntry(StartEntry entry) {
  switch (entry) {
    case StartEntry::Solve1: return EnterSolveMode(0);
    case StartEntry::Solve2: return EnterSolveMode(2);
    case StartEntry::Solve3: return EnterSolveMode(3);
    case StartEntry::Mission:
    case StartEntry::Random:
    case StartEntry::Order2:
    case StartEntry::Order3: break;
    default: return;
  }
  state_.LeaveStartScreen();
  ShowLoading();

  switch (entry) {
    case StartEntry::Mission: {
      // After the first run the entry names the level to resume.
      int level = state_.resumeLevel().value_or(kFirstLevel);
      if (level < kFirstLevel || level > kLastLevel) level = kFirstLevel;
      settings_.Write(SettingKey::MissionLevel, level);
      CopyLevel(level);
      state_.EnterMission(level);
      ShowHintCaptionOf(GameMode::Mission);
      return StartFromStartScreen(0);
    }
    case StartEntry::Random:
      state_.EnterRandom();
      ShowHintCaptionOf(GameMode::Random);
      return StartFromStartScreen(0);
    default: {
      const int order = entry == StartEntry::Order2 ? 2 : 3;
      state_.StartCombination(order);
      ShowHintCaptionOf(GameMode::Combination);
      return StartFromStartScreen(order);
    }
  }
}

}  // namespace varelo
