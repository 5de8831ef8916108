#include "game/GameClock.h"

#include <QTimer>

#include "game/Controls.h"
#include "game/Prompter.h"
#include "game/WindowPort.h"
#include "settings/LenientNumber.h"

namespace varelo {

namespace {
const QString kStrip = QStringLiteral("Picture1");
const QString kBar = QStringLiteral("Shape1");
constexpr Rgb kWarningRed{255, 0, 0};

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }
}  // namespace

GameClock::GameClock(Controls& controls, WindowPort& window, Prompter& prompter, QObject* parent)
    : QObject(parent), controls_(controls), window_(window), prompter_(prompter), timer_(new QTimer(this)) {
  timer_->setObjectName(QStringLiteral("Timer8"));
  timer_->setInterval(500);
  connect(timer_, &QTimer::timeout, this, &GameClock::Timer8_Timer);
  // The layout changes the strip's width on every resize; the bar keeps its
  // proportion of the remaining time.
  connect(&controls_, &Controls::changed, this, [this](const QString& name) {
    if (name == kStrip) FollowStripWidth();
  });
}

void GameClock::Start() { timer_->start(); }
void GameClock::Stop() { timer_->stop(); }
bool GameClock::isRunning() const { return timer_->isActive(); }

void GameClock::ResetBar() {
  barLeft_ = 0;
  controls_.setLeft(kBar, 0);
  controls_.setWidth(kBar, controls_.width(kStrip));
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
  StepBar();
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
  if (minutes != 0 || seconds >= 15) return;
  const bool red = controls_.colour(kStrip) == kWarningRed;
  controls_.setColour(kStrip, red ? colours::kBlack : kWarningRed);
}

void GameClock::StepBar() {
  const int width = controls_.width(kBar);
  if (timeLimit_ <= 0 || barLeft_ <= -width) return;
  barLeft_ -= static_cast<double>(controls_.width(kStrip)) / timeLimit_;
  controls_.setLeft(kBar, static_cast<int>(barLeft_));
}

void GameClock::FollowStripWidth() {
  // Without a limit (beginner, solve mode, where the bar is the solver's
  // busy bar) the bar is not the clock's to move.
  if (timeLimit_ <= 0) return;
  const int stripWidth = controls_.width(kStrip);
  const int oldWidth = controls_.width(kBar);
  controls_.setWidth(kBar, stripWidth);
  if (oldWidth <= 0) return;
  barLeft_ = barLeft_ * stripWidth / oldWidth;
  controls_.setLeft(kBar, static_cast<int>(barLeft_));
}

}  // namespace varelo
