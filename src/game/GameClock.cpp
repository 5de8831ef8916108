#include "game/GameClock.h"

#include <QTimer>

#include "game/Controls.h"
#include "game/Prompter.h"
#include "game/TimeBar.h"
#include "game/WindowPort.h"
#include "settings/LenientNumber.h"

namespace varelo {

namespace {
QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }
}  // namespace

GameClock::GameClock(Controls& controls, TimeBar& bar, WindowPort& window, Prompter& prompter,
                     QObject* parent)
    : QObject(parent), controls_(controls), bar_(bar), window_(window), prompter_(prompter),
      timer_(new QTimer(this)) {
  timer_->setObjectName(QStringLiteral("Timer8"));
  timer_->setInterval(500);
  connect(timer_, &QTimer::timeout, this, &GameClock::Timer8_Timer);
  // After a resize the bar shows the share of the limit that is left.
  bar_.setClockReading([this] { return TimeBar::ClockReading{remainingSeconds(), timeLimit_}; });
}

void GameClock::Start() { timer_->start(); }
void GameClock::Stop() { timer_->stop(); }
bool GameClock::isRunning() const { return timer_->isActive(); }

void GameClock::ResetBar() { bar_.Restart(); }

int GameClock::remainingSeconds() const {
  return ParseInt(controls_.text(ctl::LblTime(0))) * 60 + ParseInt(controls_.text(ctl::LblTime(2)));
}

void GameClock::Timer8_Timer() {
  const QString separator = controls_.text(ctl::LblTime(1)) != u":" ? QStringLiteral(":") : QString();
  controls_.setText(ctl::LblTime(1), separator);
  if (separator.isEmpty()) return;  // the count goes once a second

  // A game set up without a time (a difficulty outside 1..4 names none) has
  // nothing to run out; ending it would restart it every second.
  if (timeLimit_ > 0 && !window_.isMinimized() && !CountDown()) {
    timer_->stop();
    prompter_.Inform(QStringLiteral("时间到！"));
    if (timeUp_) timeUp_();
  }
  FlashWarning();
  bar_.Step(timeLimit_);
}

bool GameClock::CountDown() {
  const int minutes = ParseInt(controls_.text(ctl::LblTime(0)));
  const int seconds = ParseInt(controls_.text(ctl::LblTime(2)));
  if (seconds > 0) {
    controls_.setText(ctl::LblTime(2), TwoDigits(seconds - 1));
  } else if (minutes > 0) {
    controls_.setText(ctl::LblTime(0), TwoDigits(minutes - 1));
    controls_.setText(ctl::LblTime(2), QStringLiteral("59"));
  } else {
    return false;
  }
  return true;
}

void GameClock::FlashWarning() {
  const int minutes = ParseInt(controls_.text(ctl::LblTime(0)));
  const int seconds = ParseInt(controls_.text(ctl::LblTime(2)));
  if (minutes == 0 && seconds < 15) bar_.FlashStrip();
}

}  // namespace varelo
