#pragma once
// Every key of the settings store with its default, in one place. All keys
// live in the section "Option".

#include <QString>

#include <span>

namespace varelo {

inline const QString kSettingsSection = QStringLiteral("Option");

enum class SettingKey {
  WindowState,      // "st"   0 normal, any other value maximised
  WindowLeft,       // "lf"   twips, applied only when not empty
  WindowTop,        // "tp"
  WindowWidth,      // "wi"   applied when >= 8250
  WindowHeight,     // "he"   applied when >= 7950
  Difficulty,       // "nd"   1 beginner .. 4 hard
  Givens,           // "sl"   givens of a random puzzle, 11..75
  ColourHint,       // "color" 0 off, other values on (2 = untouched default)
  BossKey,          // "lbj"  > 0: Esc hides to the notification area
  TrayTip,          // "tswb" tip of the notification icon
  Background,       // "bcl"  picture path or "默认"
  HintLineColour,   // "tsys" R + 256 G + 65536 B
  MissionLevel,     // "state" current mission level
  LevelsOpened,     // "acs"  highest mission level opened
  FirstRun,         // "fr"   "true" until the first start has passed
  FrameCorrection,  // "win7修正" "yes" shifts the grid cells right
};

struct SettingInfo {
  SettingKey key;
  QString name;
  QString defaultValue;
};

const SettingInfo& InfoOf(SettingKey key);

// All sixteen keys, in the order above.
std::span<const SettingInfo> AllSettings();

namespace setting_values {
inline const QString kDefaultBackground = QStringLiteral("默认");
inline const QString kDefaultTrayTip = QStringLiteral("System Tray");
inline const QString kYes = QStringLiteral("yes");
inline const QString kNo = QStringLiteral("no");
inline const QString kTrue = QStringLiteral("true");
inline const QString kFalse = QStringLiteral("false");
}  // namespace setting_values

}  // namespace varelo
