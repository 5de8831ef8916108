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

// Opens the levels up to `opened` unless the file holds more already: it is
// read afresh first, since another copy of the game may have opened more
// meanwhile, and a count of opened levels never goes back.
void RaiseLevelsOpened(SettingsStore& settings, int opened);

}  // namespace varelo
