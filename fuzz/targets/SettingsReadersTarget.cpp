// The settings file is a plain INI file in the player's folder: anything may
// be in it after a crash, a full disk or a hand edit. Reading it must give
// every key a usable value and must never change the file; a later write of
// one key must keep every other key that was found as it read.
//
// A key that was not found may show up after a write: Qt rewrites what it
// parsed in its own form, so a line it skipped under a malformed section
// header (such as "[/Option]") can come back readable. Nothing is lost that
// way, so only the keys found before are held to their values. And an
// unpaired surrogate (from an escape such as "\xDDDD") is no character a
// UTF-8 file can hold: Qt drops it when it writes, so it is not compared.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cmath>
#include <limits>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "game/OptionsFlow.h"
#include "game/PuzzleSetup.h"
#include "model/Twips.h"
#include "settings/LenientNumber.h"
#include "settings/SettingsStore.h"
#include "sources/MissionProgress.h"
#include "viewmodel/WindowLayout.h"
#include "viewmodel/WindowPlacement.h"

namespace varelo::fuzz {

namespace {

using Values = QHash<QString, QString>;  // the keys found, by name

const QString kAbsent = QStringLiteral("\u0001absent\u0001");

QString FileOf(const QString& applicationName) {
  const QString path = SettingsStore(applicationName).fileName();
  QDir().mkpath(QFileInfo(path).absolutePath());
  return path;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString WithoutLoneSurrogates(const QString& text) {
  QString kept;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      kept += c;
      kept += text[++i];
    } else if (!c.isSurrogate()) {
      kept += c;
    }
  }
  return kept;
}

int LevelOrOne(int value) { return value >= kFirstLevel && value <= kLastLevel ? value : 1; }

void CheckNumbers(const SettingsStore& store, SettingKey key) {
  const double number = store.ReadNumber(key);
  Check(!std::isnan(number), "a key reads as NaN");
  Check(number == ParseNumber(store.Read(key)), "ReadNumber is not the parse of Read");
  Check(store.ReadInt(key) == ParseInt(store.Read(key)), "ReadInt is not the parse of Read");
}

void CheckGivens(const QString& text) {
  const int givens = PuzzleSetup::GivensFromSetting(text);
  Check(givens >= 11 && givens <= 75, "the givens setting reads outside 11..75");
  // The dialog must accept exactly what the generator takes as it stands.
  const bool valid = OptionsFlow::ValidGivens(text);
  Check(valid == (givens == text.trimmed().toInt()), "the dialog and the generator disagree on sl");
  Check(valid || givens == 35, "an invalid sl does not read as 35");
}

// Whatever the store says, the window opens wholly on a screen.
void CheckKeptOnScreen(const StartPlacement& plan) {
  if (plan.maximised) return;
  const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(-1280, -40, 1280, 1120)};
  // In pixels, as the window places itself: a stored edge or size of any
  // int of twips is a fifteenth of that.
  const QRect window(ToPixels(plan.left.value_or(0)), ToPixels(plan.top.value_or(0)),
                     ToPixels(plan.width.value_or(metrics::kDesignWidth)),
                     ToPixels(plan.height.value_or(metrics::kDesignHeight)));
  const QRect placed = WhollyOnScreen(window, screens);
  bool onOne = false;
  for (const QRect& screen : screens) onOne = onOne || screen.contains(placed);
  Check(onOne, "the window is not wholly on a screen");
  Check(placed.width() <= window.width() && placed.height() <= window.height(), "keeping on screen grew the window");
}

void CheckPlacement(const SettingsStore& store) {
  for (bool fits : {true, false}) {
    const StartPlacement plan = PlanStartPlacement(store, fits);
    CheckKeptOnScreen(plan);
    Check(fits || plan.maximised, "a window too big for the screen does not open maximised");
    const bool stateMaximised = store.ReadNumber(SettingKey::WindowState) != 0;
    Check(!stateMaximised || (plan.maximised && !plan.width && !plan.height && !plan.left && !plan.top),
          "a stored maximised state still restores geometry");
    Check(!plan.width || *plan.width >= metrics::kMinimumWidth, "a width below the minimum is restored");
    Check(!plan.height || *plan.height >= metrics::kMinimumHeight, "a height below the minimum is restored");
  }
}

Values ReadEverything(const QString& applicationName) {
  const SettingsStore store(applicationName);
  Values values;
  for (const SettingInfo& info : AllSettings()) {
    const QString found = store.Read(kSettingsSection, info.name, kAbsent);
    if (found != kAbsent) values.insert(info.name, found);
    CheckNumbers(store, info.key);
  }
  Check(StoredMissionLevel(store) == LevelOrOne(store.ReadInt(SettingKey::MissionLevel)),
        "the mission level is not the stored level or 1");
  Check(StoredLevelsOpened(store) == LevelOrOne(store.ReadInt(SettingKey::LevelsOpened)),
        "the levels opened are not the stored count or 1");
  CheckGivens(store.Read(SettingKey::Givens));
  CheckPlacement(store);
  return values;
}

}  // namespace

void SettingsReaders(Bytes input) {
  static int run = 0;
  ++run;
  const QString name = QStringLiteral("fuzz-settings-%1").arg(run);
  const QString copy = QStringLiteral("fuzz-settings-%1-copy").arg(run);
  const QString path = FileOf(name);
  const QString copyPath = FileOf(copy);
  const QByteArray bytes(reinterpret_cast<const char*>(input.data()), static_cast<qsizetype>(input.size()));
  if (!WriteFile(path, bytes)) return;

  const Values before = ReadEverything(name);
  Check(ReadFile(path) == bytes, "reading the settings changed the file");

  // A write, as the Options dialog makes one, then a fresh process's view of
  // the file (a copy under a new name, which no cache has seen).
  SettingsStore(name).Write(SettingKey::Givens, QStringLiteral("35"));
  if (WriteFile(copyPath, ReadFile(path))) {
    const SettingsStore later(copy);
    for (const SettingInfo& info : AllSettings()) {
      if (info.key == SettingKey::Givens)
        Check(later.Read(info.key) == QStringLiteral("35"), "the written key did not reach the file");
      else if (before.contains(info.name))
        Check(later.Read(info.key) == WithoutLoneSurrogates(before.value(info.name)),
              "writing one key changed another");
    }
  }
  QFile::remove(path);
  QFile::remove(copyPath);
}

}  // namespace varelo::fuzz
