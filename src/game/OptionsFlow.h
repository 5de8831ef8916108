#pragma once
// What the Options dialog does to the game around it: opening it pauses a
// game on screen (grids hidden, clock stopped, top bar slid out, "Pause" in
// the middle of the window); OK saves the settings and resumes the game, or
// restarts it when a setting that shapes the puzzle changed (asking first
// when the player has written digits); Cancel resumes.

#include <QString>

namespace varelo {

class Board;
class ColourHint;
class Controls;
class GameState;
class StartNotice;
class Cursors;
class GameClock;
class GameFlow;
class Prompter;
class SettingsStore;
class TopBarSlide;
class WindowPort;

// The values the dialog edits.
struct OptionValues {
  int colourHint = 2;       // check box state 0, 1, 2
  int bossKey = 2;          // check box state 0, 1, 2
  int difficultyIndex = 1;  // 0 beginner .. 3 hard
  QString givens = QStringLiteral("35");
  QString trayTip;
  QString background;
};

class OptionsFlow {
 public:
  OptionsFlow(Board& board, Controls& controls, GameState& state, StartNotice& notice, Cursors& cursors,
              SettingsStore& settings, GameClock& clock, TopBarSlide& topBar, GameFlow& flow, WindowPort& window,
              ColourHint& hint, Prompter& prompter);

  // Pauses a game on screen; the dialog opens after this.
  void Open();

  // The values to show, from the settings. An invalid `sl` is repaired to
  // "35" and saved at once.
  OptionValues Load();

  // OK: saves `values`; restarts the game when the colour hint, the
  // difficulty or the number of givens differs from what Load() returned.
  // A game with digits of the player's restarts only when the player agrees;
  // otherwise it goes on, the changed colour hint shown at once.
  void Accept(const OptionValues& values);
  // Cancel: nothing is saved; the game goes on.
  void Cancel();

  // Whether `text` is a valid number of givens: a whole number 11..75.
  static bool ValidGivens(const QString& text);

 private:
  bool GameOnScreen() const;
  bool GameRunning() const;
  bool RestartAgreed();
  void Save(const OptionValues& values, bool showDifficulty);
  void ShowNewColourHint();
  void Resume(bool restartPending);

  Board& board_;
  Controls& controls_;
  GameState& state_;
  StartNotice& notice_;
  Cursors& cursors_;
  SettingsStore& settings_;
  GameClock& clock_;
  TopBarSlide& topBar_;
  GameFlow& flow_;
  WindowPort& window_;
  ColourHint& hint_;
  Prompter& prompter_;
  OptionValues loaded_;
  bool clockWasRunning_ = false;
};

}  // namespace varelo
