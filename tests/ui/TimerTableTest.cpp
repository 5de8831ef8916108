// The names the window and the game share: every window timer as the
// game's timer table has it (found by name, its period, one shot or not,
// only the level bank's second step armed at creation), every control of
// the model with its widget, and every menu item with its handler.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "model/Controls.h"

#include "WindowFixture.h"

namespace varelo {
namespace {

struct TimerRow {
  const char* name;
  int periodMs;
  bool singleShot;
};

constexpr TimerRow kTable[] = {
    {"Timer1", 10, false},   {"Timer11", 10, false},  {"Timer12", 10, false},   {"Timer13", 10, false},
    {"Timer14", 10, false},  {"Timer2", 10, false},   {"Timer21", 10, false},   {"Timer22", 10, false},
    {"Timer23", 10, false},  {"Timer24", 10, false},  {"Timer3", 1000, true},   {"Timer31", 1000, true},
    {"Timer32", 1000, true}, {"Timer33", 1000, true}, {"Timer34", 1000, true},  {"Timer5", 100, false},
    {"Timer9", 100, false},  {"Timer6", 3000, true},  {"Timer7", 60000, false}, {"Timer8", 500, false},
    {"Timer10", 1, true},    {"Timer15", 25, false},  {"Timer17", 22, false},   {"Timer18", 1, true},
};

using TimerTableTest = testing::WindowTest;

TEST_F(TimerTableTest, EveryTimerHasItsPeriodAndKindAndOnlyTheLevelBankStepRunsAtCreation) {
  window = std::make_unique<MainWindow>(settings.store(), AppPaths{programDir->path()}, &prompter, &pointer);
  for (const TimerRow& row : kTable) {
    const auto timers = window->findChildren<QTimer*>(QString::fromLatin1(row.name));
    ASSERT_EQ(timers.size(), 1) << row.name;
    const QTimer* timer = timers.first();
    EXPECT_EQ(timer->interval(), row.periodMs) << row.name;
    EXPECT_EQ(timer->isSingleShot(), row.singleShot) << row.name;
    EXPECT_EQ(timer->isActive(), QStringLiteral("Timer18") == QLatin1String(row.name)) << row.name;
  }
}

TEST_F(TimerTableTest, EveryControlHasItsWidgetAndEveryMenuItemItsHandler) {
  MainWindow& w = Open();
  for (const QString& name : w.game().controls().names())
    EXPECT_TRUE(w.findChild<QObject*>(name) || w.trayMenu()->findChild<QObject*>(name)) << name.toStdString();
  QList<QAction*> items;
  QList<QMenu*> menus{w.trayMenu()};
  for (QAction* top : w.menuBar()->actions())
    if (top->menu()) menus << top->menu();
  while (!menus.isEmpty()) {
    for (QAction* item : menus.takeFirst()->actions()) {
      if (item->menu())
        menus << item->menu();
      else if (!item->isSeparator())
        items << item;
    }
  }
  QStringList names;
  for (const QAction* item : items) names << item->objectName();
  for (const char* some : {"sjms", "mnuLevels(0)", "mnufil(0)", "huanyuan", "qxqj"})
    ASSERT_TRUE(names.contains(some)) << some;
  for (const QString& name : names) EXPECT_TRUE(w.game().handlesClick(name)) << name.toStdString();
}

}  // namespace
}  // namespace varelo
