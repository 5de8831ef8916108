// Two copies of the game on one settings file: a copy started earlier reads
// the count of opened levels as it was then, and its win must not write
// that stale count over the levels the other copy opened meanwhile.

#include <QFile>

#include <gtest/gtest.h>

#include "tests/game/GameHarness.h"

namespace varelo {
namespace {

using testing::GameHarness;

TEST(TwoCopies, AWinNeverLowersTheLevelsAnotherCopyOpened) {
  GameHarness b;  // started first: one level opened
  b.game.Click(ctl::LblBegin(7));
  ASSERT_EQ(b.store().ReadInt(SettingKey::LevelsOpened), 1);
  {
    // Copy A, meanwhile, won levels 1 to 3 and wrote the file.
    QFile file(b.store().fileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Option]\nfr=false\nstate=4\nacs=4\n");
  }
  b.Solve(0, testing::RelabelledGrid(40, 1 % 9 + 1));  // B wins level 1
  ASSERT_EQ(b.prompter.texts(), QStringList{QStringLiteral("你赢了！")});
  EXPECT_EQ(b.settings.Reopen().ReadInt(SettingKey::LevelsOpened), 4);
  EXPECT_EQ(b.store().ReadInt(SettingKey::LevelsOpened), 4);
}

}  // namespace
}  // namespace varelo
