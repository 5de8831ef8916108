// Every window timer as the game's timer table has it: found by name from
// the window, its period, one shot or not, and only the level bank's second
// step armed when the window has been created.

#include <QTimer>

#include "WindowFixture.h"

namespace varelo {
namespace {

struct TimerRow {
  const char* name;
  int periodMs;
  bool singleShot;
};

constexpr TimerRow kTable[] = {
    {"Timer1", 10, false},    {"Timer11", 10, false},   {"Timer12", 10, false},   {"Timer13", 10, false},
    {"Timer14", 10, false},   {"Timer2", 10, false},    {"Timer21", 10, false},   {"Timer22", 10, false},
    {"Timer23", 10, false},   {"Timer24", 10, false},   {"Timer3", 1000, true},   {"Timer31", 1000, true},
    {"Timer32", 1000, true},  {"Timer33", 1000, true},  {"Timer34", 1000, true},  {"Timer5", 100, false},
    {"Timer9", 100, false},   {"Timer6", 3000, true},   {"Timer7", 60000, false}, {"Timer8", 500, false},
    {"Timer10", 1, true},     {"Timer15", 25, false},   {"Timer17", 22, false},   {"Timer18", 1, true},
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

}  // namespace
}  // namespace varelo
