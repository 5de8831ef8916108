#include "settings/SettingKeys.h"

#include <array>

namespace varelo {

namespace {
const std::array<SettingInfo, 16>& Table() {
  static const std::array<SettingInfo, 16> table{{
      {SettingKey::WindowState, QStringLiteral("st"), QStringLiteral("0")},
      {SettingKey::WindowLeft, QStringLiteral("lf"), QString()},
      {SettingKey::WindowTop, QStringLiteral("tp"), QString()},
      {SettingKey::WindowWidth, QStringLiteral("wi"), QString()},
      {SettingKey::WindowHeight, QStringLiteral("he"), QString()},
      {SettingKey::Difficulty, QStringLiteral("nd"), QStringLiteral("2")},
      {SettingKey::Givens, QStringLiteral("sl"), QStringLiteral("35")},
      {SettingKey::ColourHint, QStringLiteral("color"), QStringLiteral("2")},
      {SettingKey::BossKey, QStringLiteral("lbj"), QStringLiteral("2")},
      {SettingKey::TrayTip, QStringLiteral("tswb"), setting_values::kDefaultTrayTip},
      {SettingKey::Background, QStringLiteral("bcl"), setting_values::kDefaultBackground},
      {SettingKey::HintLineColour, QStringLiteral("tsys"), QStringLiteral("65535")},
      {SettingKey::MissionLevel, QStringLiteral("state"), QStringLiteral("1")},
      {SettingKey::LevelsOpened, QStringLiteral("acs"), QStringLiteral("1")},
      {SettingKey::FirstRun, QStringLiteral("fr"), setting_values::kTrue},
      {SettingKey::FrameCorrection, QStringLiteral("win7修正"), setting_values::kNo},
  }};
  return table;
}
}  // namespace

const SettingInfo& InfoOf(SettingKey key) { return Table()[static_cast<int>(key)]; }

std::span<const SettingInfo> AllSettings() { return Table(); }

}  // namespace varelo
