#include "ui/CurrentLevelMenu.h"

#include <QEvent>
#include <QMenu>
#include <QProxyStyle>

#include <algorithm>

namespace varelo {

namespace {

// The menu's own style, scrolling where the style would add columns.
class ScrollingMenuStyle : public QProxyStyle {
 public:
  explicit ScrollingMenuStyle(const QString& base) : QProxyStyle(base) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_Menu_Scrollable) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

CurrentLevelMenu::CurrentLevelMenu(QMenu& menu, std::function<int()> currentLevel, QObject* parent)
    : QObject(parent), menu_(menu), currentLevel_(std::move(currentLevel)) {
  auto* style = new ScrollingMenuStyle(menu.style()->name());
  style->setParent(&menu);
  menu.setStyle(style);
  // The mark is set before the menu takes its size: a change to an item of
  // a shown menu resizes it to its full height.
  connect(&menu, &QMenu::aboutToShow, this, &CurrentLevelMenu::MarkCurrentLevel);
  menu.installEventFilter(this);
}

bool CurrentLevelMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &menu_) return false;
  // Shown, the menu has its place and its scroll range.
  if (event->type() == QEvent::Show && marked_) menu_.setActiveAction(marked_);
  // Qt opens a menu that closed scrolled away from its top displaced by
  // that scroll, out of sight; rewound as it closes, it opens in place.
  if (event->type() == QEvent::Hide && !menu_.actions().isEmpty()) menu_.setActiveAction(menu_.actions().first());
  return false;
}

void CurrentLevelMenu::MarkCurrentLevel() {
  const QList<QAction*> items = menu_.actions();
  if (items.isEmpty()) return;
  QAction* current = items[std::clamp(currentLevel_(), 1, int(items.size())) - 1];
  if (marked_ && marked_ != current) {
    marked_->setChecked(false);
    marked_->setCheckable(false);
  }
  current->setCheckable(true);
  current->setChecked(true);
  marked_ = current;
}

}  // namespace varelo
