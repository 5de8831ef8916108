#pragma once
// Tells when the pointer may have moved against the grids, so the cursor
// glide can sleep while nothing moves: the pointer moving over, entering or
// leaving any window of the program (a dialog included), and a window
// moving, resizing, showing again, changing state or becoming active.
// It watches the whole application, since a modal dialog keeps the main
// window from seeing the pointer.

#include <QObject>

#include <functional>

namespace varelo {

class PointerWatch : public QObject {
 public:
  PointerWatch(std::function<void()> moved, QObject* parent);
  ~PointerWatch() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> moved_;
};

}  // namespace varelo
