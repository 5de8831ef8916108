#pragma once
// The level menu "任务模式" holds one item per opened level, up to 1999. It
// scrolls in one column no taller than the screen, where Qt would spread it
// over the whole screen in columns with the later levels out of reach; and
// each time it opens it marks the current level and brings it into view, so
// the pointer, the wheel and the keys start from there.

#include <QAction>
#include <QObject>
#include <QPointer>

#include <functional>

class QMenu;

namespace varelo {

class CurrentLevelMenu : public QObject {
 public:
  // `currentLevel` is read each time the menu opens.
  CurrentLevelMenu(QMenu& menu, std::function<int()> currentLevel, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MarkCurrentLevel();

  QMenu& menu_;
  std::function<int()> currentLevel_;
  QPointer<QAction> marked_;
};

}  // namespace varelo
