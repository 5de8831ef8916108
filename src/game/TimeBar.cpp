#include "game/TimeBar.h"

#include <cmath>

#include "model/Controls.h"

namespace varelo {

namespace {
const QString kStrip = ctl::kPicture1;
const QString kBar = ctl::kShape1;
constexpr int kBusyWidth = 350;
constexpr int kBusyStep = 75;
}  // namespace

TimeBar::TimeBar(Controls& controls, QObject* parent) : QObject(parent), controls_(controls) {
  // The strip also changes colour (the warning); only its width moves the bar.
  connect(&controls_, &Controls::changed, this, [this](const QString& name) {
    if (name == kStrip && stripWidth() != fittedWidth_) FitToStrip();
  });
}

int TimeBar::stripWidth() const { return controls_.width(kStrip); }

void TimeBar::SetLeft(double left) {
  left_ = left;
  controls_.setLeft(kBar, static_cast<int>(std::lround(left)));
}

void TimeBar::Restart() {
  busy_ = false;
  controls_.setWidth(kBar, stripWidth());
  controls_.setColour(kBar, colours::kTimeBar);
  SetWarningLit(false);
  SetLeft(0);
}

void TimeBar::Step(int limitSeconds) {
  if (busy_ || limitSeconds <= 0 || left_ <= -controls_.width(kBar)) return;
  SetLeft(left_ - static_cast<double>(stripWidth()) / limitSeconds);
}

void TimeBar::FitToStrip() {
  fittedWidth_ = stripWidth();
  if (busy_) return;  // the busy bar keeps its own size
  controls_.setWidth(kBar, stripWidth());
  const ClockReading clock = reading_ ? reading_() : ClockReading{};
  if (clock.limitSeconds <= 0) return;  // no clock: the bar keeps its place
  SetLeft(-static_cast<double>(stripWidth()) * (clock.limitSeconds - clock.remainingSeconds) / clock.limitSeconds);
}

void TimeBar::FlashStrip() { SetWarningLit(!warningLit_); }

void TimeBar::SetWarningLit(bool lit) {
  warningLit_ = lit;
  controls_.setColour(kStrip, lit ? colours::kTimeWarning : colours::kBlack);
}

void TimeBar::StartBusy() {
  busy_ = true;
  controls_.setWidth(kBar, kBusyWidth);
  SetLeft(-kBusyWidth);
}

void TimeBar::StepBusy() {
  double left = left_ + kBusyStep;
  if (left >= stripWidth()) left = -kBusyWidth;
  SetLeft(left);
}

void TimeBar::StopBusy() {
  busy_ = false;
  controls_.setWidth(kBar, stripWidth());
  SetLeft(0);
}

}  // namespace varelo
