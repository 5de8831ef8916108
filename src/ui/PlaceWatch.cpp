#include "ui/PlaceWatch.h"

#include <QEvent>
#include <QWidget>

namespace varelo {

namespace {

class PlaceWatch : public QObject {
 public:
  PlaceWatch(QWidget& widget, std::function<void(const QRect&)> placed)
      : QObject(&widget), widget_(widget), placed_(std::move(placed)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (watched == &widget_ && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize))
      placed_(widget_.frameGeometry());
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& widget_;
  std::function<void(const QRect&)> placed_;
};

}  // namespace

void WatchPlace(QWidget& widget, std::function<void(const QRect& frame)> placed) {
  widget.installEventFilter(new PlaceWatch(widget, std::move(placed)));
}

}  // namespace varelo
