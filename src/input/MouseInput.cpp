#include "input/MouseInput.h"

#include "model/Controls.h"
#include "model/GameState.h"
#include "settings/SettingsStore.h"

namespace varelo {

namespace {
const QString kHintLine = ctl::kLbltishi;

// red, orange, yellow, green, cyan, blue, magenta, and back to red.
Rgb NextHintColour(Rgb colour) {
  const auto& cycle = colours::kHintLineCycle;
  for (std::size_t i = 0; i + 1 < std::size(cycle); ++i)
    if (colour == cycle[i]) return cycle[i + 1];
  return cycle[0];
}
}  // namespace

MouseInput::MouseInput(Controls& controls, GameState& state, SettingsStore& settings,
                       std::function<void()> updateLevelArrows)
    : controls_(controls), state_(state), settings_(settings), updateLevelArrows_(std::move(updateLevelArrows)) {}

// The arrows test no bounds: the start screen only shows an arrow where a
// lower or higher opened level exists.
void MouseInput::StepLevel(int delta) {
  // The first run's "任务模式" shows no arrow, so there is always a level.
  state_.setResumeLevel(state_.resumeLevel().value_or(0) + delta);
  if (updateLevelArrows_) updateLevelArrows_();
}

void MouseInput::CycleHintColour() {
  const Rgb next = NextHintColour(controls_.colour(kHintLine));
  controls_.setColour(kHintLine, next);
  settings_.Write(SettingKey::HintLineColour, static_cast<long long>(next.ToValue()));
}

}  // namespace varelo
