#pragma once
// The per-user settings store: string values addressed by section and key,
// in an INI file named after the executable (renaming it starts afresh).
// Every read goes to the store at the moment of use and every write reaches
// the file at once, so a crash right after a write loses nothing; the
// options the rules use are kept parsed (Preferences) beside it.
//
// A file the store cannot trust is never lost: something that is no regular
// file, or one too large to be settings, is moved aside; a file Qt would
// misread is copied aside, read from what a line-by-line reading finds in
// it, and rewritten so at the first write, so the mission progress survives. The player hears of each
// such step, and of settings that cannot be saved, once.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "settings/Preferences.h"
#include "settings/SettingKeys.h"

class QSettings;

namespace varelo {

class SettingsStore {
 public:
  // The longest value read or written; a path is at most a few KiB, and a
  // longer text is nothing the game wrote.
  static constexpr qsizetype kMaxValueLength = 4096;

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

  // Reads what other programs wrote to the file since (reads otherwise keep
  // what this process last read or wrote).
  void Refresh();

  // The options, parsed when the store opened and after each write since.
  const Preferences& preferences() const { return preferences_; }

  // The file behind the store, for messages and tests.
  QString fileName() const;

  // `tell` gets each one-line notice for the player: the file was set aside,
  // or the settings cannot be saved (once a session). Notices from before
  // the call are passed on at once.
  void OnNotice(std::function<void(const QString&)> tell);

 private:
  void Open();
  void Store(const QString& section, const QString& key, const QString& value);
  void Recover(const QByteArray& bytes, const QByteArray& repaired);
  static QHash<QString, QString> ValuesOf(const QByteArray& text);
  bool Rewrite();
  void Notify(const QString& text);
  void NotifyUnsaved();

  QString path_;
  std::unique_ptr<QSettings> settings_;  // null: the file is unusable, values live in memory_
  QHash<QString, QString> memory_;
  QByteArray repaired_;  // the file as the first write makes it, when Qt misread it
  QStringList pending_;
  std::function<void(const QString&)> tell_;
  bool unsavedTold_ = false;
  Preferences preferences_;
};

// The executable's base name, the store's default application name.
QString ExecutableBaseName();

// The one-line notices.
QString SetAsideNotice(const QString& copy);
QString UnsavedNotice(const QString& file);

}  // namespace varelo
