#include "solver/SolveRunner.h"

namespace varelo {

SolveRunner::SolveRunner(QObject* parent) : QObject(parent) {
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, &SolveRunner::slice);
}

void SolveRunner::run(SolveSession& session) {
  session_ = &session;
  timer_.start();
}

void SolveRunner::slice() {
  if (!session_) {
    timer_.stop();
    return;
  }
  // A held run still notices a cancel at once.
  if (gate_ && !gate_() && !session_->cancelRequested()) return;
  const RunOutcome outcome = session_->Advance();
  if (outcome == RunOutcome::Running) return;
  timer_.stop();
  session_ = nullptr;
  emit finished(outcome);
}

}  // namespace varelo
