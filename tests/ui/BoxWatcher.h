#pragma once
// Acts once on the next message box that opens modally: reads it, clicks a
// button, or leaves it alone to see what it does by itself.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace varelo::testing {

class BoxWatcher : public QObject {
 public:
  explicit BoxWatcher(std::function<void(QMessageBox&)> act) : act_(std::move(act)) {
    connect(&poll_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      poll_.stop();
      seen = true;
      act_(*box);
    });
    poll_.start(5);
  }

  bool seen = false;

 private:
  QTimer poll_;
  std::function<void(QMessageBox&)> act_;
};

}  // namespace varelo::testing
