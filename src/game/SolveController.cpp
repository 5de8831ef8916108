#include "game/SolveController.h"

#include <QTimer>

#include "core/Board.h"
#include "core/ControlNames.h"
#include "core/Layout.h"
#include "game/Completion.h"
#include "game/TimeBar.h"
#include "input/ConflictMarker.h"
#include "model/GameState.h"
#include "model/Prompter.h"
#include "model/WindowPort.h"
#include "solver/WorkArrays.h"

namespace varelo {

namespace {

const QString kSolving = QStringLiteral("求解中，请稍后……");
const QString kCancelled = QStringLiteral("求解已取消。");
const QString kNoSolution = QStringLiteral("此数独无解！");

constexpr int kHintMs = 3000;
constexpr int kWatchdogMs = 60000;
constexpr int kBusyBarMs = 25;

QString NoNextSolution(int count) {
  return QStringLiteral("没有下一种解！\n该数独共有") + QString::number(count) + QStringLiteral("种解。");
}

QString WatchdogQuestion(int seconds) {
  return QStringLiteral("已经经过很长时间仍未求出解，原因可能是所给数独无解。\n是否继续求解？\n\n") +
         QString::number(seconds) + QStringLiteral("秒钟后继续。");
}

QTimer* NamedTimer(QObject* parent, QLatin1String name, int interval, bool singleShot) {
  auto* timer = new QTimer(parent);
  timer->setObjectName(name);
  timer->setInterval(interval);
  timer->setSingleShot(singleShot);
  return timer;
}

}  // namespace

SolveController::SolveController(Board& board, GameState& state, Prompter& prompter, WindowPort& window, TimeBar& bar,
                                 Completion& completion, const ConflictMarker& conflicts, QObject* parent)
    : QObject(parent), board_(board), gameState_(state), prompter_(prompter), window_(window), bar_(bar),
      completion_(completion), conflicts_(conflicts), session_(board_, state_),
      hintTimer_(NamedTimer(this, ctl::kTimer6, kHintMs, true)),
      watchdog_(NamedTimer(this, ctl::kTimer7, kWatchdogMs, false)),
      busyBarTimer_(NamedTimer(this, ctl::kTimer15, kBusyBarMs, false)) {
  connect(hintTimer_, &QTimer::timeout, this, &SolveController::EndTimedHint);
  connect(watchdog_, &QTimer::timeout, this, &SolveController::AskToGoOn);
  connect(busyBarTimer_, &QTimer::timeout, this, &SolveController::StepBusyBar);
  connect(&runner_, &SolveRunner::finished, this, &SolveController::OnRunFinished);
}

int SolveController::WatchdogDelaySeconds(const QDate& date) { return date.month() >= 6 && date.month() <= 8 ? 15 : 8; }

void SolveController::PressSolveButton() {
  if (conflicts_.anyEraseTimerRunning()) return;
  switch (gameState_.solvePhase()) {
    case SolvePhase::Ready: return Solve();
    case SolvePhase::Running: return Cancel();
    case SolvePhase::SolutionShown: return NextSolution();
  }
}

void SolveController::CancelSolve() {
  if (gameState_.solvePhase() == SolvePhase::Running) PressSolveButton();
}

void SolveController::Solve() {
  gameState_.setSolvePhase(SolvePhase::Running);
  gameState_.setResultsShown(false);
  ClearResults();  // no solver digit of an earlier run stays
  hintTimer_->stop();
  BeginRun();
  session_.StartFresh();  // Solving, SolutionCount 0, WorkGrid 1, corners 0
  runner_.run(session_);
}

void SolveController::NextSolution() {
  ClearSolverDigits(board_, LastSolveGrid(board_.comboOrder()));
  gameState_.setSolvePhase(SolvePhase::Running);
  gameState_.setResultsShown(false);
  BeginRun();
  session_.StartResume();
  runner_.run(session_);
}

// The window's side of every run: the hint line, the watchdog, the busy
// bar, the menus, and the grids locked. The first slice runs at the next
// turn of the event loop.
void SolveController::BeginRun() {
  gameState_.setHintLine(kSolving);
  watchdog_->start();
  StartBusyBar();
  HideComboWork();
  LockAllGrids();
}

void SolveController::Cancel() {
  state_.Solving = false;
  state_.SolutionCount = 0;
  runner_.stop();
  gameState_.setSolvePhase(SolvePhase::Ready);
  ShowTimedHint(kCancelled);
  watchdog_->stop();
  ClearResults();
  StopBusyBar();
  ShowComboDigits();
  state_.WorkGrid = 1;
  SetSolveGridsEditable(true);
}

void SolveController::OnRunFinished(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Solved: return ShowSolved();
    case RunOutcome::NoSolution:
    case RunOutcome::Exhausted: return EndOfSearch(outcome);
    case RunOutcome::Cancelled:
    case RunOutcome::Running: return;  // a cancel has already reset the window
  }
}

