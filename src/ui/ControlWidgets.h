#pragma once
// The widgets that render named controls of the control model: caption
// labels, pictures, filled and outlined shapes, and command buttons. Each
// shows the content part of a ControlState; ControlBinder handles the rest
// (place, visibility, enabled state, tool tip).

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <functional>

#include "model/Controls.h"

namespace varelo {

class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void Render(const ControlState& state) = 0;
};

// A transparent text label in the control's colour; reports clicks and the
// pointer entering it. A halo (soft, dark) keeps light text readable on the
// bright time bar; an outline (thin, black) keeps the start screen's
// captions readable on any background picture.
class CaptionLabel : public QLabel, public ControlView {
  Q_OBJECT

 public:
  enum class Edge { None, Halo, Outline };
  CaptionLabel(const QString& name, const QFont& font, Qt::Alignment alignment, QWidget* parent,
               Edge edge = Edge::None);
  void Render(const ControlState& state) override;

 signals:
  void clicked();
  void entered();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  Edge edge_;
  QColor colour_;
};

// A picture stretched into its box; which picture comes from the state.
class PictureBox : public QWidget, public ControlView {
  Q_OBJECT

 public:
  using Chooser = std::function<QString(const ControlState&)>;
  PictureBox(const QString& name, Chooser chooser, QWidget* parent);
  // A picture from a file (the logo) instead of a built-in one.
  void setImage(const QImage& image);
  void Render(const ControlState& state) override;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  Chooser chooser_;
  QString picture_;
  QImage image_;
  QPixmap rendered_;  // picture_ at the current size, kept for repaints
};

// A rectangle filled with the control's colour (the strip and the bar of the
// time bar) or, with `outline`, only framed in it.
class ShapeBox : public QWidget, public ControlView {
  Q_OBJECT

 public:
  ShapeBox(const QString& name, QWidget* parent, QColor outline = QColor(), int outlinePixels = 0);
  void Render(const ControlState& state) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
  QColor outline_;
  int outlinePixels_;
};

class CommandButton : public QPushButton, public ControlView {
  Q_OBJECT

 public:
  CommandButton(const QString& name, QWidget* parent);
  void Render(const ControlState& state) override;
};

}  // namespace varelo
