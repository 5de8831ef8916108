#include "sources/LevelMenu.h"

namespace varelo {

LevelMenu::LevelMenu(QObject* parent) : QObject(parent), captions_{CaptionOf(1)} {}

QString LevelMenu::CaptionOf(int level) { return QStringLiteral("第") + QString::number(level) + QStringLiteral("关"); }

void LevelMenu::AddItem() {
  const int index = upperBound() + 1;
  captions_.append(CaptionOf(index + 1));
  emit itemAdded(index, captions_.last());
}

}  // namespace varelo
