#pragma once
// The single keyboard entry point of the main window. Every key-down passes
// four stages in order: a cursor step of the main grid when the pointer is
// away from it, Esc (boss key or exit question), the hidden Ctrl+Alt+7
// switch of the frame correction, and, without Ctrl or Alt, the editing and
// level keys followed by the completion check.

#include <functional>

#include "model/KeyCodes.h"

namespace varelo {

class CellEditor;
class Cursors;
class MouseInput;
class Prompter;
class SettingsStore;
class WindowPort;

// What the keys need from above this layer: the window's pointer test, its
// cursor frames brought to rest before a key edits a cell, and the game's
// check after an entry.
struct KeyboardHooks {
  std::function<bool()> pointerOverMainGrid;
  std::function<void()> finishGlides;
  std::function<void()> afterEntryCheck;
};

class KeyboardMap {
 public:
  // Left and Right on the start screen step the level through `levels`.
  KeyboardMap(Cursors& cursors, CellEditor& editor, MouseInput& levels, SettingsStore& settings,
              Prompter& prompter, WindowPort& window, KeyboardHooks hooks);

  // `modifiers`: Shift 1, Ctrl 2, Alt 4.
  void KeyDown(int key, int modifiers);

 private:
  void StepMainCursor(int key);
  void BossKey();
  void ToggleFrameCorrection();
  void EditOrStepLevel(int key, int modifiers);

  Cursors& cursors_;
  CellEditor& editor_;
  MouseInput& levels_;
  SettingsStore& settings_;
  Prompter& prompter_;
  WindowPort& window_;
  KeyboardHooks hooks_;
};

}  // namespace varelo
