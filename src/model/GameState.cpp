#include "model/GameState.h"

#include <algorithm>

#include "core/CellMath.h"
#include "core/Layout.h"
#include "model/Controls.h"
#include "model/StartEntries.h"
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
  session_.clock = ClockFace{std::nullopt, ClockSign::Blank};
  ShowMode();
  ShowClock();
  ShowSolvePhase();
  ShowTool();
  ShowResumeLevel();
}

std::optional<int> GameState::missionLevel() const {
  return session_.mode == GameMode::Mission ? std::optional<int>(session_.level) : std::nullopt;
}

void GameState::EnterMission(int level) { EnterMode(GameMode::Mission, 0, level); }
void GameState::EnterRandom() { EnterMode(GameMode::Random, 0, 0); }
void GameState::StartCombination(int order) { EnterMode(GameMode::Combination, order, 0); }
void GameState::EnterSolve(int order) { EnterMode(GameMode::Solve, order, 0); }

void GameState::EnterMode(GameMode mode, int order, int level) {
  session_.mode = mode;
  session_.order = order;
  session_.level = level;
  ShowMode();
}

void GameState::ShowMode() {
  QString mode;
  QString level;
  switch (session_.mode) {
    case GameMode::None: break;
    case GameMode::Mission:
      mode = texts::kModeMission;
      level = texts::kLevelPrefix + QString::number(session_.level);
      break;
    case GameMode::Random:
      mode = texts::kModeRandom;
      level = texts::kOrder1;
      break;
    case GameMode::Combination:
      mode = texts::kCombination;
      level = OrderName(session_.order);
      break;
    case GameMode::Solve:
      mode = texts::kSolveSudoku;
      level = OrderName(session_.order);
      break;
  }
  controls_.setText(ctl::LblTop(0), mode);
  controls_.setText(ctl::LblTop(1), level);
}

void GameState::setDifficulty(int nd) {
  if (nd < 1 || nd > 4) return;
  session_.difficulty = nd;
  ShowDifficulty();
}

void GameState::ShowDifficulty() {
  controls_.setText(ctl::LblTop(3), session_.difficulty ? texts::kDifficulties[*session_.difficulty - 1] : QString());
}

void GameState::setClock(const ClockFace& face) {
  session_.clock = face;
  ShowClock();
}

void GameState::setClockSeconds(int seconds) {
  session_.clock.seconds = seconds;
  ShowClock();
}

// Shown for one half second, hidden for the next; the beginner's "∞" gives
// way to the colon as any hidden separator does.
void GameState::BlinkSeparator() {
  ClockSign& separator = session_.clock.separator;
  separator = separator == ClockSign::Colon ? ClockSign::Blank : ClockSign::Colon;
  ShowClock();
}

void GameState::ShowClock() {
  const auto& seconds = session_.clock.seconds;
  controls_.setText(ctl::LblTime(0), seconds ? TwoDigits(*seconds / 60) : QString());
  controls_.setText(ctl::LblTime(1), SeparatorText(session_.clock.separator));
  controls_.setText(ctl::LblTime(2), seconds ? TwoDigits(*seconds % 60) : QString());
}

void GameState::setSolvePhase(SolvePhase phase) {
  if (phase == session_.solvePhase) return;
  session_.solvePhase = phase;
  ShowSolvePhase();
}

void GameState::ShowSolvePhase() {
  switch (session_.solvePhase) {
    case SolvePhase::Ready: return controls_.setText(ctl::Command(2), texts::kSolve);
    case SolvePhase::Running: return controls_.setText(ctl::Command(2), texts::kCancel);
    case SolvePhase::SolutionShown: return controls_.setText(ctl::Command(2), texts::kNextSolution);
  }
}

void GameState::setTool(EntryKind tool) {
  if (tool == session_.tool) return;
  session_.tool = tool;
  ShowTool();
}

void GameState::ShowTool() {
  const bool pen = session_.tool != EntryKind::Pencil;
  controls_.setText(ctl::kImgcol, pen ? ctl::kImgBluePen : ctl::kImgGrayPen);
  controls_.setToolTip(ctl::kImgcol, pen ? texts::kPen : texts::kPencil);
}

void GameState::setResumeLevel(std::optional<int> level) {
  session_.resumeLevel = level;
  ShowResumeLevel();
}

void GameState::ShowResumeLevel() {
  const auto& level = session_.resumeLevel;
  controls_.setText(ctl::LblBegin(IndexOf(StartEntry::Mission)),
                    level ? texts::LevelCaption(*level) : texts::kMissionMode);
}

void GameState::setGameOn(bool on) {
  session_.gameOn = on;
  if (!on) session_.boardShown = false;
  ShowBoard();
}

void GameState::setBoardShown(bool shown) {
  session_.boardShown = shown && session_.gameOn;
  ShowBoard();
}

// Only the grids of the order in play are ever drawn.
void GameState::ShowBoard() {
  const auto grids = GridsInPlay(session_.order);
  for (int grid = 0; grid < kGridCount; ++grid) {
    const bool inPlay = std::find(grids.begin(), grids.end(), grid) != grids.end();
    controls_.setVisible(ctl::PicMis(grid), session_.boardShown && inPlay);
  }
}

void GameState::LeaveStartScreen() {
  session_.startScreenShown = false;
  for (int i = 0; i <= IndexOf(StartEntry::Exit); ++i) controls_.setVisible(ctl::LblBegin(i), false);
  OpenStartGroup(StartGroup::None);
}

void GameState::OpenStartGroup(StartGroup group) {
  session_.startGroup = group;
  ShowStartGroup();
  if (group != StartGroup::Mission) setLevelArrows({});
}

void GameState::ShowStartGroup() {
  const StartGroup group = session_.startGroup;
  auto show = [this](int from, int to, bool shown) {
    for (int i = from; i <= to; ++i) controls_.setVisible(ctl::LblBegin(i), shown);
  };
  show(IndexOf(StartEntry::Mission), IndexOf(StartEntry::Random), group == StartGroup::Mission);
  show(IndexOf(StartEntry::Order2), IndexOf(StartEntry::CombinationEnd), group == StartGroup::Combination);
  show(IndexOf(StartEntry::Solve1), IndexOf(StartEntry::SolveEnd), group == StartGroup::Solve);
}

void GameState::setLevelArrows(LevelArrows arrows) {
  session_.levelArrows = arrows;
  ShowLevelArrows();
}

void GameState::ShowLevelArrows() {
  controls_.setVisible(ctl::kImgLa, session_.levelArrows.left);
  controls_.setVisible(ctl::kImgRa, session_.levelArrows.right);
}

void GameState::setHintLineColour(Rgb colour) {
  session_.hintLineColour = colour;
  controls_.setColour(ctl::kLbltishi, colour);
}

}  // namespace varelo
