#pragma once
// Solve mode's buttons and the window around a solve run: "求解", "取消" and
// "求下一种解" on Command2, "重置" on Command3, "清除结果" on Command4, the
// cancel menu item qxqj, the hint line, the busy bar, the menus switched
// while solving, and the watchdog that asks every minute whether a long run
// should go on. The run itself is a SolveSession driven from the event loop.

#include <QDate>
#include <QObject>

#include <functional>

#include "solver/SearchState.h"
#include "solver/SolveRunner.h"
#include "solver/SolveSession.h"

class QTimer;

namespace varelo {

class Board;
class Completion;
class ConflictMarker;
class GameState;
class Prompter;
class TimeBar;
class WindowPort;

class SolveController : public QObject {
  Q_OBJECT

 public:
  // `completion` checks the grids after a reset or a clear; while
  // `conflicts` shows an erase cross, solve clicks are ignored.
  SolveController(Board& board, GameState& state, Prompter& prompter, WindowPort& window, TimeBar& bar,
                  Completion& completion, const ConflictMarker& conflicts, QObject* parent = nullptr);

  SearchState& search() { return state_; }
  SolveRunner& runner() { return runner_; }
  bool running() const { return runner_.running(); }
  // The watchdog's calendar (the clock's date when empty); tests fix the month.
  void setCalendar(std::function<QDate()> today) { today_ = std::move(today); }

  // Shows a text on the hint line for three seconds (Timer6).
  void ShowTimedHint(const QString& text);

  // The watchdog's delay before its question answers itself: 15 seconds in
  // June to August, 8 otherwise.
  static int WatchdogDelaySeconds(const QDate& date);

  // Command2: solve, cancel the run or find the next solution, as its
  // caption (the solve phase) says.
  void PressSolveButton();
  void ResetPuzzle();   // Command3
  void ClearResults();  // Command4
  void CancelSolve();   // qxqj: cancels a run under way

 public slots:
  // The ticks of Timer6 (the hint line's 3 s), Timer7 (the watchdog's
  // minute) and Timer15 (the busy bar).
  void EndTimedHint();
  void AskToGoOn();
  void StepBusyBar();

 private:
  void Solve();
  void Cancel();
  void NextSolution();
  void BeginRun();
  void OnRunFinished(RunOutcome outcome);
  void ShowSolved();
  void EndOfSearch(RunOutcome outcome);

  void HideComboWork();
  void ShowComboDigits();
  void StartBusyBar();
  void StopBusyBar();
  void HideHint();
  void SetSolveGridsEditable(bool editable);
  void LockAllGrids();

  Board& board_;
  GameState& gameState_;  // the phase Command2 names
  Prompter& prompter_;
  WindowPort& window_;
  TimeBar& bar_;
  Completion& completion_;
  const ConflictMarker& conflicts_;
  std::function<QDate()> today_;

  SearchState state_;
  SolveSession session_;
  SolveRunner runner_;
  QTimer* hintTimer_;     // Timer6
  QTimer* watchdog_;      // Timer7
  QTimer* busyBarTimer_;  // Timer15
};

}  // namespace varelo
