#include "game/GameClock.h"

#include <QTimer>

#include "core/ControlNames.h"
#include "game/TimeBar.h"
#include "model/GameState.h"
#include "model/Prompter.h"
#include "model/WindowPort.h"

namespace varelo {

GameClock::GameClock(GameState& state, TimeBar& bar, WindowPort& window, Prompter& prompter, QObject* parent)
    : QObject(parent), state_(state), bar_(bar), window_(window), prompter_(prompter), timer_(new QTimer(this)) {
  timer_->setObjectName(ctl::kTimer8);
  timer_->setInterval(500);
  connect(timer_, &QTimer::timeout, this, &GameClock::Tick);
  // After a resize the bar shows the share of the limit that is left.
  bar_.setClockReading([this] { return TimeBar::ClockReading{remainingSeconds(), timeLimitSeconds()}; });
}

void GameClock::Start() { timer_->start(); }
void GameClock::Stop() { timer_->stop(); }
bool GameClock::isRunning() const { return timer_->isActive(); }

void GameClock::ResetBar() { bar_.Restart(); }

int GameClock::remainingSeconds() const { return state_.clockSeconds(); }

void GameClock::setTimeLimitSeconds(int seconds) { state_.setTimeLimit(seconds); }

int GameClock::timeLimitSeconds() const { return state_.session().timeLimit; }

void GameClock::Tick() {
  state_.BlinkSeparator();
  if (state_.clock().separator != ClockSign::Colon) return;  // the count goes once a second

  // A game set up without a time (a difficulty outside 1..4 names none) has
  // nothing to run out; ending it would restart it every second.
  if (timeLimitSeconds() > 0 && !window_.isMinimized() && !CountDown()) {
    timer_->stop();
    prompter_.Inform(QStringLiteral("时间到！"));
    if (timeUp_) timeUp_();
  }
  FlashWarning();
  bar_.Step(timeLimitSeconds());
}

bool GameClock::CountDown() {
  const int seconds = state_.clockSeconds();
  if (seconds <= 0) return false;
  state_.setClockSeconds(seconds - 1);
  return true;
}

void GameClock::FlashWarning() {
  if (state_.clockSeconds() < 15) bar_.FlashStrip();
}

}  // namespace varelo
