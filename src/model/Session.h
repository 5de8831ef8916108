#pragma once
// The facts the rules decide by, as one value: which game is on and whether
// it is drawn, its clock and time limit, the solve run's phase, the writing
// tool, and what the start screen offers. GameState owns the one Session and
// changes it through its setters; the rules ask it, never a caption, and the
// window's captions, visibility and inks are drawn from it (model/Screen).

#include <QString>

#include <optional>

#include "core/Colour.h"
#include "core/EntryKind.h"

namespace varelo {

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
  bool operator==(const ClockFace&) const = default;
};

// The start screen's sub-entries open under one main entry at a time.
enum class StartGroup {
  None,
  Mission,      // entries 7 and 8, and the level arrows
  Combination,  // entries 9 to 11
  Solve,        // entries 12 to 15
};

// The arrows beside the mission entry, each shown only where a lower or a
// higher opened level can be chosen.
struct LevelArrows {
  bool left = false;
  bool right = false;
  bool operator==(const LevelArrows&) const = default;
};

// What the start screen's third entry says while it stands in for a notice.
enum class Notice { None, Loading, Pause };

struct Session {
  GameMode mode = GameMode::None;
  int order = 0;  // the board's: 0 for a single grid
  int level = 0;  // of a mission
  std::optional<int> difficulty;
  ClockFace clock;
  // The seconds of the game set up last; 0 counts nothing (solve mode).
  int timeLimit = 0;
  SolvePhase solvePhase = SolvePhase::Ready;
  EntryKind tool = EntryKind::Pen;

  // A game's grids are in play: they follow the pointer and take keys.
  bool gameOn = false;
  // They are drawn: not while Options pauses the game or a new one loads.
  bool boardShown = false;

  bool startScreenShown = true;  // the seven main entries
  StartGroup startGroup = StartGroup::None;
  LevelArrows levelArrows;
  // The level the mission entry resumes; none on the first run.
  std::optional<int> resumeLevel;

  Notice notice = Notice::None;

  // The colour hint as it was when this single-grid game began; the top bar
  // names it, and the combination and solve modes have none.
  bool colourHint = false;
  // A restart was asked for and its puzzle is not open yet.
  bool restarting = false;

  // Solve mode: the typed puzzle can go to the solver (or a shown solution
  // to the next one), and the solver's digits stand for 清除结果 to take back.
  bool solveOffered = false;
  bool resultsShown = false;

  // The message of the line above the grids; none hides the line.
  QString hintLine;
  Rgb hintLineColour = colours::kFieldName;

  bool paused() const { return gameOn && !boardShown; }
  bool operator==(const Session&) const = default;
};

}  // namespace varelo
