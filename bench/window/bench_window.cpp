// The window's figures: start-up to the first painted start screen, memory
// with an order-3 combination on screen, and what the program does while
// nobody touches it and while the pointer moves over a grid: timer events
// per second, the process's wake-ups per second and its processor use, on
// the start screen, in a beginner's single game (no clock), in a timed
// single game and in a timed order-3 game; beside them a bare Qt window that
// only shows a clock, the least any window with the game's clock can cost.
//   QT_QPA_PLATFORM=offscreen build/bin/bench_window [seconds-per-stretch]
// or under a real X server (xvfb-run -a build/bin/bench_window 30).

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <cstdio>

#include "WakeCounter.h"
#include "app/Fonts.h"
#include "game/Game.h"
#include "settings/SettingsStore.h"
#include "ui/GridView.h"
#include "ui/MainWindow.h"

namespace {

// Resident memory of this process in MiB.
double ResidentMiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
  return 0;
}

// The bench's own timers are children of `root`, which the counter leaves out.
void RunEventLoopFor(int milliseconds, QObject& root) {
  QEventLoop loop;
  QTimer timer(&root);
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  timer.start(milliseconds);
  loop.exec();
}

// Moves the pointer round a circle two cells wide over a point, 125 times a
// second, as a hand on the mouse does.
class PointerSweep {
 public:
  PointerSweep(QPoint centre, int radius, QObject& root) : centre_(centre), radius_(radius), timer_(&root) {
    timer_.setInterval(8);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Step(); });
  }
  void Start() { timer_.start(); }
  void Stop() { timer_.stop(); }

 private:
  void Step() {
    angle_ += 0.05;
    QCursor::setPos(centre_ + QPoint(int(radius_ * std::cos(angle_)), int(radius_ * std::sin(angle_))));
  }
  QPoint centre_;
  int radius_;
  double angle_ = 0;
  QTimer timer_;
};

struct Scenario {
  const char* name;
  const char* entry;  // the menu item that opens the game; none for the start screen
  int difficulty;     // 1 the beginner (no clock)
  int grid;           // the grid the pointer rests and moves over
};

void PrintRow(const char* scenario, const char* pointer, const bench::WakeFigures& f) {
  std::printf("| %-34s | %-7s | %8.1f | %8.2f | %8.1f | %8.1f | %7.3f |", scenario, pointer, f.namedTimersPerSecond,
              f.otherTimersPerSecond, f.mainWakeUpsPerSecond, f.wakeUpsPerSecond, f.processorPercent);
  for (auto it = f.byName.begin(); it != f.byName.end(); ++it)
    std::printf(" %s %.2f/s", qPrintable(it.key()), it.value() / f.seconds);
  std::printf("\n");
  std::fflush(stdout);
}

// What any Qt window pays for the clock the game shows: a bare window whose
// label changes every 500 ms and whose bar steps a pixel every second, with
// nothing else in it. The game's timed rows are measured against this one.
void MeasureBareClock(int seconds, QObject& root) {
  QWidget window;
  window.resize(940, 700);
  QWidget bar(&window);
  bar.setGeometry(10, 20, 442, 15);
  bar.setAutoFillBackground(true);
  QLabel label(&window);
  label.setGeometry(440, 20, 40, 15);
  QTimer tick(&root);
  int ticks = 0;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    label.setText(++ticks % 2 ? QStringLiteral(":") : QStringLiteral(" "));
    if (ticks % 2) bar.move(bar.x() - 1, bar.y());
  });
  tick.start(500);
  window.show();
  RunEventLoopFor(2000, root);

  bench::WakeCounter counter(root);
  counter.Start();
  RunEventLoopFor(seconds * 1000, root);
  PrintRow("bare Qt window, clock only", "still", counter.Stop());
}

void Measure(varelo::MainWindow& window, varelo::SettingsStore& settings, const Scenario& scenario, int seconds,
             QObject& root) {
  if (scenario.entry) {
    settings.Write(varelo::SettingKey::Difficulty, scenario.difficulty);
    window.game().Click(QString::fromLatin1(scenario.entry));
  }
  QPoint centre = window.mapToGlobal(window.rect().center());
  int radius = 60;
  if (scenario.grid >= 0) {
    const varelo::GridView* view = window.gridView(scenario.grid);
    centre = view->mapToGlobal(view->cellRect(41).center().toPoint());
    radius = int(view->cellRect(1).width() * 2);
  }
  QCursor::setPos(centre);
  RunEventLoopFor(2000, root);  // the top bar slides in, the frame reaches the pointer

  bench::WakeCounter counter(root);
  counter.Start();
  RunEventLoopFor(seconds * 1000, root);
  PrintRow(scenario.name, "still", counter.Stop());

  PointerSweep sweep(centre, radius, root);
  sweep.Start();
  counter.Start();
  RunEventLoopFor(seconds * 1000, root);
  const bench::WakeFigures moving = counter.Stop();
  sweep.Stop();
  PrintRow(scenario.name, "moving", moving);
  QCursor::setPos(centre);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10;
  QTemporaryDir config;  // never touch the user's settings
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
  varelo::InstallFontSubstitutions();
  QObject benchRoot;

  varelo::SettingsStore settings(QStringLiteral("varelo-bench"));
  QTemporaryDir programDir;
  varelo::MainWindow window(settings, varelo::AppPaths{programDir.path()});
  window.show();
  // The first painted frame: grab() paints the whole window as the screen would.
  window.grab();
  const qint64 startUp = sinceStart.elapsed();
  std::printf("start-up to the first painted start screen: %lld ms\n", static_cast<long long>(startUp));
  std::printf("resident memory on the start screen:        %.1f MiB\n", ResidentMiB());
  RunEventLoopFor(1000, benchRoot);  // the level bank's second half loads

  std::printf(
      "\n%d s a stretch. Per second: timer events of the window's named timers and of any other\n"
      "timer; wake-ups of the game's thread and of the whole process. Processor use in %% of one core.\n",
      seconds);
  std::printf("| %-34s | %-7s | %8s | %8s | %8s | %8s | %7s | by timer\n", "screen", "pointer", "named", "other",
              "main", "process", "cpu %");
  MeasureBareClock(seconds, benchRoot);  // the game rests on its start screen meanwhile
  static const Scenario kScenarios[] = {
      {"start screen", nullptr, 0, -1},
      {"single grid, beginner (no clock)", "sjms", 1, 0},
      {"single grid, timed", "sjms", 2, 0},
      {"order 3, timed", "zhsj", 2, 1},
  };
  for (const Scenario& scenario : kScenarios) {
    Measure(window, settings, scenario, seconds, benchRoot);
    if (scenario.grid == 1) {
      window.grab();
      std::printf("resident memory with an order-3 game:       %.1f MiB\n", ResidentMiB());
    }
  }
  return 0;
}
