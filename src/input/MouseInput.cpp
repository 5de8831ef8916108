#include "input/MouseInput.h"

#include "core/Colour.h"
#include "model/GameState.h"
#include "settings/SettingsStore.h"

namespace varelo {

namespace {
// red, orange, yellow, green, cyan, blue, magenta, and back to red.
Rgb NextHintColour(Rgb colour) {
  const auto& cycle = colours::kHintLineCycle;
  for (std::size_t i = 0; i + 1 < std::size(cycle); ++i)
    if (colour == cycle[i]) return cycle[i + 1];
  return cycle[0];
}
}  // namespace

MouseInput::MouseInput(GameState& state, SettingsStore& settings, std::function<void()> updateLevelArrows)
    : state_(state), settings_(settings), updateLevelArrows_(std::move(updateLevelArrows)) {}

// The arrows test no bounds: the start screen only shows an arrow where a
// lower or higher opened level exists.
void MouseInput::StepLevel(int delta) {
  // The first run's "任务模式" shows no arrow, so there is always a level.
  state_.setResumeLevel(state_.resumeLevel().value_or(0) + delta);
  if (updateLevelArrows_) updateLevelArrows_();
}

bool MouseInput::CanStepLevel(int delta) const {
  const LevelArrows& arrows = state_.levelArrows();
  return delta < 0 ? arrows.left : arrows.right;
}

void MouseInput::CycleHintColour() {
  const Rgb next = NextHintColour(state_.hintLineColour());
  state_.setHintLineColour(next);
  settings_.Write(SettingKey::HintLineColour, static_cast<long long>(next.ToValue()));
}

}  // namespace varelo
