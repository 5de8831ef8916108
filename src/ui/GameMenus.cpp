#include "ui/GameMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "model/Controls.h"
#include "model/Texts.h"

namespace varelo {

RuntimeMenu::RuntimeMenu(QMenu* menu, const QString& arrayName, ClickSink click, QObject* parent)
    : QObject(parent), menu_(menu), arrayName_(arrayName), click_(std::move(click)) {}

void RuntimeMenu::Append(const QStringList& captions) {
  for (const QString& caption : captions) {
    auto* action = menu_->addAction(caption);
    action->setObjectName(ctl::Indexed(qPrintable(arrayName_), count()));
    connect(action, &QAction::triggered, this, [this, action] { click_(action->objectName()); });
    items_.append(action);
  }
}

void RuntimeMenu::RemoveFrom(int index) {
  while (count() > std::max(index, 0)) {
    QAction* last = items_.takeLast();
    menu_->removeAction(last);
    last->deleteLater();
  }
}

namespace {

class MenuBuilder {
 public:
  MenuBuilder(QObject* owner, ClickSink click, GameMenus& menus)
      : owner_(owner), click_(std::move(click)), menus_(menus) {}

  QMenu* Submenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    Name(menu, name);
    return menu;
  }

  QAction* Item(QMenu* menu, const char* name, const QString& caption, QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connect(action, name);
    menus_.actions.append(action);
    return action;
  }

  QAction* Separator(QMenu* menu, const char* name, bool visible = true) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    action->setVisible(visible);
    menus_.actions.append(action);
    return action;
  }

  void Name(QMenu* menu, const char* name) {
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menus_.actions.append(menu->menuAction());
  }

 private:
  void connect(QAction* action, const char* name) {
    const QString n = QString::fromLatin1(name);
    QObject::connect(action, &QAction::triggered, owner_, [click = click_, n] { click(n); });
  }

  QObject* owner_;
  ClickSink click_;
  GameMenus& menus_;
};

}  // namespace

GameMenus BuildGameMenus(QMenuBar* bar, QObject* owner, ClickSink click) {
  GameMenus menus;
  MenuBuilder b(owner, click, menus);

  QMenu* game = bar->addMenu(QStringLiteral("游戏(&G)"));
  b.Name(game, "youxi");
  QMenu* files = b.Submenu(game, "wenjian", QStringLiteral("读取与保存"));
  files->menuAction()->setVisible(false);
  QObject::connect(files, &QMenu::aboutToShow, owner, [click] { click(QStringLiteral("wenjian")); });
  QMenu* read = b.Submenu(files, "duqu", QStringLiteral("读取文件"));
  menus.files = new RuntimeMenu(read, QStringLiteral("mnufil"), click, owner);
  menus.files->Append({QStringLiteral("无")});
  b.Item(files, "baocun", QStringLiteral("保存结果"));
  b.Separator(game, "mnucav6", false);
  b.Item(game, "qxqj", QStringLiteral("取消求解(&C)"))->setVisible(false);
  b.Separator(game, "mnucav5", false);

  QMenu* single = b.Submenu(game, "cssd", QStringLiteral("单人游戏"));
  QMenu* mission = b.Submenu(single, "rwms", texts::kMissionMode);
  menus.levels = new RuntimeMenu(mission, QStringLiteral("mnuLevels"), click, owner);
  menus.levels->Append({texts::LevelCaption(1)});
  b.Item(single, "sjms", texts::kRandomMode, QKeySequence(Qt::Key_F6));
  QMenu* combination = b.Submenu(game, "zhsd", texts::kCombination);
  b.Item(combination, "zhej", texts::kOrder2, QKeySequence(Qt::Key_F7));
  b.Item(combination, "zhsj", texts::kOrder3, QKeySequence(Qt::Key_F8));
  QMenu* solve = b.Submenu(game, "qjsd", texts::kSolveSudoku);
  b.Item(solve, "qjyj", texts::kOrder1, QKeySequence(Qt::Key_F9));
  b.Item(solve, "qjej", texts::kOrder2, QKeySequence(Qt::Key_F11));
  b.Item(solve, "qjsj", texts::kOrder3, QKeySequence(Qt::Key_F12));
  b.Separator(game, "mnucav1");
  b.Item(game, "xuanxiang", QStringLiteral("选项(&O)"));
  b.Separator(game, "mnucav2");
  b.Item(game, "tuichu", QStringLiteral("退出(&X)"));

  QMenu* help = bar->addMenu(QStringLiteral("帮助(&H)"));
  b.Name(help, "bangzhu");
  b.Item(help, "yxgz", QStringLiteral("游戏规则介绍"));
  b.Separator(help, "mnucav3");
  b.Item(help, "guanyu", QStringLiteral("关于(&A)"));

  // The tray's pop-up menu belongs to the window, not to the bar.
  menus.tray = new QMenu(QStringLiteral("系统菜单"), bar->parentWidget());
  menus.tray->setObjectName(QStringLiteral("sys"));
  b.Item(menus.tray, "huanyuan", QStringLiteral("还原(&R)"));
  b.Separator(menus.tray, "mnucav4");
  b.Item(menus.tray, "tuichu2", QStringLiteral("退出(&X)"));
  return menus;
}

}  // namespace varelo
