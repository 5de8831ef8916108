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

  QMenu* Submenu(QMenu* parent, QLatin1String name, const QString& caption) {
    QMenu* menu = parent->addMenu(caption);
    Name(menu, name);
    return menu;
  }

  QAction* Item(QMenu* menu, QLatin1String name, const QString& caption, QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString(name));
    action->setShortcut(shortcut);
    connect(action, name);
    menus_.actions.append(action);
    return action;
  }

  QAction* Separator(QMenu* menu, QLatin1String name, bool visible = true) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QString(name));
    action->setVisible(visible);
    menus_.actions.append(action);
    return action;
  }

  void Name(QMenu* menu, QLatin1String name) {
    menu->setObjectName(QString(name));
    menu->menuAction()->setObjectName(QString(name));
    menus_.actions.append(menu->menuAction());
  }

 private:
  void connect(QAction* action, QLatin1String name) {
    const QString n = QString(name);
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
  b.Name(game, ctl::kYouxi);
  QMenu* files = b.Submenu(game, ctl::kWenjian, QStringLiteral("读取与保存"));
  files->menuAction()->setVisible(false);
  QObject::connect(files, &QMenu::aboutToShow, owner, [click] { click(ctl::kWenjian); });
  QMenu* read = b.Submenu(files, ctl::kDuqu, QStringLiteral("读取文件"));
  menus.files = new RuntimeMenu(read, ctl::kMnufil, click, owner);
  menus.files->Append({QStringLiteral("无")});
  b.Item(files, ctl::kBaocun, QStringLiteral("保存结果"));
  b.Separator(game, ctl::kMnucav6, false);
  b.Item(game, ctl::kQxqj, QStringLiteral("取消求解(&C)"))->setVisible(false);
  b.Separator(game, ctl::kMnucav5, false);

  QMenu* single = b.Submenu(game, ctl::kCssd, QStringLiteral("单人游戏"));
  QMenu* mission = b.Submenu(single, ctl::kRwms, texts::kMissionMode);
  menus.levels = new RuntimeMenu(mission, ctl::kMnuLevels, click, owner);
  menus.levels->Append({texts::LevelCaption(1)});
  b.Item(single, ctl::kSjms, texts::kRandomMode, QKeySequence(Qt::Key_F6));
  QMenu* combination = b.Submenu(game, ctl::kZhsd, texts::kCombination);
  b.Item(combination, ctl::kZhej, texts::kOrder2, QKeySequence(Qt::Key_F7));
  b.Item(combination, ctl::kZhsj, texts::kOrder3, QKeySequence(Qt::Key_F8));
  QMenu* solve = b.Submenu(game, ctl::kQjsd, texts::kSolveSudoku);
  b.Item(solve, ctl::kQjyj, texts::kOrder1, QKeySequence(Qt::Key_F9));
  b.Item(solve, ctl::kQjej, texts::kOrder2, QKeySequence(Qt::Key_F11));
  b.Item(solve, ctl::kQjsj, texts::kOrder3, QKeySequence(Qt::Key_F12));
  b.Separator(game, ctl::kMnucav1);
  b.Item(game, ctl::kXuanxiang, QStringLiteral("选项(&O)"));
  b.Separator(game, ctl::kMnucav2);
  b.Item(game, ctl::kTuichu, QStringLiteral("退出(&X)"));

  QMenu* help = bar->addMenu(QStringLiteral("帮助(&H)"));
  b.Name(help, ctl::kBangzhu);
  b.Item(help, ctl::kYxgz, QStringLiteral("游戏规则介绍"));
  b.Separator(help, ctl::kMnucav3);
  b.Item(help, ctl::kGuanyu, QStringLiteral("关于(&A)"));

  // The tray's pop-up menu belongs to the window, not to the bar.
  menus.tray = new QMenu(QStringLiteral("系统菜单"), bar->parentWidget());
  menus.tray->setObjectName(ctl::kSys);
  b.Item(menus.tray, ctl::kHuanyuan, QStringLiteral("还原(&R)"));
  b.Separator(menus.tray, ctl::kMnucav4);
  b.Item(menus.tray, ctl::kTuichu2, QStringLiteral("退出(&X)"));
  return menus;
}

}  // namespace varelo
