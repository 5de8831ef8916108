#pragma once
// What the game is doing: the mode with its level or order, the difficulty,
// the clock, the phase of a solve run, the writing tool and the level the
// start screen offers to resume. Each fact has its setter here and nowhere
// else, and each writes its captions through one function of this class
// (the top bar, the clock, Command2, Imgcol's picture, LblBegin(7)); the
// rules read the facts, never a caption.

#include <QObject>

#include <optional>

#include "core/EntryKind.h"

namespace varelo {

class Controls;

enum class GameMode {
  None,         // the start screen, before any game
  Mission,      // a level of the bank
  Random,       // a random single grid
  Combination,  // two or three chained grids
  Solve,        // the player's puzzle for the solver
};

// Command2 of solve mode names what a click does next.
enum class SolvePhase {
  Ready,          // "求解": start a run
  Running,        // "取消": cancel it
  SolutionShown,  // "求下一种解": look for the next solution
};

// The clock's face: digits while a limit counts down, "∞" for the
// beginner, nothing in solve mode. The separator blinks once a second.
enum class ClockSign { Colon, Blank, Infinity };

struct ClockFace {
  std::optional<int> seconds;  // none: no digits shown
  ClockSign separator = ClockSign::Blank;
};

class GameState : public QObject {
  Q_OBJECT

 public:
  explicit GameState(Controls& controls, QObject* parent = nullptr);

  // The mode the top bar names. `order` is the board's: 0 for a single grid.
  GameMode mode() const { return mode_; }
  int order() const { return order_; }
  std::optional<int> missionLevel() const;
  void EnterMission(int level);
  void EnterRandom();
  void StartCombination(int order);
  void EnterSolve(int order);

  // The difficulty the top bar names (1..4), none before the first one.
  std::optional<int> difficulty() const { return difficulty_; }
  void setDifficulty(int nd);

  const ClockFace& clock() const { return clock_; }
  void setClock(const ClockFace& face);
  // The seconds the clock shows; 0 when it shows no digits.
  int clockSeconds() const { return clock_.seconds.value_or(0); }
  void setClockSeconds(int seconds);
  void BlinkSeparator();

  SolvePhase solvePhase() const { return solvePhase_; }
  void setSolvePhase(SolvePhase phase);

  EntryKind tool() const { return tool_; }
  void setTool(EntryKind tool);

  // The level the start screen's mission entry resumes; none on the first
  // run, when the entry reads "任务模式".
  std::optional<int> resumeLevel() const { return resumeLevel_; }
  void setResumeLevel(std::optional<int> level);

 signals:
  void modeChanged();
  void solvePhaseChanged(SolvePhase phase);
  void toolChanged(EntryKind tool);
  void resumeLevelChanged();

 private:
  void EnterMode(GameMode mode, int order, int level);
  void ShowMode();
  void ShowDifficulty();
  void ShowClock();
  void ShowSolvePhase();
  void ShowTool();
  void ShowResumeLevel();

  Controls& controls_;
  GameMode mode_ = GameMode::None;
  int order_ = 0;
  int level_ = 0;
  std::optional<int> difficulty_;
  ClockFace clock_{std::nullopt, ClockSign::Blank};
  SolvePhase solvePhase_ = SolvePhase::Ready;
  EntryKind tool_ = EntryKind::Pen;
  std::optional<int> resumeLevel_;
};

}  // namespace varelo
