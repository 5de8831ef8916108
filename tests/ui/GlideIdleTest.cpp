// The cursor glide in the real window, offscreen, with its timers asleep
// while nothing moves: each script of pointer moves, keys and window changes
// plays twice from the same resting frame, once ticking every grid every
// round as the timers did when they never stopped, once firing only the
// timers that run. The frames must go through the same states round by
// round, and the timers must be asleep once the frames rest.

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

#include "WindowFixture.h"
#include "core/Board.h"
#include "settings/SettingsStore.h"
#include "ui/GridView.h"

namespace varelo {
namespace {

using Action = std::function<void()>;
// Actions before the round of their number; a script plays 60 rounds.
using Script = std::map<int, Action>;
constexpr int kRounds = 60;

QString Describe(const CursorState& c) {
  return QStringLiteral("cell %1 frame %2,%3 outline %4 directions %5/%6 %7")
      .arg(c.currentCell)
      .arg(c.frameLeft)
      .arg(c.frameTop)
      .arg(CursorGlide::OutlinePixels(c))
      .arg(c.vertical)
      .arg(c.horizontal)
      .arg(c.frameShown ? QStringLiteral("shown") : QStringLiteral("hidden"));
}

class GlideIdleTest : public testing::WindowTest {
 protected:
  // A game without a clock, the pointer resting over `cell` of `grid`.
  void StartGame(const char* entry, int grid, int cell) {
    settings.store().Write(SettingKey::Difficulty, 1);
    Open();
    ResizeTo(1100, 760);
    window->game().Click(QString::fromLatin1(entry));
    Settle();
    grids_.clear();
    for (int g = 0; g < kGridCount; ++g)
      if (cursors().isTracking(g)) grids_ << g;
    MovePointer(Over(grid, cell));
    Rest();
  }

  Cursors& cursors() { return window->game().cursors(); }
  CursorGlide& glide() { return window->glide(); }
  QPoint Over(int grid, int cell) {
    GridView* view = window->gridView(grid);
    return (view->mapToGlobal(view->cellRect(cell).center()) * kTwipsPerPixel).toPoint();
  }
  QPoint Away() { return QPoint(-1000000, -1000000); }
  QTimer* Timer(int family, int grid) {
    const QString name = QStringLiteral("Timer%1%2").arg(family).arg(grid == 0 ? QString() : QString::number(grid));
    return window->findChild<QTimer*>(name);
  }
  bool AnyTimerRunning() {
    for (int g = 0; g < kGridCount; ++g)
      if (Timer(1, g)->isActive() || Timer(2, g)->isActive()) return true;
    return false;
  }
  // A timer's interval ends: it fires as Qt would fire it.
  void Fire(QTimer* timer) {
    if (timer->isActive()) QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
  }

  // 10 ms: every grid's vertical timer and then its horizontal one, in the
  // order they were started; or, as before, every tick whether or not its
  // timer would run.
  void Round(bool everyTick) {
    for (int g : grids_) {
      if (everyTick) {
        glide().VerticalTick(g);
        glide().HorizontalTick(g);
      } else {
        Fire(Timer(1, g));
        Fire(Timer(2, g));
      }
    }
  }
  // The running timers fire until they sleep.
  void Rest() {
    for (int round = 0; round < 100 && AnyTimerRunning(); ++round) Round(false);
    ASSERT_FALSE(AnyTimerRunning()) << "the glide timers never sleep";
  }

  QStringList Play(const Script& script, bool everyTick) {
    QStringList rounds;
    for (int round = 0; round < kRounds; ++round) {
      if (const auto it = script.find(round); it != script.end()) it->second();
      Round(everyTick);
      QString line = QStringLiteral("round %1, step %2:").arg(round).arg(cursors().step());
      for (int g : grids_) line += QStringLiteral(" | grid %1 ").arg(g) + Describe(cursors().state(g));
      rounds << line;
    }
    return rounds;
  }

