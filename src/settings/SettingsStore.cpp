#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>

#include "settings/IniScan.h"
#include "settings/LenientNumber.h"
#include "settings/RegularFile.h"
#include "settings/SettingsFile.h"

namespace varelo {

namespace {
const QString kOrganization = QStringLiteral("Varelo");

QString FullKey(const QString& section, const QString& key) { return section + u'/' + key; }

// Where Qt keeps the user's INI file of `applicationName`, including a
// folder set with QSettings::setPath. Asked of a store under a name no file
// has, so that nothing at the real name is opened before it is looked at.
QString UserFileName(const QString& applicationName) {
  const QSettings probe(QSettings::IniFormat, QSettings::UserScope, kOrganization,
                        QStringLiteral(".varelo-path-probe"));
  return QFileInfo(probe.fileName()).absolutePath() + u'/' + applicationName + QStringLiteral(".ini");
}

// A value as Read() gives it; absent when it has no text or is too long.
QString TextOf(const QVariant& value, const QString& defaultValue) {
  if (!value.isValid()) return defaultValue;
  // A hand-edited INI line such as "a, b" comes back as a list; read it whole.
  // Qt writes a list back as a QVariantList when an item needs escaping (a
  // control character), so both kinds must read alike, or writing any other
  // key would change this one.
  const int type = value.typeId();
  // An empty list, or one with an item that has no text, reads as absent:
  // Qt writes either back as "@Invalid()".
  const auto hasText = [](const QVariant& item) { return item.canConvert<QString>(); };
  QString text;
  if (type == QMetaType::QStringList || type == QMetaType::QVariantList) {
    const QVariantList items = value.toList();
    if (items.isEmpty() || !std::all_of(items.begin(), items.end(), hasText)) return defaultValue;
    text = value.toStringList().join(u", ");
  } else if (hasText(value)) {
    text = value.toString();
  } else {
    // A value stored as a type that has no text ("@Rect(...)", "@Variant(...)")
    // is nothing the game wrote: it reads as absent, which is also what Qt
    // keeps of it ("@Invalid()") when it cannot write the type back.
    return defaultValue;
  }
  return text.size() > SettingsStore::kMaxValueLength ? defaultValue : text;
}

// Whether Qt reads every key of the game that a line-by-line reading finds
// in the file, with the same value where that value is plain text.
bool QtReadsWhatTheLinesSay(const QSettings& settings, const QList<IniLine>& lines) {
  for (const IniLine& line : lines) {
    const QString key = DecodedKey(line.key);
    const bool ours = std::any_of(AllSettings().begin(), AllSettings().end(),
                                  [&key](const SettingInfo& info) { return info.name == key; });
    if (!ours) continue;
    const QVariant value = settings.value(FullKey(kSettingsSection, key));
    if (!value.isValid()) return false;
    if (IsPlainValue(line.value) && value.toString() != QString::fromUtf8(line.value)) return false;
  }
  return true;
}
}  // namespace

QString ExecutableBaseName() {
  const QString path = QCoreApplication::applicationFilePath();
  if (!path.isEmpty()) return QFileInfo(path).completeBaseName();
  return QCoreApplication::applicationName();
}

QString SetAsideNotice(const QString& copy) {
  return QStringLiteral("设置文件无法正常读取，原文件已另存为") + ShownPath(copy);
}

QString UnsavedNotice(const QString& file) {
  return QStringLiteral("无法保存设置和进度，本次的进度将会丢失。文件：") + ShownPath(file);
}

SettingsStore::SettingsStore(const QString& applicationName)
    : path_(UserFileName(applicationName.isEmpty() ? ExecutableBaseName() : applicationName)) {
  Open();
  if (!CanWriteSettingsFile(path_)) NotifyUnsaved();
  preferences_ = Preferences::ReadFrom(*this);
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::Open() {
  const FoundSettingsFile found = FindSettingsFile(path_);
  if (found.state == FoundSettingsFile::State::Stuck) return NotifyUnsaved();
  if (found.state == FoundSettingsFile::State::SetAside) Notify(SetAsideNotice(found.setAsideAs));
  settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
  // Qt parses the file's sections lazily, and after a broken section header
  // its lookup can miss a key that a full parse finds; the next write parses
  // everything, so that key would change its value on a write of another.
  // Parsing all of it now makes every read agree with what a write keeps.
  settings_->allKeys();
  if (found.state != FoundSettingsFile::State::Read) return;
  const QList<IniLine> lines = ScanSection(found.bytes, kSettingsSection.toUtf8());
  if (!QtReadsWhatTheLinesSay(*settings_, lines)) Recover(found.bytes, SectionText(kSettingsSection.toUtf8(), lines));
}

// A file Qt misreads: a copy of it is kept at once, and until the first
// write, which rewrites the file from what the lines give, the keys are read
// from that text. Reading alone changes no file. Without a copy nothing is
// ever written: the session runs on those keys in memory.
void SettingsStore::Recover(const QByteArray& bytes, const QByteArray& repaired) {
  settings_.reset();
  memory_ = ValuesOf(repaired);
  // Without a temporary file to parse, the plain values serve as they stand.
  if (memory_.isEmpty())
    for (const IniLine& line : ScanSection(repaired, kSettingsSection.toUtf8()))
      if (IsPlainValue(line.value))
        memory_.insert(FullKey(kSettingsSection, DecodedKey(line.key)), QString::fromUtf8(line.value));
  const QString copy = KeepCopy(path_, bytes);
  if (copy.isEmpty()) return NotifyUnsaved();
  repaired_ = repaired;
  Notify(SetAsideNotice(copy));
}

// Values as Qt reads them from `text`, by full key.
QHash<QString, QString> SettingsStore::ValuesOf(const QByteArray& text) {
  QHash<QString, QString> values;
  QTemporaryFile file;
  if (!file.open() || file.write(text) != text.size() || !file.flush()) return values;
  const QSettings parsed(file.fileName(), QSettings::IniFormat);
  for (const QString& key : parsed.allKeys()) {
    const QString value = TextOf(parsed.value(key), QString());
    if (!value.isNull()) values.insert(key, value);
  }
  return values;
}

bool SettingsStore::Rewrite() {
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly) || file.write(repaired_) != repaired_.size() || !file.commit()) return false;
  repaired_.clear();
  memory_.clear();
  settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
  settings_->sync();  // the cache of this process may still hold the misread file
  settings_->allKeys();
  return true;
}

