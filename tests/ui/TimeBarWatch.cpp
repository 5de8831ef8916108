#include "TimeBarWatch.h"

#include <QTimer>

#include <cmath>

#include "model/Controls.h"
#include "settings/LenientNumber.h"
#include "ui/MainWindow.h"

namespace varelo::testing {

namespace {
const QString kBar = ctl::kShape1;
const QString kStrip = ctl::kPicture1;
}  // namespace

TimeBarWatch::TimeBarWatch(MainWindow& window) : window_(window) {
  Controls& controls = window_.game().controls();
  // Connected after the game's own handlers: these run once the game has acted.
  auto* clock = window_.game().findChild<QTimer*>(ctl::kTimer8);
  connect(clock, &QTimer::timeout, this, &TimeBarWatch::AfterTick);
  connect(&controls, &Controls::changed, this, [this](const QString& name) {
    if (name == kStrip && StripWidth() != stripWidth_) AfterStripChange();
  });
  stripWidth_ = StripWidth();
}

int TimeBarWatch::StripWidth() const { return window_.game().controls().width(kStrip); }

int TimeBarWatch::RemainingSeconds() const {
  const Controls& controls = window_.game().controls();
  return ParseInt(controls.text(ctl::LblTime(0))) * 60 + ParseInt(controls.text(ctl::LblTime(2)));
}

QStringList TimeBarWatch::NewGame() {
  QStringList problems;
  const Controls& controls = window_.game().controls();
  if (controls.left(kBar) != 0 || controls.width(kBar) != StripWidth())
    problems << QStringLiteral("a new game's time bar is at %1, %2 wide, over a strip of %3")
                    .arg(controls.left(kBar))
                    .arg(controls.width(kBar))
                    .arg(StripWidth());
  if (controls.colour(kStrip) != colours::kBlack) problems << QStringLiteral("a new game's strip is not black");
  // The clock shows the whole limit now; beginners and solve mode have none.
  limit_ = controls.text(ctl::LblTime(1)) == u":" ? RemainingSeconds() : 0;
  expected_ = 0;
  return problems;
}

void TimeBarWatch::AfterTick() {
  const Controls& controls = window_.game().controls();
  if (limit_ <= 0 || controls.text(ctl::LblTime(1)) != u":") return;  // counted once a second
  if (expected_ > -controls.width(kBar)) expected_ -= static_cast<double>(StripWidth()) / limit_;
}

void TimeBarWatch::AfterStripChange() {
  stripWidth_ = StripWidth();
  if (limit_ > 0) expected_ = -static_cast<double>(stripWidth_) * (limit_ - RemainingSeconds()) / limit_;
}

QStringList TimeBarWatch::Check() const {
  if (limit_ <= 0) return {};
  const Controls& controls = window_.game().controls();
  QStringList problems;
  if (std::abs(controls.left(kBar) - expected_) > 1)
    problems << QStringLiteral("the time bar is at %1, the rules put it at %2 (limit %3 s, clock %4 s left)")
                    .arg(controls.left(kBar))
                    .arg(expected_, 0, 'f', 1)
                    .arg(limit_)
                    .arg(RemainingSeconds());
  if (controls.width(kBar) != StripWidth())
    problems
        << QStringLiteral("the time bar is %1 wide over a strip of %2").arg(controls.width(kBar)).arg(StripWidth());
  return problems;
}

}  // namespace varelo::testing
