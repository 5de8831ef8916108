#pragma once
// The mission progress keys read as level numbers. Both are written only by
// the game, but a hand-edited store can hold anything: a value outside the
// bank's levels falls back to level 1 instead of naming a level that does not
// exist.

namespace varelo {

class SettingsStore;

inline constexpr int kFirstLevel = 1;
inline constexpr int kLastLevel = 1999;

// `state`: the current mission level.
int StoredMissionLevel(const SettingsStore& settings);

// `acs`: the number of levels opened, which the level menu lists.
int StoredLevelsOpened(const SettingsStore& settings);

}  // namespace varelo
