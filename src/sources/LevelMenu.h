#pragma once
// The level menu under "任务模式" as a model: one caption per opened level,
// "第1关" always first. The menu widget mirrors it through itemAdded().

#include <QObject>
#include <QStringList>

namespace varelo {

class LevelMenu : public QObject {
  Q_OBJECT

 public:
  explicit LevelMenu(QObject* parent = nullptr);

  // "第" + level + "关".
  static QString CaptionOf(int level);

  const QStringList& captions() const { return captions_; }
  // The highest item index; item i opens level i + 1.
  int upperBound() const { return static_cast<int>(captions_.size()) - 1; }

  // Appends item upperBound() + 1, captioned for the level after the last.
  void AddItem();

 signals:
  void itemAdded(int index, const QString& caption);

 private:
  QStringList captions_;
};

}  // namespace varelo
