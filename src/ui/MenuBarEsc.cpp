#include "ui/MenuBarEsc.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

namespace varelo {

MenuBarEsc::MenuBarEsc(QMenuBar& bar, QWidget& window) : QObject(&bar), window_(window) {
  bar.installEventFilter(this);
}

bool MenuBarEsc::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
  // An open menu or dialog closes with Esc as usual.
  if (QApplication::activePopupWidget() || QApplication::activeModalWidget()) return false;
  window_.setFocus();  // the bar leaves its keyboard mode
  QCoreApplication::sendEvent(&window_, event);
  return true;
}

}  // namespace varelo
