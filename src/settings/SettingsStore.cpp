#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

#include "settings/LenientNumber.h"

namespace varelo {

namespace {
const QString kOrganization = QStringLiteral("Varelo");

QString FullKey(const QString& section, const QString& key) { return section + u'/' + key; }
}  // namespace

QString ExecutableBaseName() {
  const QString path = QCoreApplication::applicationFilePath();
  if (!path.isEmpty()) return QFileInfo(path).completeBaseName();
  return QCoreApplication::applicationName();
}

SettingsStore::SettingsStore(const QString& applicationName)
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganization,
                                            applicationName.isEmpty() ? ExecutableBaseName() : applicationName)) {
  // Qt parses the file's sections lazily, and after a broken section header
  // its lookup can miss a key that a full parse finds; the next write parses
  // everything, so that key would change its value on a write of another.
  // Parsing all of it now makes every read agree with what a write keeps.
  settings_->allKeys();
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::Read(const QString& section, const QString& key, const QString& defaultValue) const {
  // No sync() here: stores of one process share Qt's parsed copy of the
  // file, which every Write() updates, and a sync per read costs more than a
  // whole colour-hint refresh.
  const QVariant value = settings_->value(FullKey(section, key));
  if (!value.isValid()) return defaultValue;
  // A hand-edited INI line such as "a, b" comes back as a list; read it whole.
  // Qt writes a list back as a QVariantList when an item needs escaping (a
  // control character), so both kinds must read alike, or writing any other
  // key would change this one.
  const int type = value.typeId();
  // An empty list, or one with an item that has no text, reads as absent:
  // Qt writes either back as "@Invalid()".
  const auto hasText = [](const QVariant& item) { return item.canConvert<QString>(); };
  if (type == QMetaType::QStringList || type == QMetaType::QVariantList) {
    const QVariantList items = value.toList();
    if (items.isEmpty() || !std::all_of(items.begin(), items.end(), hasText)) return defaultValue;
    return value.toStringList().join(u", ");
  }
  // A value stored as a type that has no text ("@Rect(...)", "@Variant(...)")
  // is nothing the game wrote: it reads as absent, which is also what Qt
  // keeps of it ("@Invalid()") when it cannot write the type back.
  if (!hasText(value)) return defaultValue;
  return value.toString();
}

void SettingsStore::Write(const QString& section, const QString& key, const QString& value) {
  settings_->setValue(FullKey(section, key), value);
  settings_->sync();  // a failing write is not reported; the game goes on
}

QString SettingsStore::Read(SettingKey key) const {
  const SettingInfo& info = InfoOf(key);
  return Read(kSettingsSection, info.name, info.defaultValue);
}

double SettingsStore::ReadNumber(SettingKey key) const { return ParseNumber(Read(key)); }

int SettingsStore::ReadInt(SettingKey key) const { return ParseInt(Read(key)); }

void SettingsStore::Write(SettingKey key, const QString& value) { Write(kSettingsSection, InfoOf(key).name, value); }

void SettingsStore::Write(SettingKey key, long long value) { Write(key, QString::number(value)); }

QString SettingsStore::fileName() const { return settings_->fileName(); }

}  // namespace varelo
