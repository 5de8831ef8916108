#pragma once
// The owner of the game's Session: each fact has its setter here and
// nowhere else, and after each change the window's areas are drawn afresh
// from the whole value (model/Screen; the clock's ticks redraw the top bar
// alone); the rules read the facts, never a caption.

#include <QObject>

#include <optional>

#include "core/EntryKind.h"
#include "model/Session.h"

namespace varelo {

class Controls;

class GameState : public QObject {
  Q_OBJECT

 public:
  explicit GameState(Controls& controls, QObject* parent = nullptr);

  // The mode the top bar names. `order` is the board's: 0 for a single grid.
  const Session& session() const { return session_; }

  GameMode mode() const { return session_.mode; }
  int order() const { return session_.order; }
  std::optional<int> missionLevel() const;
  void EnterMission(int level);
  void EnterRandom();
  void StartCombination(int order);
  void EnterSolve(int order);

  // The difficulty the top bar names (1..4), none before the first one.
  std::optional<int> difficulty() const { return session_.difficulty; }
  void setDifficulty(int nd);

  const ClockFace& clock() const { return session_.clock; }
  void setClock(const ClockFace& face);
  // The seconds the clock shows; 0 when it shows no digits.
  int clockSeconds() const { return session_.clock.seconds.value_or(0); }
  void setClockSeconds(int seconds);
  void BlinkSeparator();
  void setTimeLimit(int seconds);

  SolvePhase solvePhase() const { return session_.solvePhase; }
  void setSolvePhase(SolvePhase phase);

  EntryKind tool() const { return session_.tool; }
  void setTool(EntryKind tool);

  // The level the start screen's mission entry resumes; none on the first
  // run, when the entry reads "任务模式".
  std::optional<int> resumeLevel() const { return session_.resumeLevel; }
  void setResumeLevel(std::optional<int> level);

  // A game's grids come into play (on) or leave it; a game that leaves is
  // no longer drawn either.
  bool gameOn() const { return session_.gameOn; }
  void setGameOn(bool on);
  // The grids of the game in play are drawn, or hidden for a pause or while
  // a new puzzle loads.
  bool boardShown() const { return session_.boardShown; }
  void setBoardShown(bool shown);

  // The start screen gives way to a game: every entry and arrow hidden.
  void LeaveStartScreen();
  StartGroup startGroup() const { return session_.startGroup; }
  // Opens the sub-entries of one main entry and closes the others'.
  void OpenStartGroup(StartGroup group);
  const LevelArrows& levelArrows() const { return session_.levelArrows; }
  void setLevelArrows(LevelArrows arrows);

  Rgb hintLineColour() const { return session_.hintLineColour; }
  void setHintLineColour(Rgb colour);
  // An empty message hides the line.
  void setHintLine(const QString& message);

  Notice notice() const { return session_.notice; }
  void setNotice(Notice notice);

  // Read from the options when a single-grid game begins.
  void setColourHint(bool on);
  bool restarting() const { return session_.restarting; }
  void setRestarting(bool restarting);

  bool solveOffered() const { return session_.solveOffered; }
  void setSolveOffered(bool offered);
  bool resultsShown() const { return session_.resultsShown; }
  void setResultsShown(bool shown);

 private:
  void EnterMode(GameMode mode, int order, int level);
  void Draw();
  template <typename Fact, typename Value>
  void Change(Fact Session::*fact, const Value& value);

  Controls& controls_;
  Session session_;
};

}  // namespace varelo
