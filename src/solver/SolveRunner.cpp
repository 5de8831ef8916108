#include "solver/SolveRunner.h"

namespace varelo {

SolveRunner::SolveRunner(QObject* parent) : QObject(parent) {
  timer_.setObjectName(QStringLiteral("SolveSlices"));
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, &SolveRunner::slice);
}

void SolveRunner::run(SolveSession& session) {
  session_ = &session;
  paused_ = false;
  timer_.start();
}

void SolveRunner::pause() {
  paused_ = true;
  timer_.stop();
}

void SolveRunner::resume() {
  paused_ = false;
  if (session_) timer_.start();
}

void SolveRunner::stop() {
  timer_.stop();
  session_ = nullptr;
  paused_ = false;
}

void SolveRunner::slice() {
  if (!session_ || paused_) {
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