QString SettingsStore::Read(const QString& section, const QString& key, const QString& defaultValue) const {
  if (!settings_) {
    const QString value = memory_.value(FullKey(section, key), defaultValue);
    return value.size() > kMaxValueLength ? defaultValue : value;
  }
  // No sync() here: stores of one process share Qt's parsed copy of the
  // file, which every Write() updates, and a sync per read costs more than a
  // whole colour-hint refresh.
  return TextOf(settings_->value(FullKey(section, key)), defaultValue);
}

void SettingsStore::Write(const QString& section, const QString& key, const QString& value) {
  Store(section, key, value);
  preferences_ = Preferences::ReadFrom(*this);
}

void SettingsStore::Store(const QString& section, const QString& key, const QString& value) {
  if (value.size() > kMaxValueLength) return;
  if (!repaired_.isEmpty() && !Rewrite()) {
    repaired_.clear();
    NotifyUnsaved();
  }
  if (!settings_) {
    memory_.insert(FullKey(section, key), value);
    return;
  }
  settings_->setValue(FullKey(section, key), value);
  settings_->sync();
  // FormatError only says the file read had junk; the write went through.
  if (settings_->status() == QSettings::AccessError) NotifyUnsaved();
}

QString SettingsStore::Read(SettingKey key) const {
  const SettingInfo& info = InfoOf(key);
  return Read(kSettingsSection, info.name, info.defaultValue);
}

double SettingsStore::ReadNumber(SettingKey key) const { return ParseNumber(Read(key)); }

int SettingsStore::ReadInt(SettingKey key) const { return ParseInt(Read(key)); }

void SettingsStore::Write(SettingKey key, const QString& value) { Write(kSettingsSection, InfoOf(key).name, value); }

void SettingsStore::Write(SettingKey key, long long value) { Write(key, QString::number(value)); }

void SettingsStore::Refresh() {
  if (settings_) settings_->sync();
  preferences_ = Preferences::ReadFrom(*this);
}

QString SettingsStore::fileName() const { return path_; }

void SettingsStore::OnNotice(std::function<void(const QString&)> tell) {
  tell_ = std::move(tell);
  const QStringList pending = std::exchange(pending_, {});
  for (const QString& text : pending) Notify(text);
}

void SettingsStore::Notify(const QString& text) {
  if (tell_)
    tell_(text);
  else
    pending_.append(text);
}

void SettingsStore::NotifyUnsaved() {
  if (std::exchange(unsavedTold_, true)) return;
  Notify(UnsavedNotice(path_));
}

}  // namespace varelo
