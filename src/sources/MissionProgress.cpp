#include "sources/MissionProgress.h"

#include "settings/SettingsStore.h"

namespace varelo {

namespace {

int LevelOrFirst(int value) { return value >= kFirstLevel && value <= kLastLevel ? value : kFirstLevel; }

}  // namespace

int StoredMissionLevel(const SettingsStore& settings) {
  return LevelOrFirst(settings.ReadInt(SettingKey::MissionLevel));
}

int StoredLevelsOpened(const SettingsStore& settings) {
  return LevelOrFirst(settings.ReadInt(SettingKey::LevelsOpened));
}

void RaiseLevelsOpened(SettingsStore& settings, int opened) {
  settings.Refresh();
  if (settings.ReadInt(SettingKey::LevelsOpened) < opened) settings.Write(SettingKey::LevelsOpened, opened);
}

}  // namespace varelo
