#pragma once
// Entering the modes from the menus and the start screen, the top bar, the
// difficulty and its time limit, and the restart that every playing game
// goes through. A restart always builds a new puzzle of the same kind.

#include <QObject>

#include <functional>

#include "game/PuzzleSetup.h"
#include "model/GameState.h"
#include "model/StartEntries.h"

class QTimer;

namespace varelo {

class Board;
class CellEditor;
class Completion;
class ConflictMarker;
class GameState;
class StartNotice;
class Cursors;
class FileMenu;
class GameClock;
class SettingsStore;

// The game's links, which tests replace.
struct GameFlowHooks {
  LevelEntry levelEntry;
  std::function<void()> slideTopBarIn;
};

class GameFlow : public QObject {
  Q_OBJECT

 public:
  GameFlow(Board& board, GameState& state, StartNotice& notice, Cursors& cursors, SettingsStore& settings,
           GameClock& clock, CellEditor& editor, ConflictMarker& conflicts, PuzzleSetup& setup, Completion& completion,
           FileMenu& files, GameFlowHooks hooks, QObject* parent = nullptr);

  // The games the menus start. `order` is the board's: 0 for a single grid.
  void StartMission(int level);
  void StartRandom();
  void StartCombination(int order);
  void EnterSolveMode(int order);

  // The start screen's game entries (Mission, Random, Order2, Order3,
  // Solve1..Solve3); the others start nothing.
  void StartScreenEntry(StartEntry entry);

  // Restart of the current playing game (ignored while a conflict shows).
  void Restart();
  // The hint field from the setting `color`.
  void ShowHintCaption();
  // The same for the game on screen, which may not show the hint at all.
  void ShowHintCaptionOfGame() { ShowHintCaptionOf(state_.mode()); }
  // Restart once the Options dialog has closed.
  void StartDeferredRestart();

 private:
  void RestartNow();
  void LeaveCurrentGame(bool playing);
  void ShowLoading();
  void EnterPlayingMode(int order);
  void PrepareCombinationGrids(int order);
  void TakeInputIn(int order);
  void ShowHintCaptionOf(GameMode mode);
  void SetClock(int order);
  void CopyLevel(int level);
  void StartFromStartScreen(int order);

  Board& board_;
  GameState& state_;
  StartNotice& notice_;
  Cursors& cursors_;
  SettingsStore& settings_;
  GameClock& clock_;
  CellEditor& editor_;
  ConflictMarker& conflicts_;
  PuzzleSetup& setup_;
  Completion& completion_;
  FileMenu& files_;  // solve mode lists the puzzle files
  GameFlowHooks hooks_;
  QTimer* restartTimer_;
};

}  // namespace varelo
