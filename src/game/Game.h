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
#include "game/Controls.h"
#include "settings/AppPaths.h"
#include "ui/model/Cursors.h"

namespace varelo {

class Prompter;
class SettingsStore;
class WindowPort;

// Modifier bits of a key event, as the keyboard map tests them.
enum KeyModifier { kShift = 1, kCtrl = 2, kAlt = 4 };

class Game : public QObject {
  Q_OBJECT

 public:
  Game(SettingsStore& settings, Prompter& prompter, WindowPort& window, AppPaths paths,
       QObject* parent = nullptr);
  ~Game() override;

  Board& board() { return board_; }
  Controls& controls() { return controls_; }
  Cursors& cursors() { return cursors_; }
  RandomSource& random() { return random_; }
  RuleChecks& checks() { return checks_; }
  ColourHint& hint() { return hint_; }
  SettingsStore& settings() { return settings_; }
  Prompter& prompter() { return prompter_; }
  WindowPort& window() { return window_; }
  const AppPaths& paths() const { return paths_; }

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
  // name, "LblBegin"); a later registration replaces an earlier one.
  void OnClick(const QString& name, Handler handler) { clickHandlers_[name] = std::move(handler); }
  void OnHover(const QString& name, Handler handler) { hoverHandlers_[name] = std::move(handler); }
  void OnKeyDown(std::function<void(int, int)> handler) { keyHandler_ = std::move(handler); }

 private:
  static void Dispatch(const QHash<QString, Handler>& handlers, const QString& name);

  SettingsStore& settings_;
  Prompter& prompter_;
  WindowPort& window_;
  AppPaths paths_;

  Board board_;
  Controls controls_;
  Cursors cursors_;
  RandomSource random_;
  RuleChecks checks_;
  ColourHint hint_;

  QHash<QString, Handler> clickHandlers_;
  QHash<QString, Handler> hoverHandlers_;
  std::function<void(int, int)> keyHandler_;
};

}  // namespace varelo
