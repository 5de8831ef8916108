// The settings store: defaults, the lenient number parse, persistence.

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "settings/LenientNumber.h"
#include "settings/SettingsStore.h"
#include "support/TempSettings.h"

namespace varelo {
namespace {

TEST(LenientNumber, TakesTheLongestNumericPrefix) {
  struct Case {
    const char16_t* text;
    double value;
  };
  for (const Case c :
       {Case{u"42", 42},         Case{u"  \t 42", 42},   Case{u"12abc", 12},    Case{u"abc", 0},     Case{u"", 0},
        Case{u"   ", 0},         Case{u"-7", -7},        Case{u"+7", 7},        Case{u"3.75", 3.75}, Case{u".5", 0.5},
        Case{u"5.", 5},          Case{u"-3.5e2x", -350}, Case{u"2e", 2},        Case{u"2e+", 2},     Case{u"1E3", 1000},
        Case{u"12 34", 12},      Case{u"--5", 0},        Case{u"-", 0},         Case{u".", 0},       Case{u"0x10", 0},
        Case{u"8250.5", 8250.5}, Case{u"١٢", 0},         Case{u"65535", 65535}, Case{u"1e-400", 0}}) {
    EXPECT_EQ(ParseNumber(QStringView(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
  }
  EXPECT_TRUE(std::isinf(ParseNumber(u"1e999")));
}

TEST(LenientNumber, IntegerReadsTruncateAndNeverOverflow) {
  EXPECT_EQ(ParseInt(u"7.9"), 7);
  EXPECT_EQ(ParseInt(u"-7.9"), -7);
  EXPECT_EQ(ParseInt(u"99999999999999999999"), std::numeric_limits<int>::max());
  EXPECT_EQ(ParseInt(u"-1e999"), std::numeric_limits<int>::min());
  EXPECT_EQ(ParseInt(u"nan"), 0);
  EXPECT_EQ(ParseInt(u"inf"), 0);
}

TEST(SettingsStore, AnEmptyStoreReadsEveryDefault) {
  testing::TempSettings temp;
  const SettingsStore& s = temp.store();
  EXPECT_EQ(s.Read(SettingKey::WindowState), "0");
  for (auto key : {SettingKey::WindowLeft, SettingKey::WindowTop, SettingKey::WindowWidth, SettingKey::WindowHeight})
    EXPECT_TRUE(s.Read(key).isEmpty());
  EXPECT_EQ(s.ReadInt(SettingKey::Difficulty), 2);
  EXPECT_EQ(s.Read(SettingKey::Givens), "35");
  EXPECT_EQ(s.ReadInt(SettingKey::ColourHint), 2);
  EXPECT_EQ(s.ReadInt(SettingKey::BossKey), 2);
  EXPECT_EQ(s.Read(SettingKey::TrayTip), "System Tray");
  EXPECT_EQ(s.Read(SettingKey::Background), QStringLiteral("默认"));
  EXPECT_EQ(s.ReadInt(SettingKey::HintLineColour), 65535);
  EXPECT_EQ(s.ReadInt(SettingKey::MissionLevel), 1);
  EXPECT_EQ(s.ReadInt(SettingKey::LevelsOpened), 1);
  EXPECT_EQ(s.Read(SettingKey::FirstRun), "true");
  EXPECT_EQ(s.Read(SettingKey::FrameCorrection), "no");
  EXPECT_EQ(s.Read(QStringLiteral("Option"), QStringLiteral("absent"), QStringLiteral("dflt")), "dflt");

  // The table names all sixteen keys once.
  QStringList names;
  for (const SettingInfo& info : AllSettings()) names << info.name;
  EXPECT_EQ(names.size(), 16);
  EXPECT_EQ(names.removeDuplicates(), 0);
  EXPECT_TRUE(names.contains(QStringLiteral("win7修正")));
}

TEST(SettingsStore, WritesReachTheFileAtOnceAndSurviveARestart) {
  testing::TempSettings temp;
  temp.store().Write(SettingKey::FrameCorrection, QStringLiteral("yes"));
  temp.store().Write(SettingKey::Background, QStringLiteral("默认"));
  temp.store().Write(SettingKey::TrayTip, QStringLiteral("老板来了, \"quoted\" = ; #"));
  temp.store().Write(SettingKey::MissionLevel, 12);
  temp.store().Write(QStringLiteral("Option"), QStringLiteral("wi"), QStringLiteral("9000"));

  // The file is there before the store goes away, in INI form, section Option.
  ASSERT_TRUE(QFile::exists(temp.store().fileName()));
  QSettings raw(temp.store().fileName(), QSettings::IniFormat);
  EXPECT_EQ(raw.value(QStringLiteral("Option/state")).toString(), "12");
  EXPECT_EQ(raw.value(QStringLiteral("Option/win7修正")).toString(), "yes");

  const SettingsStore later = temp.Reopen();
  EXPECT_EQ(later.Read(SettingKey::FrameCorrection), "yes");
  EXPECT_EQ(later.Read(SettingKey::Background), QStringLiteral("默认"));
  EXPECT_EQ(later.Read(SettingKey::TrayTip), QStringLiteral("老板来了, \"quoted\" = ; #"));
  EXPECT_EQ(later.ReadInt(SettingKey::MissionLevel), 12);
  EXPECT_EQ(later.ReadNumber(SettingKey::WindowWidth), 9000);
}

TEST(SettingsStore, ReadsSeeWritesOfAnotherInstanceAtOnce) {
  testing::TempSettings temp;
  SettingsStore other = temp.Reopen();
  EXPECT_EQ(temp.store().ReadInt(SettingKey::ColourHint), 2);
  other.Write(SettingKey::ColourHint, QStringLiteral("0"));
  EXPECT_EQ(temp.store().ReadInt(SettingKey::ColourHint), 0);
}

// The options the rules use are parsed once and follow every write, with
// the same lenient reading as the keys themselves.
TEST(SettingsStore, PreferencesFollowEveryWrite) {
  struct Case {
    SettingKey key;
    const char* value;
    bool colourHint, bossKey, timed;
    int difficulty;
  };
  const Case cases[] = {
      {SettingKey::Difficulty, "1", true, true, false, 1},   {SettingKey::Difficulty, "2.5", true, true, true, 2},
      {SettingKey::Difficulty, "abc", true, true, false, 0}, {SettingKey::ColourHint, "0", false, true, true, 2},
      {SettingKey::ColourHint, "0.5", true, true, true, 2},  {SettingKey::BossKey, "-1", true, false, true, 2},
  };
  for (const Case& c : cases) {
    testing::TempSettings temp;
    temp.store().Write(c.key, QString::fromLatin1(c.value));
    const Preferences& p = temp.store().preferences();
    EXPECT_EQ(p.colourHint, c.colourHint) << c.value;
    EXPECT_EQ(p.bossKey, c.bossKey) << c.value;
    EXPECT_EQ(p.timed, c.timed) << c.value;
    EXPECT_EQ(p.difficulty, c.difficulty) << c.value;
  }
  // Another copy's write counts once the store reads the file again.
  testing::TempSettings temp;
  temp.Reopen().Write(SettingKey::TrayTip, QStringLiteral("报表"));
  temp.store().Refresh();
  EXPECT_EQ(temp.store().preferences().trayTip, QStringLiteral("报表"));
}

TEST(SettingsStore, GarbageReadsLenientlyAndARenamedExecutableStartsAfresh) {
  testing::TempSettings temp;
  temp.store().Write(SettingKey::Difficulty, QStringLiteral("abc"));
  temp.store().Write(SettingKey::Givens, QStringLiteral("  20 givens"));
  temp.store().Write(SettingKey::FrameCorrection, QStringLiteral("YES"));
  EXPECT_EQ(temp.store().ReadInt(SettingKey::Difficulty), 0);
  EXPECT_EQ(temp.store().ReadInt(SettingKey::Givens), 20);
  EXPECT_NE(temp.store().Read(SettingKey::FrameCorrection), setting_values::kYes) << "exact comparison: YES is not yes";

  // A hand-edited list value is read whole rather than lost.
  QFile file(temp.store().fileName());
  ASSERT_TRUE(file.open(QIODevice::Append));
  file.write("\n[Option]\ntswb=a, b\n");
  file.close();
  EXPECT_EQ(temp.Reopen().Read(SettingKey::TrayTip), "a, b");

  testing::TempSettings renamed;
  EXPECT_EQ(renamed.store().ReadInt(SettingKey::Difficulty), 2);
}

}  // namespace
}  // namespace varelo
