#include "game/TopBarSlide.h"

#include <QTimer>

#include "model/Controls.h"

namespace varelo {

namespace {
const QString kBar = ctl::kPicTop;
const QString kLogo = ctl::kImgLogo;

QTimer* MakeTimer(QLatin1String name, QObject* parent) {
  auto* timer = new QTimer(parent);
  timer->setObjectName(name);
  timer->setInterval(TopBarSlide::kIntervalMs);
  return timer;
}
}  // namespace

TopBarSlide::TopBarSlide(Controls& controls, QObject* parent)
    : QObject(parent), controls_(controls), in_(MakeTimer(ctl::kTimer5, this)), out_(MakeTimer(ctl::kTimer9, this)) {
  connect(in_, &QTimer::timeout, this, &TopBarSlide::SlideInTick);
  connect(out_, &QTimer::timeout, this, &TopBarSlide::SlideOutTick);
}

void TopBarSlide::StartSlideIn() { in_->start(); }
void TopBarSlide::StopSlideIn() { in_->stop(); }
void TopBarSlide::StartSlideOut() { out_->start(); }
void TopBarSlide::StopSlideOut() { out_->stop(); }
bool TopBarSlide::isSlidingIn() const { return in_->isActive(); }
bool TopBarSlide::isSlidingOut() const { return out_->isActive(); }

void TopBarSlide::MoveBy(int dy) {
  controls_.setTop(kBar, controls_.top(kBar) + dy);
  controls_.setTop(kLogo, controls_.top(kLogo) + dy);
}

void TopBarSlide::SlideInTick() {
  if (controls_.top(kBar) >= 0) {
    controls_.setTop(kBar, 0);
    controls_.setTop(kLogo, kLogoTopWithBar);
    in_->stop();
    return;
  }
  MoveBy(kStep);
}

void TopBarSlide::SlideOutTick() {
  if (controls_.top(kBar) > kHiddenTop) {
    MoveBy(-kStep);
    return;
  }
  controls_.setTop(kBar, kHiddenTop);
  controls_.setTop(kLogo, 0);
  out_->stop();
}

}  // namespace varelo
