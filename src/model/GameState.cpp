#include "model/GameState.h"

#include "model/Controls.h"
#include "model/Texts.h"

namespace varelo {

namespace {

QString OrderName(int order) { return order == 2 ? texts::kOrder2 : order == 3 ? texts::kOrder3 : texts::kOrder1; }

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

QString SeparatorText(ClockSign separator) {
  switch (separator) {
    case ClockSign::Colon: return QStringLiteral(":");
    case ClockSign::Infinity: return QStringLiteral("∞");
    case ClockSign::Blank: break;
  }
  return QString();
}

}  // namespace

GameState::GameState(Controls& controls, QObject* parent) : QObject(parent), controls_(controls) {
  ShowMode();
  ShowClock();
  ShowSolvePhase();
  ShowTool();
  ShowResumeLevel();
}

std::optional<int> GameState::missionLevel() const {
  return mode_ == GameMode::Mission ? std::optional<int>(level_) : std::nullopt;
}

void GameState::EnterMission(int level) { EnterMode(GameMode::Mission, 0, level); }
void GameState::EnterRandom() { EnterMode(GameMode::Random, 0, 0); }
void GameState::StartCombination(int order) { EnterMode(GameMode::Combination, order, 0); }
void GameState::EnterSolve(int order) { EnterMode(GameMode::Solve, order, 0); }

void GameState::EnterMode(GameMode mode, int order, int level) {
  mode_ = mode;
  order_ = order;
  level_ = level;
  ShowMode();
  emit modeChanged();
}

void GameState::ShowMode() {
  QString mode;
  QString level;
  switch (mode_) {
    case GameMode::None: break;
    case GameMode::Mission:
      mode = texts::kModeMission;
      level = texts::kLevelPrefix + QString::number(level_);
      break;
    case GameMode::Random:
      mode = texts::kModeRandom;
      level = texts::kOrder1;
      break;
    case GameMode::Combination:
      mode = texts::kCombination;
      level = OrderName(order_);
      break;
    case GameMode::Solve:
      mode = texts::kSolveSudoku;
      level = OrderName(order_);
      break;
  }
  controls_.setText(ctl::LblTop(0), mode);
  controls_.setText(ctl::LblTop(1), level);
}

void GameState::setDifficulty(int nd) {
  if (nd < 1 || nd > 4) return;
  difficulty_ = nd;
  ShowDifficulty();
}

void GameState::ShowDifficulty() {
  controls_.setText(ctl::LblTop(3), difficulty_ ? texts::kDifficulties[*difficulty_ - 1] : QString());
}

void GameState::setClock(const ClockFace& face) {
  clock_ = face;
  ShowClock();
}

void GameState::setClockSeconds(int seconds) {
  clock_.seconds = seconds;
  ShowClock();
}

// Shown for one half second, hidden for the next; the beginner's "∞" gives
// way to the colon as any hidden separator does.
void GameState::BlinkSeparator() {
  clock_.separator = clock_.separator == ClockSign::Colon ? ClockSign::Blank : ClockSign::Colon;
  ShowClock();
}

void GameState::ShowClock() {
  const auto& seconds = clock_.seconds;
  controls_.setText(ctl::LblTime(0), seconds ? TwoDigits(*seconds / 60) : QString());
  controls_.setText(ctl::LblTime(1), SeparatorText(clock_.separator));
  controls_.setText(ctl::LblTime(2), seconds ? TwoDigits(*seconds % 60) : QString());
}

void GameState::setSolvePhase(SolvePhase phase) {
  if (phase == solvePhase_) return;
  solvePhase_ = phase;
  ShowSolvePhase();
  emit solvePhaseChanged(phase);
}

void GameState::ShowSolvePhase() {
  switch (solvePhase_) {
    case SolvePhase::Ready: return controls_.setText(ctl::Command(2), texts::kSolve);
    case SolvePhase::Running: return controls_.setText(ctl::Command(2), texts::kCancel);
    case SolvePhase::SolutionShown: return controls_.setText(ctl::Command(2), texts::kNextSolution);
  }
}

void GameState::setTool(EntryKind tool) {
  if (tool == tool_) return;
  tool_ = tool;
  ShowTool();
  emit toolChanged(tool);
}

void GameState::ShowTool() {
  const bool pen = tool_ != EntryKind::Pencil;
  controls_.setText(ctl::kImgcol, pen ? ctl::kImgBluePen : ctl::kImgGrayPen);
  controls_.setToolTip(ctl::kImgcol, pen ? texts::kPen : texts::kPencil);
}

void GameState::setResumeLevel(std::optional<int> level) {
  resumeLevel_ = level;
  ShowResumeLevel();
  emit resumeLevelChanged();
}

void GameState::ShowResumeLevel() {
  controls_.setText(ctl::LblBegin(7), resumeLevel_ ? texts::LevelCaption(*resumeLevel_) : texts::kMissionMode);
}

}  // namespace varelo
