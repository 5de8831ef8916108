#include "sources/LevelBank.h"

#include "core/ControlNames.h"
#include "settings/SettingsStore.h"
#include "sources/LevelBankData.h"
#include "sources/MissionProgress.h"

namespace varelo {

namespace {

constexpr int kTimer18Interval = 1;

bool InCapacity(int n) { return n >= 1 && n <= LevelBank::kCapacity; }

}  // namespace

LevelBank::LevelBank(SettingsStore& settings, QObject* parent)
    : QObject(parent), settings_(settings), menu_(this), timer18_(this) {
  static_assert(level_data::kLevelCount == kFilledCount);
  timer18_.setObjectName(ctl::kTimer18);
  timer18_.setSingleShot(true);
  connect(&timer18_, &QTimer::timeout, this, &LevelBank::LoadRest);
}

std::optional<int> LevelBank::LoadLevelBank() {
  std::optional<int> level;
  if (settings_.Read(SettingKey::FirstRun) == setting_values::kTrue)
    settings_.Write(SettingKey::FirstRun, setting_values::kFalse);
  else
    level = StoredMissionLevel(settings_);
  StoreEntries(kFirstStepCount);
  timer18_.start(kTimer18Interval);
  return level;
}

void LevelBank::LoadRest() {
  timer18_.stop();
  timer18_.setInterval(0);
  if (stored_ >= kFilledCount) return;
  StoreEntries(kFilledCount);
  const int opened = StoredLevelsOpened(settings_);
  for (int level = 2; level <= opened; ++level) menu_.AddItem();
}

void LevelBank::StoreEntries(int last) {
  if (last <= stored_) return;
  const auto data = level_data::Entries();
  for (int n = stored_ + 1; n <= last; ++n) entries_[n - 1] = data[n - 1];
  stored_ = last;
}

QString LevelBank::entry(int n) const {
  if (!InCapacity(n)) return {};
  const std::string_view text = entries_[n - 1];
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace varelo
