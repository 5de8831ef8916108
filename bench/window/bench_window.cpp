// The window's figures: start-up to the first painted start screen, memory
// with an order-3 combination on screen, and processor use while a game
// sits idle (the cursor glide timers must not burn the processor).
//   QT_QPA_PLATFORM=offscreen build/bin/bench_window [idle-seconds]
// or under a real X server (xvfb-run build/bin/bench_window).

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

#include "app/Fonts.h"
#include "game/Game.h"
#include "settings/SettingsStore.h"
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

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void RunEventLoopFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  const int idleSeconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10;
  QTemporaryDir config;  // never touch the user's settings
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
  varelo::InstallFontSubstitutions();

  varelo::SettingsStore settings(QStringLiteral("varelo-bench"));
  QTemporaryDir programDir;
  varelo::MainWindow window(settings, varelo::AppPaths{programDir.path()});
  window.show();
  // The first painted frame: grab() paints the whole window as the screen would.
  window.grab();
  const qint64 startUp = sinceStart.elapsed();
  std::printf("start-up to the first painted start screen: %lld ms\n", static_cast<long long>(startUp));
  std::printf("resident memory on the start screen:        %.1f MiB\n", ResidentMiB());

  window.game().Click(QStringLiteral("zhsj"));
  RunEventLoopFor(1000);  // the top bar slides in, the bank's second half loads
  window.grab();
  std::printf("resident memory with an order-3 game:       %.1f MiB\n", ResidentMiB());

  const double before = ProcessorSeconds();
  QElapsedTimer wall;
  wall.start();
  RunEventLoopFor(idleSeconds * 1000);
  const double used = ProcessorSeconds() - before;
  std::printf("processor use, order-3 game idle %d s:       %.2f %% of one core\n", idleSeconds,
              100.0 * used / (wall.elapsed() / 1000.0));
  return 0;
}
