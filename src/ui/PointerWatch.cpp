#include "ui/PointerWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace varelo {

namespace {

// The window system reports the pointer to the window under it; the widgets
// inside see the same motion again, so only windows are watched for it.
bool PointerEvent(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::TabletMove: return true;
    default: return false;
  }
}

// Changes that carry the grids across a still pointer, or end a time in
// which the window could not see it (minimised, hidden, behind a dialog).
bool WindowEvent(QEvent::Type type) {
  switch (type) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Expose:
    case QEvent::WindowStateChange:
    case QEvent::ActivationChange:
    case QEvent::FocusIn: return true;
    default: return false;
  }
}

bool IsWindow(const QObject* object) {
  if (object->isWindowType()) return true;
  const auto* widget = qobject_cast<const QWidget*>(object);
  return widget && widget->isWindow();
}

}  // namespace

PointerWatch::PointerWatch(std::function<void()> moved, QObject* parent) : QObject(parent), moved_(std::move(moved)) {
  QCoreApplication::instance()->installEventFilter(this);
}

PointerWatch::~PointerWatch() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool PointerWatch::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((PointerEvent(type) && watched->isWindowType()) || (WindowEvent(type) && IsWindow(watched))) moved_();
  return false;
}

}  // namespace varelo
