#pragma once
// The per-user settings store: string values addressed by section and key,
// in an INI file named after the executable (renaming it starts afresh).
// Every read goes to the store at the moment of use and every write reaches
// the file at once, so a crash right after a write loses nothing.

#include <QString>

#include <memory>

#include "settings/SettingKeys.h"

class QSettings;

namespace varelo {

class SettingsStore {
 public:
  // The application name defaults to the executable's base name.
  explicit SettingsStore(const QString& applicationName = QString());
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  QString Read(const QString& section, const QString& key, const QString& defaultValue) const;
  void Write(const QString& section, const QString& key, const QString& value);

  // The keys of the game, in section "Option", with their table defaults.
  QString Read(SettingKey key) const;
  double ReadNumber(SettingKey key) const;  // lenient parse of Read(key)
  int ReadInt(SettingKey key) const;        // the same, truncated and clamped
  void Write(SettingKey key, const QString& value);
  void Write(SettingKey key, long long value);

  // The file behind the store, for messages and tests.
  QString fileName() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

// The executable's base name, the store's default application name.
QString ExecutableBaseName();

}  // namespace varelo
