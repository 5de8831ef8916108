#include "game/Completion.h"

#include <QTimer>

#include "core/Board.h"
#include "core/RuleChecks.h"
#include "game/GameClock.h"
#include "game/PuzzleSetup.h"
#include "game/StartNotice.h"
#include "game/TimeTable.h"
#include "input/CellEditor.h"
#include "model/Controls.h"
#include "model/Cursors.h"
#include "model/GameState.h"
#include "model/Prompter.h"
#include "settings/SettingsStore.h"
#include "sources/LevelMenu.h"
#include "sources/MissionProgress.h"
#include "sources/PuzzleString.h"

namespace varelo {

namespace {
const QString kPointer = ctl::kImgpt;
// The pointer bobs between these heights above the restart button's top.
constexpr int kPointerHigh = 600;
constexpr int kPointerLow = 480;
constexpr int kPointerStep = 15;
}  // namespace

Completion::Completion(Board& board, Controls& controls, GameState& state, StartNotice& notice, Cursors& cursors,
                       Prompter& prompter, SettingsStore& settings, GameClock& clock, CellEditor& editor,
                       PuzzleSetup& setup, LevelEntry levelEntry, LevelMenu& levelMenu, QObject* parent)
    : QObject(parent), board_(board), controls_(controls), state_(state), notice_(notice), cursors_(cursors),
      prompter_(prompter), settings_(settings), clock_(clock), editor_(editor), setup_(setup),
      levelEntry_(std::move(levelEntry)), levelMenu_(levelMenu), pointerTimer_(new QTimer(this)) {
  pointerTimer_->setObjectName(ctl::kTimer17);
  pointerTimer_->setInterval(22);
  connect(pointerTimer_, &QTimer::timeout, this, &Completion::BobPointer);
}

void Completion::AfterEntryCheck() {
  UpdateSolveButton();
  // A paused game, or one whose next puzzle loads, is not checked.
  if (!state_.boardShown()) return;
  const int order = state_.order();
  if (order == 0 && board_.gridEditable(0)) return CheckSingleCompletion();
  if (order >= 2 && board_.gridEditable(order)) CheckCombinationCompletion(order);
}

// The solve button wants at least nine typed digits per grid and at least
// one empty cell, except that a shown solution may be asked for the next one.
void Completion::UpdateSolveButton() {
  const int order = board_.comboOrder();
  const auto grids = GridsInPlay(order);
  for (int grid : grids)
    if (!board_.gridEditable(grid)) return;  // the button keeps its state
  int filled = 0;
  for (int grid : grids)
    for (int n = 1; n <= kCellsPerGrid; ++n) filled += board_.digit(grid, n) != 0;
  const int count = static_cast<int>(grids.size());
  const bool next = board_.inSolveMode() && state_.solvePhase() == SolvePhase::SolutionShown;
  const bool enabled =
      (filled >= 9 * count && filled < kCellsPerGrid * count) || (filled == kCellsPerGrid * count && next);
  state_.setSolveOffered(enabled);
}

bool Completion::GridsComplete(int order) const {
  for (int grid : GridsInPlay(order)) {
    const GridDigits digits = board_.digitsOf(grid);
    for (int p = 0; p < kCellsPerGrid; ++p)
      if (digits[p] == 0 || !ClashFree(digits, p)) return false;
  }
  return true;
}

void Completion::CheckSingleCompletion() {
  if (!GridsComplete(0)) return;
  if (board_.inSolveMode()) {
    prompter_.Inform(QStringLiteral("这组数可以构成一个一阶数独。"));
    return;
  }
  clock_.Stop();
  prompter_.Inform(QStringLiteral("你赢了！"));
  board_.setGridEditable(0, false);
  editor_.SetPen();
  state_.setBoardShown(false);
  clock_.ResetBar();
  state_.LeaveStartScreen();
  notice_.ShowLoading();
  cursors_.setTracking(0, true);
  board_.setComboOrder(0);
  StartNextSingleGame();
}

int Completion::StoredLevel() const { return StoredMissionLevel(settings_); }

void Completion::StartNextSingleGame() {
  if (!state_.missionLevel()) {
    state_.EnterRandom();
  } else {
    const int played = StoredLevel();
    const int next = played + 1;
    if (levelEntry_(next).size() < 6) {
      prompter_.Inform(QStringLiteral("恭喜您已通关！"));
      settings_.Write(SettingKey::MissionLevel, QStringLiteral("1"));
    } else {
      if (next > settings_.ReadInt(SettingKey::LevelsOpened)) {
        RaiseLevelsOpened(settings_, next);
        levelMenu_.AddItem();
      }
      if (settings_.ReadInt(SettingKey::LevelsOpened) > played) settings_.Write(SettingKey::MissionLevel, played + 1);
    }
    const int level = StoredLevel();
    setup_.solutionDigits() = PuzzleStringDigits(levelEntry_(level));
    state_.EnterMission(level);
  }
  ShowDifficulty(state_, settings_.preferences().difficulty, 0);
  clock_.setTimeLimitSeconds(state_.clockSeconds());
  setup_.NewPuzzle();
}

void Completion::CheckCombinationCompletion(int order) {
  if (!GridsComplete(order)) return;
  if (board_.inSolveMode()) {
    prompter_.Inform(order == 2 ? QStringLiteral("这组数可以构成一个二阶数独。")
                                : QStringLiteral("这组数可以构成一个三阶数独。"));
    return;
  }
  clock_.Stop();
  prompter_.Inform(QStringLiteral("你赢了！"));
  for (int grid : GridsInPlay(order)) board_.setGridEditable(grid, false);
  StartPointer();
}

void Completion::StartPointer() {
  pointerDown_ = true;
  bobbing_ = true;
  if (windowSeen_) pointerTimer_->start();
}

void Completion::StopPointer() {
  bobbing_ = false;
  pointerTimer_->stop();
  controls_.setVisible(kPointer, false);
  controls_.setTop(kPointer, controls_.top(ctl::Command(1)) - kPointerHigh);
}

bool Completion::pointerRunning() const { return bobbing_; }

// Nobody sees the pointer bob in a minimised or hidden window, and a won
// game may wait there for hours: the bob's timer waits with it and goes on
// from where it stopped.
void Completion::setWindowSeen(bool seen) {
  windowSeen_ = seen;
  if (!bobbing_) return;
  if (!seen)
    pointerTimer_->stop();
  else if (!pointerTimer_->isActive())
    pointerTimer_->start();
}

void Completion::BobPointer() {
  controls_.setVisible(kPointer, true);
  const int button = controls_.top(ctl::Command(1));
  int top = controls_.top(kPointer);
  if (pointerDown_) {
    top += kPointerStep;
    if (button - kPointerLow < top) pointerDown_ = false;
  } else {
    top -= kPointerStep;
    if (button - kPointerHigh > top) pointerDown_ = true;
  }
  controls_.setTop(kPointer, top);
}

}  // namespace varelo
