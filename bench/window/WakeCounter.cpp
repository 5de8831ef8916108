#include "WakeCounter.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>

#include <sys/resource.h>

namespace bench {

namespace {

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Summed over every thread: Qt's display connection reads its events on a
// thread of its own.
long long VoluntarySwitches() {
  long long total = 0;
  const QDir tasks(QStringLiteral("/proc/self/task"));
  for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile status(tasks.filePath(task + QStringLiteral("/status")));
    if (!status.open(QIODevice::ReadOnly)) continue;
    for (const QByteArray& line : status.readAll().split('\n'))
      if (line.startsWith("voluntary_ctxt_switches:")) total += line.mid(24).trimmed().toLongLong();
  }
  return total;
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
  switchesAtStart_ = VoluntarySwitches();
  wall_.start();
}

WakeFigures WakeCounter::Stop() const {
  WakeFigures f;
  f.seconds = wall_.elapsed() / 1000.0;
  f.namedTimersPerSecond = named_ / f.seconds;
  f.otherTimersPerSecond = other_ / f.seconds;
  f.wakeUpsPerSecond = (VoluntarySwitches() - switchesAtStart_) / f.seconds;
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
