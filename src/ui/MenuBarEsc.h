#pragma once
// Esc is the boss key whenever no menu and no dialog is open. A menu closed
// with Esc, or the Alt key alone, leaves the menu bar holding the keyboard
// with its title highlighted, and the bar would take the next Esc for
// itself; this hands that Esc to the main window and gives the window the
// keyboard back.

#include <QObject>

class QMenuBar;
class QWidget;

namespace varelo {

class MenuBarEsc : public QObject {
 public:
  // Watches `bar`; the Esc it would take goes to `window`.
  MenuBarEsc(QMenuBar& bar, QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
};

}  // namespace varelo
