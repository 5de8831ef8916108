// The menus as a player meets them in the real window, offscreen: a level
// menu of 1999 levels that stays one scrolling column with the current level
// in view, and Esc that acts as the boss key at once after a menu was
// closed.

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include "SolveWindowDriver.h"
#include "model/Controls.h"
#include "settings/SettingsStore.h"
#include "sources/LevelBank.h"

namespace varelo {
namespace {

class PlayerMenusTest : public testing::SolveWindowTest {
 protected:
  QMenu* Menu(const char* name) { return Child<QMenu>(QString::fromLatin1(name)); }
  QAction* Level(int level) { return Action(QStringLiteral("mnuLevels(%1)").arg(level - 1)); }

  // 游戏 → 单人游戏 → 任务模式, each opened from the one before.
  QMenu* OpenLevelMenu() {
    window->menuBar()->setActiveAction(Menu("youxi")->menuAction());
    Settle();
    Menu("youxi")->setActiveAction(Menu("cssd")->menuAction());
    Settle();
    Menu("cssd")->setActiveAction(Menu("rwms")->menuAction());
    Settle();
    QMenu* levels = Menu("rwms");
    EXPECT_TRUE(levels->isVisible());
    return levels;
  }
  static bool InView(QMenu* menu, QAction* item) { return menu->rect().contains(menu->actionGeometry(item)); }
  // A key as the platform sends it: to whatever has the keyboard, popups first.
  void PlayerKey(Qt::Key key) {
    QTest::keyClick(window->windowHandle(), key);
    Settle();
  }
};

TEST_F(PlayerMenusTest, TheLevelMenuScrollsOneColumnWithTheCurrentLevelInView) {
  settings.store().Write(SettingKey::LevelsOpened, 1999);
  settings.store().Write(SettingKey::MissionLevel, 1500);
  OpenActive();
  game().levelBank().LoadRest();
  ASSERT_EQ(window->levelMenu().count(), 1999);

  QMenu* levels = OpenLevelMenu();
  EXPECT_LE(levels->height(), levels->screen()->availableGeometry().height());
  const int column = levels->actionGeometry(Level(1)).x();
  for (int level = 1; level <= 1999; ++level)
    ASSERT_EQ(levels->actionGeometry(Level(level)).x(), column) << "level " << level << " in another column";
  EXPECT_TRUE(InView(levels, Level(1500))) << "the current level is out of view";
  EXPECT_TRUE(Level(1500)->isChecked());
  EXPECT_EQ(levels->activeAction(), Level(1500));
  EXPECT_FALSE(Level(1499)->isChecked());

  // The wheel brings the last level into view, and the pointer opens it.
  for (int turn = 0; turn < 2000 && !InView(levels, Level(1999)); ++turn) {
    QWheelEvent down(QPointF(10, levels->height() / 2), levels->mapToGlobal(QPointF(10, levels->height() / 2)),
                     QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(levels, &down);
  }
  ASSERT_TRUE(InView(levels, Level(1999)));
  QTest::mouseClick(levels, Qt::LeftButton, {}, levels->actionGeometry(Level(1999)).center());
  Settle();
  EXPECT_EQ(controls().text(ctl::LblTop(1)), QStringLiteral("Level 1999"));

  // The keys reach the first level, and the mark has moved to the level played.
  levels = OpenLevelMenu();
  EXPECT_TRUE(InView(levels, Level(1999)));
  EXPECT_TRUE(Level(1999)->isChecked());
  EXPECT_FALSE(Level(1500)->isChecked());
  PlayerKey(Qt::Key_Home);
  EXPECT_EQ(levels->activeAction(), Level(1));
  EXPECT_TRUE(InView(levels, Level(1)));
  PlayerKey(Qt::Key_Down);
  PlayerKey(Qt::Key_Return);
  EXPECT_EQ(controls().text(ctl::LblTop(1)), QStringLiteral("Level 2"));
}

TEST_F(PlayerMenusTest, EscAfterAMenuWasClosedIsTheBossKeyAtOnce) {
  settings.store().Write(SettingKey::BossKey, 0);  // Esc asks to quit: the prompter sees it
  prompter.answers = {Answer::Cancel, Answer::Cancel};
  OpenActive();

  window->menuBar()->setActiveAction(Menu("youxi")->menuAction());
  Settle();
  ASSERT_TRUE(Menu("youxi")->isVisible());
  PlayerKey(Qt::Key_Escape);
  EXPECT_FALSE(Menu("youxi")->isVisible());
  EXPECT_TRUE(prompter.asked.isEmpty()) << "Esc with a menu open only closes the menu";

  PlayerKey(Qt::Key_Escape);
  ASSERT_EQ(Asked(), QStringList{QStringLiteral("确定要退出吗？")});

  // And again after the question was answered.
  PlayerKey(Qt::Key_Escape);
  EXPECT_EQ(prompter.asked.size(), 2);
}

}  // namespace
}  // namespace varelo
