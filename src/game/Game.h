#pragma once
// The game: the board, the state of the window's controls, and every rule
// that drives them. The main window owns one Game, renders its models and
// forwards its events here by control name; tests do the same without a
// window.

#include <QHash>
#include <QObject>

#include <functional>
#include <memory>

#include "core/Board.h"
#include "core/ColourHint.h"
#include "core/RandomSource.h"
#include "core/RuleChecks.h"
#include "game/PuzzleSetup.h"
#include "game/StartNotice.h"
#include "model/Controls.h"
#include "model/Cursors.h"
#include "model/GameState.h"
#include "model/KeyCodes.h"
#include "settings/AppPaths.h"

namespace varelo {

class CellEditor;
class Completion;
class ConflictMarker;
class FileMenu;
class GameClock;
class GameFlow;
class KeyboardMap;
class LevelBank;
class MouseInput;
class OptionsFlow;
class Prompter;
class SettingsStore;
class SolveController;
class TimeBar;
class TopBarSlide;
class WindowPort;

// The seams of the game: the parts reach each other directly, except through
// these links. The window gives three (the start screen's arrows, the
// pointer test and the cursor frames brought to rest); the game fills the others with its own parts, and tests
// replace them with made-up grids and levels or watch them.
struct GameLinks {
  std::function<FilledGrid(const FillRequest&)> randomFill;
  LevelEntry levelEntry;
  std::function<void()> slideTopBarIn;
  std::function<void()> updateLevelArrows;
  std::function<bool()> pointerOverMainGrid;
  std::function<void()> finishGlides;
};

class Game : public QObject {
  Q_OBJECT

 public:
  Game(SettingsStore& settings, Prompter& prompter, WindowPort& window, AppPaths paths, QObject* parent = nullptr);
  ~Game() override;

  Board& board() { return board_; }
  Controls& controls() { return controls_; }
  GameState& state() { return state_; }
  StartNotice& notice() { return notice_; }
  Cursors& cursors() { return cursors_; }
  RandomSource& random() { return random_; }
  RuleChecks& checks() { return checks_; }
  ColourHint& hint() { return hint_; }
  SettingsStore& settings() { return settings_; }
  Prompter& prompter() { return prompter_; }
  WindowPort& window() { return window_; }
  const AppPaths& paths() const { return paths_; }

  CellEditor& editor() { return *editor_; }
  ConflictMarker& conflicts() { return *conflicts_; }
  GameClock& clock() { return *clock_; }
  TimeBar& timeBar() { return *timeBar_; }
  Completion& completion() { return *completion_; }
  GameFlow& flow() { return *flow_; }
  LevelBank& levelBank() { return *bank_; }
  SolveController& solver() { return *solver_; }
  TopBarSlide& topBar() { return *topBar_; }
  OptionsFlow& options() { return *options_; }
  FileMenu& fileMenu() { return *files_; }
  GameLinks& links() { return links_; }

  // The game's share of the window's load handler: seeds the generator,
  // colours the hint line and prepares the puzzle sources. The window calls
  // it once, after building its grid views.
  void Load();

  // Window events. `name` is the control's name ("Command2", "sjms",
  // "LblBegin(7)", "mnuLevels(4)"); members of a control array reach the
  // handler of the array with their index.
  void Click(const QString& name);
  void Hover(const QString& name);
  // `keyCode` is the virtual-key code (Backspace 8, Esc 27, Left..Down
  // 37..40, digits 48..57, keypad digits 96..105); `modifiers` the KeyModifier bits.
  void KeyDown(int keyCode, int modifiers);

  using Handler = std::function<void(int index)>;
  // Registers the handler of a control or of a control array (by its bare
  // name, "LblBegin"). A name has one handler: a second registration is a
  // fault and stops the program, as does an event for a name without one.
  void OnClick(const QString& name, Handler handler) { Register(clickHandlers_, name, std::move(handler)); }
  void OnHover(const QString& name, Handler handler) { Register(hoverHandlers_, name, std::move(handler)); }
  // Swaps a registered handler for another, on purpose: a window test that
  // watches what the widgets forward, without the game acting on it.
  void ReplaceOnClick(const QString& name, Handler handler);
  bool handlesClick(const QString& name) const;

 private:
  static void Register(QHash<QString, Handler>& handlers, const QString& name, Handler handler);
  static const Handler* Find(const QHash<QString, Handler>& handlers, const QString& name, int& index);
  static void Dispatch(const QHash<QString, Handler>& handlers, const QString& name);
  void RegisterHandlers();
  void LinkOwnParts();
  FilledGrid GenerateGrid(const FillRequest& request);

  SettingsStore& settings_;
  Prompter& prompter_;
  WindowPort& window_;
  AppPaths paths_;
  GameLinks links_;

  Board board_;
  Controls controls_;
  GameState state_{controls_};
  StartNotice notice_{controls_, state_};
  Cursors cursors_;
  RandomSource random_;
  RuleChecks checks_;
  ColourHint hint_;

  ConflictMarker* conflicts_;  // QObject children: their timers are found by name
  TimeBar* timeBar_;
  GameClock* clock_;
  std::unique_ptr<CellEditor> editor_;
  std::unique_ptr<PuzzleSetup> setup_;
  Completion* completion_;
  GameFlow* flow_;
  std::unique_ptr<KeyboardMap> keyboard_;
  std::unique_ptr<MouseInput> mouse_;
  LevelBank* bank_;
  TopBarSlide* topBar_;
  SolveController* solver_;
  FileMenu* files_;
  std::unique_ptr<OptionsFlow> options_;

  QHash<QString, Handler> clickHandlers_;
  QHash<QString, Handler> hoverHandlers_;
};

}  // namespace varelo
