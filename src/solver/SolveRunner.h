#pragma once
// Drives a SolveSession from the event loop, one slice per timer tick, so
// the window stays live during a run without nested event loops. finished()
// reports the outcome once the run has ended.

#include <QObject>
#include <QTimer>

#include <functional>

#include "solver/SolveSession.h"

namespace varelo {

class SolveRunner : public QObject {
  Q_OBJECT

 public:
  explicit SolveRunner(QObject* parent = nullptr);

  // Starts driving `session`, which the caller has started (StartFresh or
  // StartResume) and keeps alive until finished().
  void run(SolveSession& session);
  bool running() const { return session_ != nullptr; }

  // Holds the run without ending it, e.g. while a modal question is open:
  // no slice runs until resume().
  void pause();
  void resume();
  // Drops the run without a report; the caller has already dealt with it.
  void stop();

  // Test hook: while the gate returns false the run makes no progress
  // (each tick returns at once), so a test can catch it in the middle and
  // cancel it without waiting. An empty gate lets every slice through.
  void setGate(std::function<bool()> gate) { gate_ = std::move(gate); }

 public slots:
  // One slice of the run: the tick of the runner's 0 ms timer, public so a
  // test that drives every timer itself can step the run.
  void slice();

 signals:
  void finished(varelo::RunOutcome outcome);

 private:
  QTimer timer_;
  SolveSession* session_ = nullptr;
  std::function<bool()> gate_;
  bool paused_ = false;
};

}  // namespace varelo
