#pragma once
// After every change of the grids: keep the solve button in step with the
// typed digits, and recognise a complete, valid position. In play that is a
// win: the next game starts at once (single grid), or the grids lock and a
// bobbing pointer invites a restart (combinations). In solve mode it only
// confirms that the digits form a valid Sudoku.

#include <QObject>

#include <functional>

#include "game/PuzzleSetup.h"

class QTimer;

namespace varelo {

class Board;
class CellEditor;
class Controls;
class GameState;
class StartNotice;
class Cursors;
class GameClock;
class LevelMenu;
class Prompter;
class SettingsStore;

class Completion : public QObject {
  Q_OBJECT

 public:
  Completion(Board& board, Controls& controls, GameState& state, StartNotice& notice, Cursors& cursors,
             Prompter& prompter, SettingsStore& settings, GameClock& clock, CellEditor& editor, PuzzleSetup& setup,
             LevelEntry levelEntry, LevelMenu& levelMenu, QObject* parent = nullptr);

  void AfterEntryCheck();

  // Whether the grids of the order are full and obey the rule. The test
  // marks nothing: a full grid with a repeated digit is simply not complete.
  bool GridsComplete(int order) const;

  // The pointer bobbing above the restart button after a combination win;
  // its timer Timer17 runs only while the window can be seen.
  void StartPointer();
  void StopPointer();
  bool pointerRunning() const;
  void setWindowSeen(bool seen);

 public slots:
  // Timer17's tick: the pointer above the restart button moves a step.
  void BobPointer();

 private:
  void UpdateSolveButton();
  void CheckSingleCompletion();
  void CheckCombinationCompletion(int order);
  void StartNextSingleGame();
  int StoredLevel() const;

  Board& board_;
  Controls& controls_;
  GameState& state_;
  StartNotice& notice_;
  Cursors& cursors_;
  Prompter& prompter_;
  SettingsStore& settings_;
  GameClock& clock_;
  CellEditor& editor_;
  PuzzleSetup& setup_;
  LevelEntry levelEntry_;
  LevelMenu& levelMenu_;  // gains the next level when one is won
  QTimer* pointerTimer_;
  bool pointerDown_ = true;
  bool bobbing_ = false;
  bool windowSeen_ = true;
};

}  // namespace varelo
