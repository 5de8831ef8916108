#include "model/GameState.h"

#include "model/Screen.h"

namespace varelo {

GameState::GameState(Controls& controls, QObject* parent) : QObject(parent), controls_(controls) {
  session_.clock = ClockFace{std::nullopt, ClockSign::Blank};
  Draw();
}

void GameState::Draw() { ShowScreen(session_, controls_); }

template <typename Fact, typename Value>
void GameState::Change(Fact Session::*fact, const Value& value) {
  session_.*fact = value;
  Draw();
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
  Draw();
}

void GameState::setDifficulty(int nd) {
  if (nd < 1 || nd > 4) return;
  session_.difficulty = nd;
  Draw();
}

void GameState::setClock(const ClockFace& face) { Change(&Session::clock, face); }

// The clock changes twice a second and shows in the top bar alone.
void GameState::setClockSeconds(int seconds) {
  session_.clock.seconds = seconds;
  ShowTopBar(session_, controls_);
}

void GameState::setTimeLimit(int seconds) { session_.timeLimit = seconds; }

// Shown for one half second, hidden for the next; the beginner's "∞" gives
// way to the colon as any hidden separator does.
void GameState::BlinkSeparator() {
  ClockSign& separator = session_.clock.separator;
  separator = separator == ClockSign::Colon ? ClockSign::Blank : ClockSign::Colon;
  ShowTopBar(session_, controls_);
}

void GameState::setSolvePhase(SolvePhase phase) {
  if (phase == session_.solvePhase) return;
  session_.solvePhase = phase;
  Draw();
}

void GameState::setTool(EntryKind tool) {
  if (tool == session_.tool) return;
  session_.tool = tool;
  Draw();
}

void GameState::setResumeLevel(std::optional<int> level) { Change(&Session::resumeLevel, level); }

void GameState::setGameOn(bool on) {
  session_.gameOn = on;
  if (!on) session_.boardShown = false;
  Draw();
}

void GameState::setBoardShown(bool shown) {
  session_.boardShown = shown && session_.gameOn;
  Draw();
}

void GameState::LeaveStartScreen() {
  session_.startScreenShown = false;
  OpenStartGroup(StartGroup::None);
}

void GameState::OpenStartGroup(StartGroup group) {
  session_.startGroup = group;
  if (group != StartGroup::Mission) session_.levelArrows = {};
  Draw();
}

void GameState::setLevelArrows(LevelArrows arrows) { Change(&Session::levelArrows, arrows); }

void GameState::setHintLineColour(Rgb colour) { Change(&Session::hintLineColour, colour); }

void GameState::setHintLine(const QString& message) { Change(&Session::hintLine, message); }

void GameState::setNotice(Notice notice) { Change(&Session::notice, notice); }

void GameState::setColourHint(bool on) { Change(&Session::colourHint, on); }

void GameState::setRestarting(bool restarting) { Change(&Session::restarting, restarting); }

void GameState::setSolveOffered(bool offered) { Change(&Session::solveOffered, offered); }

void GameState::setResultsShown(bool shown) { Change(&Session::resultsShown, shown); }

}  // namespace varelo
