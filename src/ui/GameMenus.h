#pragma once
// The menu bar of the main window ("游戏(&G)", "帮助(&H)") and the tray menu
// "sys", which never enters the bar. Every item carries its name as
// objectName and reports its clicks by that name. The level menu
// (mnuLevels(i)) and the file menu (mnufil(i)) grow at run time.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace varelo {

using ClickSink = std::function<void(const QString& name)>;

// The items of a control array in one menu: "mnuLevels(0)", "mnuLevels(1)"...
class RuntimeMenu : public QObject {
  Q_OBJECT

 public:
  RuntimeMenu(QMenu* menu, const QString& arrayName, ClickSink click, QObject* parent = nullptr);

  QMenu* menu() const { return menu_; }
  int count() const { return int(items_.size()); }
  QAction* item(int index) const { return items_.value(index); }

  // Adds items after the last one, numbered on.
  void Append(const QStringList& captions);
  // Removes the items from `index` on.
  void RemoveFrom(int index);

 private:
  QMenu* menu_;
  QString arrayName_;
  ClickSink click_;
  QList<QAction*> items_;
};

struct GameMenus {
  RuntimeMenu* levels = nullptr;  // under "任务模式"
  RuntimeMenu* files = nullptr;   // under "读取文件"
  QMenu* tray = nullptr;          // "sys"
  QList<QAction*> actions;        // the fixed items, submenus and separators included
};

// Builds the bar's menus and the tray menu. Opening the "读取与保存" submenu
// reports a click of "wenjian", so the file list is fresh each time it shows.
GameMenus BuildGameMenus(QMenuBar* bar, QObject* owner, ClickSink click);

}  // namespace varelo
