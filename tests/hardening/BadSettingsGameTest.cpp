// The game's rules with a spoiled settings store: every key holding garbage,
// nothing, a huge or a negative number still lets every mode start, each key
// reads its documented default or a sane value, and the stored progress
// changes only where a rule writes it.

#include <QStringList>

#include <gtest/gtest.h>

#include "BadSettings.h"
#include "StartedGame.h"
#include "core/Board.h"
#include "game/GameClock.h"
#include "game/OptionsFlow.h"
#include "model/Controls.h"
#include "model/Texts.h"
#include "sources/LevelBank.h"
#include "support/TempSettings.h"

namespace varelo {
namespace {

using namespace varelo::testing;

struct Entry {
  const char* click;
  QString mode;
  int order;
};

const Entry kEntries[] = {
    {"LblBegin(7)", texts::kModeMission, 0}, {"sjms", texts::kModeRandom, 0},  {"zhej", texts::kCombination, 2},
    {"zhsj", texts::kCombination, 3},        {"qjyj", texts::kSolveSudoku, 0}, {"qjsj", texts::kSolveSudoku, 3},
};

class EveryKey : public ::testing::TestWithParam<KeyAndValue> {};

TEST_P(EveryKey, EveryModeStartsAndNoProgressIsLost) {
  const QString keyName = QString::fromLatin1(GetParam().key);
  const SettingKey key = KeyNamed(keyName);
  const QString bad = GetParam().value.text;
  TempSettings settings;
  SettingsStore& store = settings.store();
  StoreProgress(store);
  store.Write(key, bad);

  StartedGame started(store);
  const bool badLevel = key == SettingKey::MissionLevel;
  const QString level = badLevel ? QStringLiteral("1") : kStoredLevel;
  EXPECT_EQ(started.game.controls().text(ctl::LblBegin(7)), u'第' + level + u'关');
  const int listed = started.game.levelBank().menu().captions().size();
  EXPECT_EQ(listed, key == SettingKey::LevelsOpened ? 1 : kStoredOpened.toInt());

  for (const Entry& entry : kEntries) {
    SCOPED_TRACE(entry.click);
    started.game.Click(QString::fromLatin1(entry.click));
    EXPECT_EQ(started.Top(0), entry.mode);
    EXPECT_EQ(started.game.board().comboOrder(), entry.order);
    const bool playing = entry.mode != texts::kSolveSudoku;
    for (int grid : GridsInPlay(entry.order)) {
      EXPECT_TRUE(started.game.controls().isVisible(ctl::PicMis(grid))) << grid;
      if (playing) {
        EXPECT_GT(started.Givens(grid), 0) << grid;
      }
    }
    if (entry.mode == texts::kModeMission) {
      EXPECT_EQ(started.Top(1), QStringLiteral("Level ") + level);
    }
    started.RunClock(3);
    EXPECT_FALSE(started.prompter.texts().contains(QStringLiteral("时间到！")))
        << "a game ended before the player could play";
  }
  EXPECT_TRUE(started.prompter.prompts.isEmpty()) << started.prompter.texts().join(u'|').toStdString();

  // The mission entry resumed the stored level and wrote it back as it was;
  // a spoiled level resumes level 1, which the entry stores.
  EXPECT_EQ(store.Read(SettingKey::MissionLevel), level);
  EXPECT_EQ(store.Read(SettingKey::LevelsOpened), key == SettingKey::LevelsOpened ? bad : kStoredOpened);
  if (!badLevel) {
    EXPECT_EQ(store.Read(key), bad) << "the spoiled value was rewritten";
  }
}

INSTANTIATE_TEST_SUITE_P(BadValues, EveryKey, ::testing::ValuesIn(EveryKeyWithEveryBadValue()),
                         [](const ::testing::TestParamInfo<KeyAndValue>& info) { return NameOf(info.param); });

TEST(BadSettingsReadTheirDefaults, GivensOutsideElevenToSeventyFiveGiveThirtyFive) {
  for (const BadValue& value : BadValues()) {
    SCOPED_TRACE(value.label);
    TempSettings settings;
    settings.store().Write(SettingKey::Givens, value.text);
    StartedGame started(settings.store());
    started.game.Click(ctl::kSjms);
    EXPECT_EQ(started.Givens(0), 35);
    // The Options dialog shows the default and stores it, as its rule says.
    EXPECT_EQ(started.game.options().Load().givens, QStringLiteral("35"));
    EXPECT_EQ(settings.store().Read(SettingKey::Givens), QStringLiteral("35"));
  }
}

// A colour hint or a boss key is on when its number is not 0 (lbj: above 0);
// letters and an empty text read as 0.
TEST(BadSettingsReadTheirDefaults, ColourHintAndBossKeyFollowTheLenientNumber) {
  const struct {
    QString text;
    bool hint;
    bool boss;
  } cases[] = {{QStringLiteral("abc"), false, false},
               {QString(), false, false},
               {QStringLiteral("99999999999999999999"), true, true},
               {QStringLiteral("-5"), true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    TempSettings settings;
    settings.store().Write(SettingKey::ColourHint, c.text);
    settings.store().Write(SettingKey::BossKey, c.text);
    StartedGame started(settings.store());
    started.game.Click(ctl::kSjms);
    EXPECT_EQ(started.Top(2), c.hint ? texts::kHintOn : texts::kHintOff);
    started.game.KeyDown(27, 0);
    EXPECT_EQ(started.window.trayHides, c.boss ? 1 : 0);
    EXPECT_EQ(started.prompter.texts().contains(texts::kQuitQuestion), !c.boss);
  }
}

// A difficulty outside 1..4 names no difficulty and no time: the game must
// not count down from nothing and end itself every second.
TEST(BadSettingsReadTheirDefaults, AnUnknownDifficultyNeverEndsTheGameByItself) {
  for (const QString& nd :
       {QStringLiteral("5"), QStringLiteral("99999999999999999999"), QStringLiteral("abc"), QStringLiteral("-5")}) {
    SCOPED_TRACE(nd.toStdString());
    TempSettings settings;
    settings.store().Write(SettingKey::Difficulty, nd);
    StartedGame started(settings.store());
    for (const char* click : {"sjms", "zhsj", "LblBegin(7)"}) {
      started.game.Click(QString::fromLatin1(click));
      const int grid = started.game.board().comboOrder() ? 1 : 0;
      const GridDigits puzzle = started.game.board().digitsOf(grid);
      started.RunClock(5);
      EXPECT_TRUE(started.prompter.prompts.isEmpty()) << started.prompter.texts().join(u'|').toStdString();
      EXPECT_EQ(started.game.board().digitsOf(grid), puzzle) << click << ": the game was restarted";
    }
    // The Options dialog shows it as the hardest, as documented.
    EXPECT_EQ(started.game.options().Load().difficultyIndex, 3);
  }
}

TEST(BadSettingsReadTheirDefaults, AHintLineColourWithoutANumberIsBlack) {
  for (const QString& text : {QStringLiteral("abc"), QString()}) {
    TempSettings settings;
    settings.store().Write(SettingKey::HintLineColour, text);
    StartedGame started(settings.store());
    EXPECT_EQ(started.game.controls().colour(ctl::kLbltishi), colours::kBlack);
  }
}

}  // namespace
}  // namespace varelo