void SolveController::ShowSolved() {
  HideHint();
  gameState_.setSolvePhase(SolvePhase::SolutionShown);
  gameState_.setSolveOffered(true);
  gameState_.setResultsShown(true);
  watchdog_->stop();
  StopBusyBar();
  ShowComboDigits();
  SetSolveGridsEditable(true);
}

void SolveController::EndOfSearch(RunOutcome outcome) {
  // The run is over: no watchdog question may come up behind the message.
  watchdog_->stop();
  StopBusyBar();
  HideHint();
  gameState_.setSolvePhase(SolvePhase::Ready);
  ClearResults();
  ShowComboDigits();
  SetSolveGridsEditable(true);
  // Last: the window behind the message shows the run as ended.
  prompter_.Inform(outcome == RunOutcome::NoSolution ? kNoSolution : NoNextSolution(state_.SolutionCount));
}

void SolveController::ResetPuzzle() {
  for (int grid : GridsInPlay(board_.comboOrder())) {
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      board_.clearEntry(grid, n);
      board_.setClash(grid, n, false);
    }
  }
  gameState_.setSolvePhase(SolvePhase::Ready);
  gameState_.setSolveOffered(false);
  gameState_.setResultsShown(false);
  state_.SolutionCount = 0;
  SetSolveGridsEditable(true);
}

void SolveController::ClearResults() {
  for (int grid : GridsInPlay(board_.comboOrder())) {
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      // A clash shows on none of the solver's digits.
      if (board_.kind(grid, n) != EntryKind::Solver || board_.clashes(grid, n)) continue;
      board_.clearEntry(grid, n);
    }
    board_.setGridEditable(grid, true);
  }
  gameState_.setResultsShown(false);
  completion_.AfterEntryCheck();
  // A combination starts afresh after its results are cleared; a single
  // grid continues after the cleared solution.
  if (board_.comboOrder() > 1 && gameState_.solvePhase() == SolvePhase::SolutionShown)
    gameState_.setSolvePhase(SolvePhase::Ready);
}

void SolveController::ShowTimedHint(const QString& text) {
  gameState_.setHintLine(text);
  hintTimer_->start();
}

void SolveController::EndTimedHint() {
  hintTimer_->stop();
  HideHint();
}

void SolveController::HideHint() { gameState_.setHintLine(QString()); }

void SolveController::AskToGoOn() {
  watchdog_->stop();
  busyBarTimer_->stop();
  if (!window_.isHidden() && !window_.isMinimized()) {
    const QDate today = today_ ? today_() : QDate::currentDate();
    const int seconds = WatchdogDelaySeconds(today);
    Prompt question{WatchdogQuestion(seconds), Prompt::Icon::Question, Prompt::Buttons::YesNo};
    question.autoYesAfterMs = seconds * 1000;
    // The question is modal: the search waits until it is answered.
    runner_.pause();
    const Answer answer = prompter_.Ask(question);
    runner_.resume();
    if (answer == Answer::No) {
      Cancel();
      return;
    }
  }
  watchdog_->start();
  busyBarTimer_->start();
}

void SolveController::StartBusyBar() {
  bar_.StartBusy();
  busyBarTimer_->start();
}

void SolveController::StepBusyBar() { bar_.StepBusy(); }

void SolveController::StopBusyBar() {
  busyBarTimer_->stop();
  bar_.StopBusy();
}

// A combination run writes its intermediate grids 1 and 2 out of sight.
void SolveController::HideComboWork() {
  for (int grid : {1, 2})
    for (int n = 1; n <= kCellsPerGrid; ++n)
      if (board_.digit(grid, n) == 0 || board_.isFixed(grid, n)) board_.setDigitShown(grid, n, false);
}

void SolveController::ShowComboDigits() {
  for (int grid : {1, 2, 3})
    for (int n = 1; n <= kCellsPerGrid; ++n)
      if (!board_.cell(grid, n).digitShown) board_.setDigitShown(grid, n, true);
}

void SolveController::SetSolveGridsEditable(bool editable) {
  for (int grid : GridsInPlay(board_.comboOrder())) board_.setGridEditable(grid, editable);
}

void SolveController::LockAllGrids() {
  for (int grid = 0; grid < kGridCount; ++grid) board_.setGridEditable(grid, false);
}

}  // namespace varelo
