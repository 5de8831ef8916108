#pragma once
// The clicks the window reacts to around the play area: the level arrows
// beside the start screen's mission entry, and the hint line, whose ink
// steps through seven colours and is remembered.

#include <functional>

namespace varelo {

class Controls;
class GameState;
class SettingsStore;

class MouseInput {
 public:
  // `updateLevelArrows` lets the start screen show or hide the arrows for the
  // level now named.
  MouseInput(Controls& controls, GameState& state, SettingsStore& settings, std::function<void()> updateLevelArrows);

  void PreviousLevel() { StepLevel(-1); }
  void NextLevel() { StepLevel(+1); }
  void CycleHintColour();

 private:
  void StepLevel(int delta);

  Controls& controls_;
  GameState& state_;
  SettingsStore& settings_;
  std::function<void()> updateLevelArrows_;
};

}  // namespace varelo
