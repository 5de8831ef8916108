#pragma once
// The clicks the window reacts to around the play area: the level arrows
// beside the start screen's mission entry, and the hint line, whose ink
// steps through seven colours and is remembered.

#include <functional>

namespace varelo {

class GameState;
class SettingsStore;

class MouseInput {
 public:
  // `updateLevelArrows` lets the start screen show or hide the arrows for the
  // level now named.
  MouseInput(GameState& state, SettingsStore& settings, std::function<void()> updateLevelArrows);

  void PreviousLevel() { StepLevel(-1); }
  void NextLevel() { StepLevel(+1); }
  void CycleHintColour();
  // Whether the start screen offers a lower (delta < 0) or a higher level.
  bool CanStepLevel(int delta) const;

 private:
  void StepLevel(int delta);

  GameState& state_;
  SettingsStore& settings_;
  std::function<void()> updateLevelArrows_;
};

}  // namespace varelo
