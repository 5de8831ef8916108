#include "ui/Canvas.h"

#include <QPainter>

#include "core/ControlNames.h"
#include "look/Pictures.h"

namespace varelo {

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
  setObjectName(ctl::kForm1Client);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::setPlayerPicture(const QImage& picture) {
  player_ = picture;
  update();
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const qreal ratio = devicePixelRatioF();
  if (builtIn_.isNull() || builtIn_.deviceIndependentSize() != QSizeF(size()) || builtIn_.devicePixelRatio() != ratio)
    builtIn_ = pictures::Render(pictures::kBackground, size(), ratio);
  painter.drawPixmap(0, 0, builtIn_);
  if (!player_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), player_);
  }
}

void Canvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

}  // namespace varelo
