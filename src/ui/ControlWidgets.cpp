#include "ui/ControlWidgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "look/Pictures.h"
#include "look/QtColour.h"

namespace varelo {

CaptionLabel::CaptionLabel(const QString& name, const QFont& font, Qt::Alignment alignment, QWidget* parent, Edge edge)
    : QLabel(parent), edge_(edge) {
  setObjectName(name);
  setFont(font);
  setAlignment(alignment);
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  setFocusPolicy(Qt::NoFocus);
}

// The clock renders twice a second; a label repaints only when its text or
// colour has changed.
void CaptionLabel::Render(const ControlState& state) {
  setText(state.text);
  const QColor colour = ToQColor(state.colour);
  if (colour == colour_) return;
  colour_ = colour;
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, colour_);
  setPalette(palette);  // repaints
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

void CaptionLabel::enterEvent(QEnterEvent* event) {
  emit entered();
  QLabel::enterEvent(event);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  if (edge_ == Edge::None) return QLabel::paintEvent(event);
  QPainter painter(this);
  painter.setFont(font());
  QColor shadow = ToQColor(colours::kCaptionShadow);
  const bool outline = edge_ == Edge::Outline;
  shadow.setAlpha(outline ? 255 : colours::kCaptionShadowAlpha);
  painter.setPen(shadow);
  // The halo lies on the diagonals; the outline closes the gaps between them.
  static constexpr QPoint kDiagonals[] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
  static constexpr QPoint kStraights[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (const QPoint offset : kDiagonals) painter.drawText(rect().translated(offset), int(alignment()), text());
  if (outline)
    for (const QPoint offset : kStraights) painter.drawText(rect().translated(offset), int(alignment()), text());
  painter.setPen(colour_);
  painter.drawText(rect(), int(alignment()), text());
}

PictureBox::PictureBox(const QString& name, Chooser chooser, QWidget* parent)
    : QWidget(parent), chooser_(std::move(chooser)) {
  setObjectName(name);
  setAttribute(Qt::WA_TranslucentBackground);
  setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setImage(const QImage& image) {
  image_ = image;
  update();
}

void PictureBox::Render(const ControlState& state) {
  const QString picture = chooser_ ? chooser_(state) : QString();
  if (picture == picture_) return;
  picture_ = picture;
  rendered_ = QPixmap();
  update();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QWidget::mousePressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!image_.isNull()) {
    painter.drawImage(rect(), image_);
    return;
  }
  if (picture_.isEmpty()) return;
  if (rendered_.isNull() || rendered_.deviceIndependentSize() != QSizeF(size()) ||
      rendered_.devicePixelRatio() != devicePixelRatioF())
    rendered_ = pictures::Render(picture_, size(), devicePixelRatioF());
  painter.drawPixmap(0, 0, rendered_);
}

ShapeBox::ShapeBox(const QString& name, QWidget* parent, QColor outline, int outlinePixels)
    : QWidget(parent), outline_(outline), outlinePixels_(outlinePixels) {
  setObjectName(name);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // A filled box covers what lies beneath it, so a repaint of the clock
  // need not paint the background picture under the bar.
  setAttribute(Qt::WA_OpaquePaintEvent, outlinePixels_ == 0);
}

void ShapeBox::Render(const ControlState& state) {
  const QColor fill = ToQColor(state.colour);
  if (fill == fill_) return;
  fill_ = fill;
  update();
}

void ShapeBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (outlinePixels_ > 0) {
    const qreal half = outlinePixels_ / 2.0;
    painter.setPen(QPen(outline_, outlinePixels_));
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    return;
  }
  painter.fillRect(rect(), fill_);
}

CommandButton::CommandButton(const QString& name, QWidget* parent) : QPushButton(parent) {
  setObjectName(name);
  // The keys belong to the board, never to a button.
  setFocusPolicy(Qt::NoFocus);
}

void CommandButton::Render(const ControlState& state) { setText(state.text); }

}  // namespace varelo
