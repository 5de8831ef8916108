#include "settings/Preferences.h"

#include "settings/SettingsStore.h"

namespace varelo {

Preferences Preferences::ReadFrom(const SettingsStore& store) {
  Preferences p;
  p.colourHint = store.ReadNumber(SettingKey::ColourHint) != 0;
  p.bossKey = store.ReadNumber(SettingKey::BossKey) > 0;
  p.difficulty = store.ReadInt(SettingKey::Difficulty);
  p.timed = store.ReadNumber(SettingKey::Difficulty) > 1;
  p.givens = store.Read(SettingKey::Givens);
  p.trayTip = store.Read(SettingKey::TrayTip);
  p.background = store.Read(SettingKey::Background);
  return p;
}

}  // namespace varelo
