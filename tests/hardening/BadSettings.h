#pragma once
// The bad values every settings key is tried with, and a returning player's
// progress to watch over while the game runs with them.

#include <QString>

#include <ostream>
#include <string>
#include <vector>

#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

namespace varelo::testing {

struct BadValue {
  const char* label;  // for the test name
  QString text;
};

inline const std::vector<BadValue>& BadValues() {
  static const std::vector<BadValue> values{
      {"garbage", QStringLiteral("abc")},
      {"empty", QString()},
      {"huge", QStringLiteral("99999999999999999999")},
      {"negative", QStringLiteral("-5")},
      {"binary", QStringLiteral("\x01\x7f\u00ff\u2603=;[x]")},
  };
  return values;
}

// The keys a player or a broken disk can spoil, by their names in the store.
inline const std::vector<const char*>& CheckedKeys() {
  static const std::vector<const char*> keys{"state", "acs", "sl", "nd",   "st",    "wi",
                                             "he",    "lf",  "tp", "tsys", "color", "lbj"};
  return keys;
}

inline SettingKey KeyNamed(const QString& name) {
  for (const SettingInfo& info : AllSettings())
    if (info.name == name) return info.key;
  return SettingKey::FirstRun;  // not reached for the names above
}

// Level 12 in play, 15 levels opened, the first start long past.
inline const QString kStoredLevel = QStringLiteral("12");
inline const QString kStoredOpened = QStringLiteral("15");

inline void StoreProgress(SettingsStore& store) {
  store.Write(SettingKey::FirstRun, setting_values::kFalse);
  store.Write(SettingKey::MissionLevel, kStoredLevel);
  store.Write(SettingKey::LevelsOpened, kStoredOpened);
}

struct KeyAndValue {
  const char* key;
  BadValue value;
};

inline std::vector<KeyAndValue> EveryKeyWithEveryBadValue() {
  std::vector<KeyAndValue> all;
  for (const char* key : CheckedKeys())
    for (const BadValue& value : BadValues()) all.push_back({key, value});
  return all;
}

inline std::string NameOf(const KeyAndValue& kv) { return std::string(kv.key) + "_" + kv.value.label; }

inline void PrintTo(const KeyAndValue& kv, std::ostream* out) { *out << NameOf(kv); }

}  // namespace varelo::testing
