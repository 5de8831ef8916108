#pragma once
// What wakes the process over a stretch of time: timer events, split into
// the window's named timers (Timer1, Timer8, ...) and every other timer of
// the program; voluntary context switches (each one a sleep that something
// ended) of the whole process and of the thread that runs the game; and
// processor time. Timers owned by the bench itself are left out. Call
// Start() and Stop() on the game's thread.

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QString>

namespace bench {

struct WakeFigures {
  double seconds = 0;
  double namedTimersPerSecond = 0;  // the window's timer table
  double otherTimersPerSecond = 0;  // any other timer of the program
  double wakeUpsPerSecond = 0;      // voluntary context switches, all threads
  double mainWakeUpsPerSecond = 0;  // those of the thread that runs the game
  double processorPercent = 0;      // of one core
  QMap<QString, int> byName;        // named timer -> events
};

class WakeCounter : public QObject {
 public:
  // Events to `benchRoot` and its children are the bench's own.
  explicit WakeCounter(const QObject& benchRoot);
  ~WakeCounter() override;

  void Start();
  WakeFigures Stop() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OwnedByBench(const QObject* object) const;

  const QObject& benchRoot_;
  QElapsedTimer wall_;
  double processorAtStart_ = 0;
  long long switchesAtStart_ = 0;
  long long mainSwitchesAtStart_ = 0;
  int named_ = 0;
  int other_ = 0;
  QMap<QString, int> byName_;
};

}  // namespace bench
