#include "ui/WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "viewmodel/WindowPlacement.h"

namespace varelo {

namespace {
QList<QRect> AvailableScreens() {
  QList<QRect> screens;
  if (QScreen* primary = QGuiApplication::primaryScreen()) screens << primary->availableGeometry();
  for (QScreen* screen : QGuiApplication::screens())
    if (screen != QGuiApplication::primaryScreen()) screens << screen->availableGeometry();
  return screens;
}
}  // namespace

WindowFrame::WindowFrame(QWidget& window) : QObject(&window), window_(window) { window_.installEventFilter(this); }

QSize WindowFrame::outerSize() const { return known() ? window_.frameGeometry().size() : window_.size(); }

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show: Follow(); break;
      case QEvent::WindowStateChange:
        // A window maximised (or minimised) before its first frame is placed
        // by the window manager; a move now, seen in a passing normal state
        // while the manager answers, would take the maximised state away.
        if (window_.windowState() != Qt::WindowNoState) placedOnce_ = true;
        Follow();
        break;
      default: break;
    }
  }
  return QObject::eventFilter(watched, event);
}

void WindowFrame::Follow() {
  const QSize margins = window_.frameGeometry().size() - window_.size();
  const bool framed = margins.width() > 0 || margins.height() > 0;
  if (margins == margins_ || !framed || !window_.isVisible()) return;
  margins_ = margins;
  emit changed();
  if (placedOnce_ || window_.isMaximized() || window_.isMinimized()) return;
  placedOnce_ = true;
  if (!placedByStore_) {
    const QScreen* screen = window_.screen();
    QRect frame = window_.frameGeometry();
    if (screen) frame.moveCenter(screen->availableGeometry().center());
    window_.move(frame.topLeft());
  }
  KeepOnScreen();
}

void WindowFrame::KeepOnScreen() {
  if (window_.isMaximized() || window_.isMinimized() || window_.isFullScreen()) return;
  const QRect frame = window_.frameGeometry();
  const QRect placed = WhollyOnScreen(frame, AvailableScreens());
  if (placed == frame) return;
  window_.resize(window_.size() - (frame.size() - placed.size()));
  window_.move(placed.topLeft());
}

}  // namespace varelo