  // Plays the script both ways from the frames as they rest now; `reset`
  // undoes what the script did to the window between the two.
  void ExpectSameGlide(const Script& script, const Action& reset = {}) {
    std::array<CursorState, kGridCount> start{};
    for (int g = 0; g < kGridCount; ++g) start[g] = cursors().state(g);
    const int step = cursors().step();
    const QPoint at = pointer.at;

    const QStringList before = Play(script, true);
    if (reset) reset();
    for (int g = 0; g < kGridCount; ++g) cursors().setState(g, start[g]);
    cursors().setStep(step);
    MovePointer(at);
    Rest();

    const QStringList after = Play(script, false);
    for (int round = 0; round < kRounds; ++round) ASSERT_EQ(after[round], before[round]) << "the frames part ways";
    EXPECT_FALSE(AnyTimerRunning()) << "the glide timers run on after the frames rest";
  }

  QList<int> grids_;
};

TEST_F(GlideIdleTest, PointerMovesGlideTickForTickAsWithTimersThatNeverStopped) {
  StartGame("sjms", 0, 41);
  ExpectSameGlide({{0, [this] { MovePointer(Over(0, 42)); }}});  // one cell right
  ExpectSameGlide({{0, [this] { MovePointer(Over(0, 50)); }}});  // one row down
  ExpectSameGlide({{0, [this] { MovePointer(Over(0, 1)); }}});   // diagonally, four cells each way
  ExpectSameGlide({{0, [this] { MovePointer(Over(0, 81)); }},    // turning back half-way
                   {12, [this] { MovePointer(Over(0, 31)); }}});
  EXPECT_EQ(cursors().state(0).currentCell, 31);
}

TEST_F(GlideIdleTest, ArrowKeysGlideTickForTick) {
  StartGame("sjms", 0, 41);
  MovePointer(Away());
  Rest();
  auto key = [this](Qt::Key k) { return [this, k] { QTest::keyClick(window.get(), k); }; };
  ExpectSameGlide({{0, key(Qt::Key_Right)}});
  ExpectSameGlide({{0, key(Qt::Key_Up)}, {4, key(Qt::Key_Left)}, {20, key(Qt::Key_Down)}});
  EXPECT_EQ(cursors().state(0).currentCell, 41);
}

TEST_F(GlideIdleTest, FurtherGridsHideAndShowTheirFramesTickForTick) {
  StartGame("zhsj", 1, 41);
  ExpectSameGlide({{0, [this] { MovePointer(Over(2, 41)); }},  // grid 1's frame goes, grid 2's comes
                   {5, [this] { MovePointer(Over(2, 43)); }},
                   {25, [this] { MovePointer(Over(1, 81)); }},  // the shared corner
                   {35, [this] { MovePointer(Away()); }}});     // out of the window: every frame goes
  for (int g = 1; g <= 3; ++g) EXPECT_FALSE(cursors().state(g).frameShown) << g;
}

TEST_F(GlideIdleTest, RealTimersSleepOnceTheFrameRestsAndWakeOnTheNextMove) {
  StartGame("sjms", 0, 41);
  MovePointer(Over(0, 61));
  EXPECT_TRUE(glide().timersRunning(0));
  ASSERT_TRUE(QTest::qWaitFor([this] { return !glide().timersRunning(0); }, 5000)) << "the timers never sleep";
  EXPECT_EQ(cursors().state(0).currentCell, 61);
  EXPECT_TRUE(cursors().state(0).atRest());
  QTest::qWait(50);
  EXPECT_FALSE(glide().timersRunning(0)) << "a still pointer wakes nothing";

  MovePointer(Over(0, 61) + QPoint(30, 30));  // within the same cell: a sample, no glide
  EXPECT_TRUE(glide().timersRunning(0));
  ASSERT_TRUE(QTest::qWaitFor([this] { return !glide().timersRunning(0); }, 5000));
  EXPECT_EQ(cursors().state(0).currentCell, 61);

  // A hand never quite still: moves come faster than the ticks, and the
  // ticks keep their beat meanwhile.
  const QPoint target = Over(0, 63);
  for (int i = 0; i < 100 && cursors().state(0).currentCell != 63; ++i) {
    MovePointer(target + QPoint(i % 2 * 15, 0));
    QTest::qWait(3);
  }
  EXPECT_EQ(cursors().state(0).currentCell, 63) << "the moves put the ticks off";
}

// A move reported after a tick sampled the pointer, or one no window
// reports (the pointer moving on outside them), keeps the timers awake for
// another look.
TEST_F(GlideIdleTest, AMoveTheLastSampleMissedKeepsTheTimersAwake) {
  StartGame("sjms", 0, 41);
  MovePointer(Over(0, 42));
  // Up to the round whose horizontal tick ends the glide on cell 42.
  const int arrival = window->gridView(0)->geometry().square(42).left;
  for (int round = 0; round < 20; ++round) {
    Fire(Timer(1, 0));
    if (cursors().state(0).frameLeft >= arrival) break;
    Fire(Timer(2, 0));
  }
  MovePointer(Over(0, 51));  // between the vertical tick and the horizontal one
  Fire(Timer(2, 0));
  EXPECT_TRUE(glide().timersRunning(0)) << "the move came after the last sample";
  Rest();
  EXPECT_EQ(cursors().state(0).currentCell, 51);

  MovePointer(Away());
  Round(false);
  pointer.at = Away() + QPoint(300, 0);
  Round(false);
  EXPECT_TRUE(glide().timersRunning(0)) << "the pointer moved since the last tick";
  Round(false);
  EXPECT_FALSE(glide().timersRunning(0));
}

// The pointer leaving, a minimised window and a modal dialog neither keep a
// glide timer running for nothing nor stop a glide half-way.
TEST_F(GlideIdleTest, AGlideGoesOnWhenThePointerOrTheWindowGoesAway) {
  StartGame("sjms", 0, 41);
  ExpectSameGlide({{0, [this] { MovePointer(Over(0, 81)); }}, {3, [this] { MovePointer(Away()); }}});

  MovePointer(Over(0, 41));
  Rest();
  ExpectSameGlide({{0, [this] { MovePointer(Over(0, 1)); }}, {3, [this] { window->showMinimized(); }}},
                  [this] { window->showNormal(); });
  EXPECT_EQ(cursors().state(0).currentCell, 1);
  window->showNormal();
  MovePointer(Over(0, 41));
  Rest();

  std::unique_ptr<QDialog> dialog;
  bool runningBehindTheDialog = true;  // the second play, with the timers, has the last word
  ExpectSameGlide({{0, [this] { MovePointer(Over(0, 61)); }},
                   {2,
                    [&] {
                      dialog = std::make_unique<QDialog>(window.get());
                      dialog->setModal(true);
                      dialog->setGeometry(QRect(Over(0, 52) / kTwipsPerPixel - QPoint(100, 80), QSize(200, 160)));
                      dialog->show();
                    }},
                   {28, [&] { runningBehindTheDialog = AnyTimerRunning(); }},
                   {30, [&] { MovePointer(Over(0, 43), dialog.get()); }},  // over the dialog, above the grid
                   {50, [&] { dialog.reset(); }}});
  EXPECT_FALSE(runningBehindTheDialog);
  EXPECT_EQ(cursors().state(0).currentCell, 43);
}

// What the window could not see while it was minimised or behind a modal
// dialog, it catches up with as soon as it is back.
TEST_F(GlideIdleTest, ComingBackTheFrameFollowsAPointerThatMovedUnseen) {
  StartGame("sjms", 0, 41);
  window->showMinimized();
  Rest();
  pointer.at = Over(0, 43);  // no window of the program sees the pointer
  Round(false);
  EXPECT_FALSE(AnyTimerRunning());
  window->showNormal();
  Rest();
  EXPECT_EQ(cursors().state(0).currentCell, 43);

  auto dialog = std::make_unique<QDialog>(window.get());
  dialog->setModal(true);
  dialog->show();
  Settle();
  Rest();
  pointer.at = Over(0, 25);  // over the blocked main window
  dialog.reset();
  Settle();
  Rest();
  EXPECT_EQ(cursors().state(0).currentCell, 25);
}

}  // namespace
}  // namespace varelo
