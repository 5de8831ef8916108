#pragma once
// The start screen's look: the caption labels LblBegin(i) drawn on
// the background, seven main entries in a column and, to their right, the
// sub-entries of the entry under the pointer, with the two arrows that browse
// mission levels. All of it is state of the control model, so the rules run
// without widgets; clicking the entries belongs to the game.

#include <optional>

#include "core/Colour.h"

namespace varelo {

class Controls;
class GameState;
class SettingsStore;

namespace startscreen {

inline constexpr int kEntryWidth = 2220;
inline constexpr int kEntryHeight = 525;
inline constexpr int kArrowSize = 120;

// Places the entries proportionally to the window's outer size (twips) and
// puts every entry back to the normal colour. While entry 2 serves as a
// notice (`noticeShown`), its place and colour belong to the notice.
void LayOut(Controls& controls, int windowWidth, int windowHeight, bool noticeShown = false);

// The pointer moves over entry i: highlight it (keeping its parent lit) and
// open the sub-entries of a main entry. Entry 2 does nothing while it serves
// as a notice (`noticeShown`).
void Hover(Controls& controls, GameState& state, const SettingsStore& settings, int entry, bool noticeShown);

// Shows the arrows beside the mission entry when a lower or a higher opened
// level than the one it names can be chosen; leaves them alone on the first
// run.
void UpdateLevelArrows(GameState& state, const SettingsStore& settings);

}  // namespace startscreen
}  // namespace varelo
