// Loading the level bank in two steps: the first-run rule, the resume
// caption from `state`, the level menu from `acs`, the fallback for values
// outside the bank, and the level lookup.

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "settings/SettingsStore.h"
#include "sources/LevelBank.h"
#include "sources/LevelBankData.h"
#include "sources/LevelMenu.h"
#include "sources/PuzzleString.h"
#include "sources/SourcesTestSupport.h"
#include "support/TempSettings.h"

namespace varelo {
namespace {

// A later start: the first run has passed.
void MarkFirstRunDone(SettingsStore& store) { store.Write(SettingKey::FirstRun, QStringLiteral("false")); }

QStringList MenuAfterLoading(SettingsStore& store) {
  LevelBank bank(store);
  bank.LoadLevelBank();
  bank.LoadRest();
  return bank.menu().captions();
}

TEST(LevelBankLoad, FirstRunKeepsTheCaptionAndEndsTheFirstRun) {
  testing::TempSettings temp;
  LevelBank bank(temp.store());
  EXPECT_EQ(bank.LoadLevelBank(), std::nullopt) << "the entry keeps its caption";
  EXPECT_EQ(temp.Reopen().Read(SettingKey::FirstRun), "false");
  EXPECT_EQ(bank.menu().captions(), QStringList{QStringLiteral("第1关")});
}

TEST(LevelBankLoad, FirstStepStoresSeventyEntriesAndArmsTimer18) {
  testing::TempSettings temp;
  LevelBank bank(temp.store());
  EXPECT_EQ(bank.storedCount(), 0);
  EXPECT_TRUE(bank.entry(1).isEmpty());
  bank.LoadLevelBank();
  EXPECT_EQ(bank.storedCount(), 70);
  EXPECT_EQ(bank.entry(70).size(), 81);
  EXPECT_TRUE(bank.entry(71).isEmpty());
  EXPECT_TRUE(bank.timer18().isActive());
  EXPECT_TRUE(bank.timer18().isSingleShot());
  EXPECT_EQ(bank.timer18().interval(), 1);
  EXPECT_EQ(bank.timer18().objectName(), "Timer18");
}

TEST(LevelBankLoad, Timer18StoresTheRestAndDisarmsItself) {
  testing::TempSettings temp;
  temp.store().Write(SettingKey::LevelsOpened, QStringLiteral("3"));
  LevelBank bank(temp.store());
  bank.LoadLevelBank();
  QSignalSpy tick(&bank.timer18(), &QTimer::timeout);
  ASSERT_TRUE(tick.wait(5000));
  EXPECT_EQ(bank.storedCount(), 1999);
  EXPECT_EQ(bank.entry(1999).size(), 81);
  EXPECT_FALSE(bank.timer18().isActive());
  EXPECT_EQ(bank.timer18().interval(), 0);
  EXPECT_EQ(bank.menu().captions().size(), 3);

  bank.LoadRest();  // a stray second tick changes nothing
  EXPECT_EQ(bank.menu().captions().size(), 3);
}

TEST(LevelBankLoad, LaterStartNamesTheStoredLevel) {
  testing::TempSettings temp;
  MarkFirstRunDone(temp.store());
  temp.store().Write(SettingKey::MissionLevel, QStringLiteral("12"));
  LevelBank bank(temp.store());
  EXPECT_EQ(bank.LoadLevelBank(), std::optional<int>(12));
}

TEST(LevelBankLoad, LaterStartWithoutStateNamesLevelOne) {
  testing::TempSettings temp;
  MarkFirstRunDone(temp.store());
  LevelBank bank(temp.store());
  EXPECT_EQ(bank.LoadLevelBank(), std::optional<int>(1));
}

TEST(LevelBankLoad, FirstRunIsAnExactTrue) {
  testing::TempSettings temp;
  temp.store().Write(SettingKey::FirstRun, QStringLiteral("TRUE"));
  temp.store().Write(SettingKey::MissionLevel, QStringLiteral("7"));
  LevelBank bank(temp.store());
  EXPECT_EQ(bank.LoadLevelBank(), std::optional<int>(7));
  EXPECT_EQ(temp.store().Read(SettingKey::FirstRun), "TRUE");  // only "true" is rewritten
}

// Mended: a level outside the bank would name a level that does not exist.
TEST(LevelBankLoad, StateOutsideTheBankFallsBackToLevelOne) {
  for (const char* state : {"0", "-4", "2000", "99999999999", "abc", ""}) {
    testing::TempSettings temp;
    MarkFirstRunDone(temp.store());
    temp.store().Write(SettingKey::MissionLevel, QString::fromLatin1(state));
    LevelBank bank(temp.store());
    EXPECT_EQ(bank.LoadLevelBank(), std::optional<int>(1)) << state;
  }
  testing::TempSettings lenient;
  MarkFirstRunDone(lenient.store());
  lenient.store().Write(SettingKey::MissionLevel, QStringLiteral(" 1999x"));
  LevelBank bank(lenient.store());
  EXPECT_EQ(bank.LoadLevelBank(), std::optional<int>(1999));
}

TEST(LevelBankLoad, LevelMenuListsTheOpenedLevels) {
  testing::TempSettings temp;
  temp.store().Write(SettingKey::LevelsOpened, QStringLiteral("5"));
  LevelBank bank(temp.store());
  QSignalSpy added(&bank.menu(), &LevelMenu::itemAdded);
  bank.LoadLevelBank();
  EXPECT_EQ(bank.menu().captions().size(), 1);  // the menu waits for step 2
  bank.LoadRest();
  const QStringList expected = {QStringLiteral("第1关"), QStringLiteral("第2关"), QStringLiteral("第3关"),
                                QStringLiteral("第4关"), QStringLiteral("第5关")};
  EXPECT_EQ(bank.menu().captions(), expected);
  ASSERT_EQ(added.size(), 4);
  EXPECT_EQ(added.first().at(0).toInt(), 1);
  EXPECT_EQ(added.last().at(0).toInt(), 4);
  EXPECT_EQ(added.last().at(1).toString(), QStringLiteral("第5关"));
}

TEST(LevelBankLoad, AcsThatIsNoLevelGivesOnlyTheFirstItem) {
  for (const char* acs : {"abc", "0", "1", "-3", "2000", "1e9"}) {
    testing::TempSettings temp;
    temp.store().Write(SettingKey::LevelsOpened, QString::fromLatin1(acs));
    EXPECT_EQ(MenuAfterLoading(temp.store()), QStringList{QStringLiteral("第1关")}) << acs;
  }
  testing::TempSettings all;
  all.store().Write(SettingKey::LevelsOpened, QStringLiteral("1999"));
  const QStringList menu = MenuAfterLoading(all.store());
  EXPECT_EQ(menu.size(), 1999);
  EXPECT_EQ(menu.last(), QStringLiteral("第1999关"));
}

TEST(LevelMenu, AddingAnItemCaptionsTheNextLevel) {
  LevelMenu menu;
  EXPECT_EQ(menu.upperBound(), 0);
  QSignalSpy added(&menu, &LevelMenu::itemAdded);
  menu.AddItem();
  menu.AddItem();
  EXPECT_EQ(menu.upperBound(), 2);
  EXPECT_EQ(menu.captions().last(), QStringLiteral("第3关"));
  ASSERT_EQ(added.size(), 2);
  EXPECT_EQ(added.at(1).at(0).toInt(), 2);
}

TEST(LevelBankLoad, LookupCopiesTheEntryDigitByDigit) {
  testing::TempSettings temp;
  LevelBank bank(temp.store());
  EXPECT_TRUE(bank.entry(1).isEmpty());  // nothing stored yet
  bank.LoadLevelBank();
  bank.LoadRest();

  const GridDigits level1 = PuzzleStringDigits(bank.entry(1));
  EXPECT_EQ(level1,
            testing::Digits("172396854596874231384521769243619587759482613861753942437265198618937425925148376"));

  const GridDigits level51 = PuzzleStringDigits(bank.entry(51));
  EXPECT_EQ(testing::GivensOf(level51), 24);
  EXPECT_EQ(level51[2], 1);   // cell 3
  EXPECT_EQ(level51[80], 0);  // cell 81
  EXPECT_EQ(level51[78], 7);  // cell 79

  for (int n : {0, 2000, LevelBank::kCapacity, LevelBank::kCapacity + 1}) {
    EXPECT_TRUE(bank.entry(n).isEmpty()) << n;
    EXPECT_EQ(PuzzleStringDigits(bank.entry(n)), GridDigits{}) << n;
  }
}

}  // namespace
}  // namespace varelo
