#include "input/KeyboardMap.h"

#include "input/CellEditor.h"
#include "input/MouseInput.h"
#include "model/Cursors.h"
#include "model/Prompter.h"
#include "model/Texts.h"
#include "model/WindowPort.h"
#include "settings/SettingsStore.h"

namespace varelo {

namespace {
constexpr int kShiftOnly = kShift;
constexpr int kCtrlAlt = kCtrl | kAlt;
constexpr int kShiftRepeat = 35;  // Shift+Left/Right steps up to 35 levels
}  // namespace

KeyboardMap::KeyboardMap(Cursors& cursors, CellEditor& editor, MouseInput& levels, SettingsStore& settings,
                         Prompter& prompter, WindowPort& window, KeyboardHooks hooks)
    : cursors_(cursors), editor_(editor), levels_(levels), settings_(settings), prompter_(prompter), window_(window),
      hooks_(std::move(hooks)) {}

void KeyboardMap::KeyDown(int key, int modifiers) {
  if (key >= keys::kLeft && key <= keys::kDown) StepMainCursor(key);
  if (key == keys::kEscape) BossKey();
  if (modifiers == kCtrlAlt && (key == keys::kDigit0 + 7 || key == keys::kKeypad0 + 7)) ToggleFrameCorrection();
  if (modifiers == 0 || modifiers == kShiftOnly) {
    EditOrStepLevel(key, modifiers);
    if (hooks_.afterEntryCheck) hooks_.afterEntryCheck();
  }
}

// With the pointer over the main grid its cursor follows the pointer; away
// from it the arrow keys step the cursor one cell, a little slower.
void KeyboardMap::StepMainCursor(int key) {
  if (hooks_.pointerOverMainGrid && hooks_.pointerOverMainGrid()) return;
  CursorState cursor = cursors_.state(0);
  switch (key) {
    case keys::kLeft: cursor.horizontal = 2; break;
    case keys::kRight: cursor.horizontal = 4; break;
    case keys::kUp: cursor.vertical = 1; break;
    default: cursor.vertical = 3; break;
  }
  cursors_.setState(0, cursor);
  cursors_.setStep(Cursors::kKeyStep);
}

void KeyboardMap::BossKey() {
  if (settings_.preferences().bossKey) return window_.hideToTray();
  const Prompt question{texts::kQuitQuestion, Prompt::Icon::Question, Prompt::Buttons::OkCancel};
  if (prompter_.Ask(question) == Answer::Ok) window_.quitNow();
}

void KeyboardMap::ToggleFrameCorrection() {
  if (settings_.Read(SettingKey::FrameCorrection) == setting_values::kYes) {
    settings_.Write(SettingKey::FrameCorrection, setting_values::kNo);
    prompter_.Inform(QStringLiteral("修正已取消，将在下次运行游戏时生效。"));
  } else {
    settings_.Write(SettingKey::FrameCorrection, setting_values::kYes);
    prompter_.Inform(QStringLiteral("修正已完成，将在下次运行游戏时生效。"));
  }
}

namespace {
bool IsEditKey(int key) {
  return key == keys::kBackspace || (key >= keys::kDigit0 && key <= keys::kDigit0 + 9) ||
         (key >= keys::kKeypad0 && key <= keys::kKeypad0 + 9);
}
}  // namespace

void KeyboardMap::EditOrStepLevel(int key, int modifiers) {
  // A key typed while a frame glides acts on the cell the frame is heading
  // for: waiting for the frame to arrive would drop it.
  if (IsEditKey(key) && hooks_.finishGlides) hooks_.finishGlides();
  if (key == keys::kBackspace || key == keys::kDigit0 || key == keys::kKeypad0) return editor_.EraseDigit();
  if (key > keys::kDigit0 && key <= keys::kDigit0 + 9) return editor_.EnterDigit(key - keys::kDigit0);
  if (key > keys::kKeypad0 && key <= keys::kKeypad0 + 9) return editor_.EnterDigit(key - keys::kKeypad0);
  if (key != keys::kLeft && key != keys::kRight) return;

  // Each step asks again whether the arrow is offered, so a Shift run stops
  // at the first or the highest opened level.
  const int delta = key == keys::kLeft ? -1 : 1;
  const int times = modifiers == kShiftOnly ? kShiftRepeat : 1;
  for (int i = 0; i < times && levels_.CanStepLevel(delta); ++i)
    key == keys::kLeft ? levels_.PreviousLevel() : levels_.NextLevel();
}

}  // namespace varelo
