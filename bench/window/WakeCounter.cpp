#include "WakeCounter.h"

#include <QCoreApplication>
#include <QEvent>

#include <sys/resource.h>

namespace bench {

namespace {

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Voluntary context switches: every time a thread slept and something woke
// it. The process's count keeps those of threads that have ended (Qt's
// display connection reads its events on a thread of its own).
long long Switches(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return usage.ru_nvcsw;
}

}  // namespace

WakeCounter::WakeCounter(const QObject& benchRoot) : benchRoot_(benchRoot) {
  QCoreApplication::instance()->installEventFilter(this);
}

WakeCounter::~WakeCounter() { QCoreApplication::instance()->removeEventFilter(this); }

void WakeCounter::Start() {
  named_ = other_ = 0;
  byName_.clear();
  processorAtStart_ = ProcessorSeconds();
  switchesAtStart_ = Switches(RUSAGE_SELF);
  mainSwitchesAtStart_ = Switches(RUSAGE_THREAD);
  wall_.start();
}

WakeFigures WakeCounter::Stop() const {
  WakeFigures f;
  f.seconds = wall_.elapsed() / 1000.0;
  f.namedTimersPerSecond = named_ / f.seconds;
  f.otherTimersPerSecond = other_ / f.seconds;
  f.wakeUpsPerSecond = (Switches(RUSAGE_SELF) - switchesAtStart_) / f.seconds;
  f.mainWakeUpsPerSecond = (Switches(RUSAGE_THREAD) - mainSwitchesAtStart_) / f.seconds;
  f.processorPercent = 100.0 * (ProcessorSeconds() - processorAtStart_) / f.seconds;
  f.byName = byName_;
  return f;
}

bool WakeCounter::OwnedByBench(const QObject* object) const {
  for (; object; object = object->parent())
    if (object == &benchRoot_) return true;
  return false;
}

bool WakeCounter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Timer || OwnedByBench(watched)) return false;
  const QString name = watched->objectName();
  if (name.startsWith(QStringLiteral("Timer"))) {
    ++named_;
    ++byName_[name];
  } else {
    ++other_;
    ++byName_[QStringLiteral("(%1)").arg(QString::fromLatin1(watched->metaObject()->className()))];
  }
  return false;
}

}  // namespace bench
