#pragma once
// A random player in the real main window, offscreen: a seeded stream of
// keys, pointer moves, clicks, menu items, timer ticks, resizes, the Options
// dialog and answers to the message boxes, with the invariants checked after
// every event. No timer fires by itself: the event loop runs without timers
// and every tick is an event of the stream, so a seed replays exactly.

#include <QDialog>
#include <QMap>
#include <QMenu>  // the solve driver uses it without including it
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>

#include "PlayInvariants.h"
#include "RandomPrompter.h"
#include "SolveWindowDriver.h"
#include "TimeBarWatch.h"

namespace varelo::testing {

class RandomPlayer : public SolveWindowTest {
 protected:
  // Opens the window for `seed`: the game's generator pinned to it, the
  // solve watchdog on a calendar of the stream, the boss key off.
  void Start(std::uint64_t seed);
  // Plays `events` events; stops at the first broken invariant with a
  // failure naming the seed and the event.
  void Play(int events);
  // One line of figures: new puzzles, solve runs, events by kind, messages.
  QString Summary() const;

 private:
  enum class Kind {
    DigitKey,
    EraseKey,
    ArrowKey,
    ModifiedKey,
    OtherKey,
    Escape,
    PointerMove,
    Glide,
    SmartEntry,
    ToolClick,
    ButtonClick,
    StartScreen,
    MenuItem,
    FunctionKey,
    LevelMenu,
    FileMenu,
    TimerTick,
    SolveSlices,
    Idle,
    Resize,
    MinimiseRestore,
    Options,
    HintLine,
    DragMainGrid,
    Exit,
    Count
  };
  static const char* NameOf(Kind kind);

  // The stream.
  int Below(int bound);
  bool Chance(int percent) { return Below(100) < percent; }
  Kind Choose();
  void ReportFailure(int index, const QStringList& problems);

  // Events; each returns false when it cannot happen now (nothing is done).
  bool Perform(Kind kind);
  bool DigitKey();
  bool EraseKey();
  bool ArrowKey();
  bool ModifiedKey();
  bool OtherKey();
  bool Escape();
  bool PointerMove();
  bool GlideRounds(int rounds);
  bool Glide(int rounds);
  bool SmartEntry();
  bool ToolClick();
  bool ButtonClick();
  bool StartScreen();
  bool MenuItem();
  bool FunctionKey();
  bool LevelMenu();
  bool FileMenu();
  bool TimerTick();
  bool SolveSlices(int slices);
  int Slices(int slices);
  bool Idle();
  bool Resize();
  bool MinimiseRestore();
  bool OpenOptions();
  bool HintLine();
  bool DragMainGrid();
  bool Exit();

  // Helpers.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  bool ClickWidget(const QString& name);
  bool Reachable(QAction* action) const;
  bool TriggerIfReachable(QAction* action);
  bool Fire(const QString& timerName);
  void FireEraseTick(int grid);
  void BackgroundTicks(int count);
  void DriveOptions(QDialog& dialog);
  void AfterOptions();
  void Quiet();
  std::optional<GridDigits> KnownSolution(int grid);
  void MovePointer(QPoint twips);
  bool BringCursorTo(int grid, int cell);
  QString Corners();
  // What the board and the controls show now, one line; with
  // VARELO_RANDOM_PLAY_SCREENS=folder every event's line goes to <seed>.txt
  // there, so two builds can be compared event by event.
  QString Screen();
  // Names the event just done, for the trace and a failure report.
  bool Did(const QString& what) {
    lastEvent_ = what;
    return true;
  }

  std::mt19937_64 stream_;
  std::uint64_t seed_ = 0;
  std::unique_ptr<RandomPrompter> asker_;
  std::unique_ptr<PlayInvariants> invariants_;
  std::unique_ptr<TimeBarWatch> timeBar_;
  QStringList recent_;  // the last events, for a failure report
  QString lastEvent_;
  QStringList tickProblems_;     // found by the erase-tick checks inside an event
  bool fixedMayChange_ = false;  // the event may rewrite givens or solver digits
  int newPuzzles_ = 0;
  int solveRuns_ = 0;
  int solutionsShown_ = 0;
  int solveTarget_ = 0;                                          // digits the player types for the solver
  int focus_ = 0;                                                // events left in a phase of solving the grid
  std::array<std::optional<GridDigits>, kGridCount> generated_;  // the generator's solutions
  QMap<QString, int> performed_;
};

}  // namespace varelo::testing
