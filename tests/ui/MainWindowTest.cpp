// The real main window, offscreen: grid geometry as drawn, the layouts of
// the three grid orders, the start screen, pointer tracking, close and
// restore, background errors, the logo and the menus. Writes the suite's
// screenshots.

#include <QAction>
#include <QEnterEvent>
#include <QFile>
#include <QImageWriter>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "WindowFixture.h"
#include "core/Board.h"
#include "input/ConflictMarker.h"
#include "model/Controls.h"
#include "model/Twips.h"
#include "settings/SettingsStore.h"
#include "sources/LevelBank.h"
#include "ui/GridView.h"
#include "viewmodel/StartScreen.h"
#include "viewmodel/WindowLayout.h"

namespace varelo {
namespace {

using testing::WindowTest;

QWidget* Child(QWidget& window, const QString& name) {
  auto* widget = window.findChild<QWidget*>(name);
  EXPECT_NE(widget, nullptr) << name.toStdString();
  return widget;
}

// The place of a widget in the window's client area, in pixels.
QPoint InClient(MainWindow& window, QWidget* widget) { return widget->mapTo(window.centralWidget(), QPoint(0, 0)); }

TEST_F(WindowTest, GridViewsCarryTheDesignGeometry) {
  MainWindow& w = Open();
  auto* main = w.gridView(0);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->objectName(), ctl::PicMis(0));
  // Qt knows no frame before the first show: the 4-pixel design frame applies.
  const GridGeometry& g = main->geometry();
  EXPECT_EQ(g.square(1), (TwipRect{30, 50, 615, 615}));
  EXPECT_EQ(g.square(9).left, 5220);
  EXPECT_EQ(g.square(73).top, 5510);
  // The view spans what it draws: the border lines and the board's margin.
  const TwipRect board = g.boardRect();
  const QRectF drawn(main->ToWidget(QPointF(board.left, board.top)),
                     main->ToWidget(QPointF(board.right(), board.bottom())));
  EXPECT_TRUE(QRectF(main->rect()).adjusted(-0.01, -0.01, 0.01, 0.01).contains(drawn));
  EXPECT_LT(main->width() - drawn.width(), 2);
  EXPECT_LT(main->height() - drawn.height(), 2);
  for (int grid = 2; grid <= 4; ++grid) {
    EXPECT_EQ(w.gridView(grid)->objectName(), ctl::PicMis(grid));
    EXPECT_EQ(w.gridView(grid)->size(), w.gridView(1)->size());
    for (int n = 1; n <= 81; ++n)
      EXPECT_EQ(w.gridView(grid)->geometry().square(n), w.gridView(1)->geometry().square(n));
  }
  for (int grid = 0; grid < 5; ++grid) EXPECT_FALSE(w.gridView(grid)->isVisibleTo(&w)) << grid;
}

TEST_F(WindowTest, CorrectionShiftsTheViewsSeventyTwipsRight) {
  settings.store().Write(SettingKey::FrameCorrection, QStringLiteral("yes"));
  MainWindow& w = Open();
  EXPECT_EQ(w.gridView(0)->geometry().square(1), (TwipRect{100, 50, 615, 615}));
  EXPECT_EQ(w.gridView(3)->geometry().square(1).left, 35 + 70);
  EXPECT_EQ(w.gridView(3)->geometry().square(1).top, 60);
}

TEST_F(WindowTest, SharedCornersCoverEachOtherOnScreen) {
  MainWindow& w = Open();
  ResizeTo(1100, 760);
  Controls& c = w.game().controls();
  for (int order : {2, 3}) {
    w.game().board().setComboOrder(order);
    for (int grid = 1; grid <= order; ++grid) c.setVisible(ctl::PicMis(grid), true);
    Settle();
    auto corner = [&w](int grid, int n) {
      return InClient(w, w.gridView(grid)) + w.gridView(grid)->cellRect(n).topLeft().toPoint();
    };
    EXPECT_LE((corner(1, 81) - corner(2, 1)).manhattanLength(), 2) << order;
    if (order == 3) {
      EXPECT_LE((corner(2, 9) - corner(3, 73)).manhattanLength(), 2);
    }
  }
}

TEST_F(WindowTest, SingleGridSitsLeftOfTheButtonsWhenNarrowAndCentredWhenWide) {
  MainWindow& w = Open();
  Controls& c = w.game().controls();
  c.setVisible(ctl::PicMis(0), true);
  c.setVisible(ctl::Command(1), true);

  ResizeTo(550, 530);  // the minimum: 8250 twips wide
  QWidget* grid = w.gridView(0);
  QWidget* restart = Child(w, ctl::Command(1));
  EXPECT_EQ(w.size(), QSize(550, 530));
  const int spaceLeftOfButtons = restart->x();
  EXPECT_NEAR(grid->x() + grid->width() / 2.0, spaceLeftOfButtons / 2.0, 1.5);
  EXPECT_LT(grid->x() + grid->width(), restart->x());

  ResizeTo(700, 600);  // 10500 twips: centred on the client area
  EXPECT_NEAR(grid->x() + grid->width() / 2.0, w.centralWidget()->width() / 2.0, 1.5);
  const int topBar = ToPixels(metrics::kTopBarHeight);
  EXPECT_NEAR(grid->y() + grid->height() / 2.0, w.centralWidget()->height() / 2.0 + topBar, 1.5);
}

TEST_F(WindowTest, StartScreenFollowsTheWindowSize) {
  MainWindow& w = Open();
  for (QSize size : {QSize(773, 580), QSize(1200, 860)}) {
    ResizeTo(size.width(), size.height());
    QWidget* first = Child(w, ctl::LblBegin(0));
    EXPECT_NEAR(first->x(), size.width() * 0.431, 1.5);
    EXPECT_NEAR(first->y(), size.height() * 0.2529, 1.5);
    EXPECT_EQ(first->size(), QSize(148, 35));
    for (int i = 1; i <= 6; ++i) {
      QWidget* entry = Child(w, ctl::LblBegin(i));
      EXPECT_TRUE(entry->isVisible());
      EXPECT_NEAR(entry->y() - first->y(), 48 * i, 1) << i;
    }
    EXPECT_FALSE(Child(w, ctl::LblBegin(7))->isVisible());
  }
  ResizeTo(773, 580);
  Screenshot(w, QStringLiteral("start-screen"));
}

TEST_F(WindowTest, HoverOpensTheSubEntriesOfTheEntryUnderThePointer) {
  MainWindow& w = Open();
  auto hover = [&w](int i) {
    QWidget* label = Child(w, ctl::LblBegin(i));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(label, &enter);
  };
  hover(0);
  EXPECT_TRUE(Child(w, ctl::LblBegin(7))->isVisible());
  EXPECT_TRUE(Child(w, ctl::LblBegin(8))->isVisible());
  const auto colourOf = [&w](int i) { return w.game().controls().colour(ctl::LblBegin(i)); };
  EXPECT_EQ(colourOf(0), colours::kEntryLit);
  hover(8);
  EXPECT_EQ(colourOf(0), colours::kEntryLit);
  EXPECT_EQ(colourOf(8), colours::kEntryLit);
  EXPECT_EQ(Child(w, ctl::LblBegin(8))->palette().color(QPalette::WindowText), QColor(0, 255, 255));
  hover(1);
  EXPECT_FALSE(Child(w, ctl::LblBegin(7))->isVisible());
  EXPECT_TRUE(Child(w, ctl::LblBegin(9))->isVisible());
  EXPECT_TRUE(Child(w, ctl::LblBegin(10))->isVisible());
  hover(3);
  EXPECT_FALSE(Child(w, ctl::LblBegin(9))->isVisible());
  EXPECT_FALSE(Child(w, ctl::LblBegin(10))->isVisible());
  hover(2);
  for (int i = 12; i <= 14; ++i) EXPECT_TRUE(Child(w, ctl::LblBegin(i))->isVisible()) << i;
  Screenshot(w, QStringLiteral("start-screen-solve-group"));

  settings.store().Write(SettingKey::LevelsOpened, 12);
  w.game().state().setResumeLevel(7);
  hover(0);
  EXPECT_TRUE(Child(w, ctl::kImgLa)->isVisible());
  EXPECT_TRUE(Child(w, ctl::kImgRa)->isVisible());
  Screenshot(w, QStringLiteral("start-screen-mission-group"));
}

// The pointer over the middle of square n of a grid, in screen twips.
QPoint OverSquare(MainWindow& w, int grid, int n) {
  GridView* view = w.gridView(grid);
  return (view->mapToGlobal(view->cellRect(n).center()) * kTwipsPerPixel).toPoint();
}

bool IsFrameColour(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) > 200; }

TEST_F(WindowTest, TrackingGlidesFromCellOneToCellFiftyAndRestsWithAThickFrame) {
  MainWindow& w = Open();
  w.game().controls().setVisible(ctl::PicMis(0), true);
  w.game().cursors().setTracking(0, true);
  EXPECT_TRUE(w.glide().timersRunning(0));
  Settle();
  pointer.at = OverSquare(w, 0, 50);
  EXPECT_TRUE(w.pointerOverMainGrid());
  bool glided = false;
  for (int tick = 0; tick < 200; ++tick) {
    w.glide().VerticalTick(0);
    w.glide().HorizontalTick(0);
    glided |= CursorGlide::OutlinePixels(w.game().cursors().state(0)) == 1;
  }
  const CursorState& state = w.game().cursors().state(0);
  EXPECT_TRUE(glided);
  EXPECT_EQ(state.currentCell, 50);
  EXPECT_EQ(CursorGlide::OutlinePixels(state), 3);

  // The drawn frame is exactly three pixels wide on the square's left edge.
  const QImage image = w.gridView(0)->grab().toImage();
  const QRectF square = w.gridView(0)->cellRect(50);
  const int x = qRound(square.left()), y = qRound(square.center().y());
  const qreal ratio = image.devicePixelRatio();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsFrameColour(image.pixel(int((x + i) * ratio), int(y * ratio)))) << i;
  EXPECT_FALSE(IsFrameColour(image.pixel(int((x + 3) * ratio), int(y * ratio))));
}

TEST_F(WindowTest, AFurtherGridHidesItsFrameWhenThePointerLeaves) {
  MainWindow& w = Open();
  ResizeTo(1100, 760);
  w.game().board().setComboOrder(2);
  w.game().controls().setVisible(ctl::PicMis(1), true);
  w.game().controls().setVisible(ctl::PicMis(2), true);
  Settle();
  pointer.at = OverSquare(w, 2, 41);
  w.glide().VerticalTick(2);
  EXPECT_TRUE(w.game().cursors().state(2).frameShown);
  pointer.at = OverSquare(w, 1, 1);  // over grid 1, away from grid 2
  w.glide().VerticalTick(2);
  EXPECT_FALSE(w.game().cursors().state(2).frameShown);
  const QImage image = w.gridView(2)->grab().toImage();
  int framePixels = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) framePixels += IsFrameColour(image.pixel(x, y));
  EXPECT_EQ(framePixels, 0);
}

TEST_F(WindowTest, ClosingSavesTheGeometryAndTheNextStartRestoresIt) {
  MainWindow& first = Open();
  first.resize(780, 640);  // within the 800 x 800 offscreen screen
  first.move(40, 30);
  Settle();
  const QPoint place = first.pos();

  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(first.close());
  ASSERT_EQ(prompter.asked.size(), 1);
  EXPECT_EQ(prompter.asked[0].text, QStringLiteral("确定要退出吗？"));
  EXPECT_EQ(prompter.asked[0].buttons, Prompt::Buttons::OkCancel);
  EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Question);
  EXPECT_TRUE(settings.store().Read(SettingKey::WindowWidth).isEmpty());

  prompter.answers = {Answer::Ok};
  EXPECT_TRUE(first.close());
  SettingsStore& store = settings.store();
  EXPECT_EQ(store.Read(SettingKey::WindowState), QStringLiteral("0"));
  EXPECT_EQ(store.Read(SettingKey::WindowWidth), QString::number(780 * 15));
  EXPECT_EQ(store.Read(SettingKey::WindowHeight), QString::number(640 * 15));
  EXPECT_EQ(store.Read(SettingKey::WindowLeft), QString::number(place.x() * 15));

  window = std::make_unique<MainWindow>(store, AppPaths{programDir->path()}, &prompter, &pointer);
  window->ShowAtStoredPlacement();
  Settle();
  EXPECT_EQ(window->size(), QSize(780, 640));
  EXPECT_EQ(window->pos(), place);
  EXPECT_FALSE(window->isMaximized());
}

TEST_F(WindowTest, AStoredMaximisedStateOpensMaximisedAndSavesOnlyTheState) {
  settings.store().Write(SettingKey::WindowState, QStringLiteral("2"));
  settings.store().Write(SettingKey::WindowWidth, QStringLiteral("9000"));
  window = std::make_unique<MainWindow>(settings.store(), AppPaths{programDir->path()}, &prompter, &pointer);
  window->ShowAtStoredPlacement();
  Settle();
  EXPECT_TRUE(window->isMaximized());
  EXPECT_TRUE(window->close());
  EXPECT_EQ(settings.store().Read(SettingKey::WindowState), QStringLiteral("2"));
  EXPECT_EQ(settings.store().Read(SettingKey::WindowWidth), QStringLiteral("9000"));
  EXPECT_TRUE(settings.store().Read(SettingKey::WindowLeft).isEmpty());
}

TEST_F(WindowTest, AMissingBackgroundIsReportedOnceAndReset) {
  const QString path = programDir->filePath(QStringLiteral("gone.jpg"));
  settings.store().Write(SettingKey::Background, path);
  MainWindow& w = Open();
  ASSERT_EQ(prompter.asked.size(), 1);
  EXPECT_EQ(prompter.asked[0].text,
            QStringLiteral("无法打开") + path + QStringLiteral("。\n文件可能已被移除或重命名。"));
  EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Error);
  EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Varelo"));
  EXPECT_EQ(settings.store().Read(SettingKey::Background), QStringLiteral("默认"));
  EXPECT_FALSE(w.hasPlayerBackground());
}

TEST_F(WindowTest, AnUnreadableBackgroundIsToldApartFromAMissingOne) {
  const QString path = programDir->filePath(QStringLiteral("notes.jpg"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a picture at all");
  file.close();
  settings.store().Write(SettingKey::Background, path);
  Open();
  ASSERT_EQ(prompter.asked.size(), 1);
  EXPECT_EQ(prompter.asked[0].text, path + QStringLiteral("为无法支持的文件格式！"));
  EXPECT_EQ(settings.store().Read(SettingKey::Background), QStringLiteral("默认"));
}

TEST_F(WindowTest, TheDefaultOrARealPictureNeedsNoMessage) {
  Open();
  EXPECT_TRUE(prompter.asked.isEmpty());
  EXPECT_FALSE(window->hasPlayerBackground());

  const QString path = programDir->filePath(QStringLiteral("sky.png"));
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::darkBlue);
  ASSERT_TRUE(picture.save(path));
  settings.store().Write(SettingKey::Background, path);
  Open();
  EXPECT_TRUE(prompter.asked.isEmpty());
  EXPECT_TRUE(window->hasPlayerBackground());
  EXPECT_EQ(settings.store().Read(SettingKey::Background), path);
}

TEST_F(WindowTest, TheFirstLogoFoundIsShownAndClampedInSize) {
  QImage wide(300, 20, QImage::Format_RGB32);  // 4500 x 300 twips
  wide.fill(Qt::red);
  ASSERT_TRUE(wide.save(programDir->filePath(QStringLiteral("logo.bmp")), "BMP"));
  QImage tall(20, 60, QImage::Format_RGB32);
  tall.fill(Qt::green);
  ASSERT_TRUE(tall.save(programDir->filePath(QStringLiteral("logo.ico")), "BMP"));
  MainWindow& w = Open();
  QWidget* logo = Child(w, ctl::kImgLogo);
  EXPECT_EQ(logo->size(), QSize(ToPixels(3060), 20));
  EXPECT_EQ(logo->pos(), QPoint(0, 0));
  w.game().controls().setTop(ctl::kImgLogo, 250);
  EXPECT_EQ(logo->y(), ToPixels(250));
}

TEST_F(WindowTest, MenuBarFollowsTheTable) {
  MainWindow& w = Open();
  const QList<QAction*> top = w.menuBar()->actions();
  ASSERT_EQ(top.size(), 2);
  EXPECT_EQ(top[0]->objectName(), ctl::kYouxi);
  EXPECT_EQ(top[0]->text(), QStringLiteral("游戏(&G)"));
  EXPECT_EQ(top[1]->text(), QStringLiteral("帮助(&H)"));
  auto action = [&w](const char* name) {
    auto* found = w.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  };
  const std::pair<const char*, Qt::Key> keys[] = {{"sjms", Qt::Key_F6}, {"zhej", Qt::Key_F7},  {"zhsj", Qt::Key_F8},
                                                  {"qjyj", Qt::Key_F9}, {"qjej", Qt::Key_F11}, {"qjsj", Qt::Key_F12}};
  for (const auto& [name, key] : keys) EXPECT_EQ(action(name)->shortcut(), QKeySequence(key)) << name;
  for (const char* hidden : {"wenjian", "mnucav6", "qxqj", "mnucav5"})
    EXPECT_FALSE(action(hidden)->isVisible()) << hidden;
  for (const char* shown : {"cssd", "xuanxiang", "tuichu", "yxgz", "guanyu"})
    EXPECT_TRUE(action(shown)->isVisible()) << shown;
  EXPECT_EQ(action("qxqj")->text(), QStringLiteral("取消求解(&C)"));
  EXPECT_EQ(action("mnuLevels(0)")->text(), QStringLiteral("第1关"));
  EXPECT_EQ(action("mnufil(0)")->text(), QStringLiteral("无"));
  EXPECT_TRUE(action("mnucav1")->isSeparator());
  // The tray menu never enters the bar.
  ASSERT_NE(w.trayMenu(), nullptr);
  EXPECT_EQ(w.trayMenu()->objectName(), ctl::kSys);
  for (QAction* item : top) EXPECT_NE(item->menu(), w.trayMenu());
  EXPECT_EQ(action("huanyuan")->text(), QStringLiteral("还原(&R)"));

  // Every item reports its click by name; the model shows and hides items.
  QStringList clicked;
  w.game().ReplaceOnClick(ctl::kSjms, [&clicked](int) { clicked << ctl::kSjms; });
  w.game().ReplaceOnClick(ctl::kMnuLevels, [&clicked](int i) { clicked << QString::number(i); });
  action("sjms")->trigger();
  w.levelMenu().Append({QStringLiteral("第2关"), QStringLiteral("第3关")});
  action("mnuLevels(2)")->trigger();
  EXPECT_EQ(clicked, (QStringList{ctl::kSjms, QStringLiteral("2")}));
  w.levelMenu().RemoveFrom(1);
  EXPECT_EQ(w.levelMenu().count(), 1);
  // The file menu's first item follows the model, the files come after it.
  w.game().controls().setText(ctl::Indexed(ctl::kMnufil, 0), QStringLiteral("sk1.txt"));
  w.fileMenu().Append({QStringLiteral("sk2.txt")});
  EXPECT_EQ(action("mnufil(0)")->text(), QStringLiteral("sk1.txt"));
  EXPECT_EQ(action("mnufil(1)")->text(), QStringLiteral("sk2.txt"));
  w.game().controls().setVisible(ctl::kWenjian, true);
  EXPECT_TRUE(action("wenjian")->isVisible());
}

TEST_F(WindowTest, ControlsForwardTheirClicksByName) {
  MainWindow& w = Open();
  QStringList clicked;
  for (const char* name : {"Command2", "Lbltishi", "Imgcol", "ImgRa"})
    w.game().ReplaceOnClick(QString::fromLatin1(name), [&clicked, name](int) { clicked << QString::fromLatin1(name); });
  w.game().ReplaceOnClick(ctl::kLblBegin, [&clicked](int i) { clicked << QString::number(i); });
  Controls& c = w.game().controls();
  for (const char* name : {"Command2", "Lbltishi", "Imgcol", "ImgRa"}) c.setVisible(QString::fromLatin1(name), true);
  c.setEnabled(ctl::Command(2), true);  // the start screen offers no puzzle to solve
  Settle();
  qobject_cast<QPushButton*>(Child(w, ctl::Command(2)))->click();
  for (const char* name : {"Lbltishi", "Imgcol", "ImgRa"}) {
    QWidget* widget = Child(w, QString::fromLatin1(name));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
  }
  QWidget* entry = Child(w, ctl::LblBegin(5));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), entry->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(entry, &press);
  EXPECT_EQ(clicked, (QStringList{ctl::Command(2), ctl::kLbltishi, ctl::kImgcol, ctl::kImgRa, QStringLiteral("5")}));
}

TEST_F(WindowTest, KeysReachTheGameAsVirtualKeyCodes) {
  MainWindow& w = Open();
  // Ctrl+Alt+keypad 7 is the correction switch of the keyboard map.
  QKeyEvent keypadSeven(QEvent::KeyPress, Qt::Key_7, Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier);
  QApplication::sendEvent(&w, &keypadSeven);
  EXPECT_EQ(settings.store().Read(SettingKey::FrameCorrection), QStringLiteral("yes"));
  ASSERT_EQ(prompter.asked.size(), 1);
  // Ctrl+Shift+Alt+7 is not that switch.
  QKeyEvent withShift(QEvent::KeyPress, Qt::Key_7, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
  QApplication::sendEvent(&w, &withShift);
  EXPECT_EQ(settings.store().Read(SettingKey::FrameCorrection), QStringLiteral("yes"));
  EXPECT_EQ(prompter.asked.size(), 1);
}

TEST_F(WindowTest, DraggingTheMainGridMovesItUntilTheNextResize) {
  MainWindow& w = Open();
  w.game().controls().setVisible(ctl::PicMis(0), true);
  Settle();
  GridView* grid = w.gridView(0);
  const QPoint before = grid->pos();
  const QPointF on = grid->cellRect(41).topLeft() + QPointF(7, 7);
  auto send = [grid](QEvent::Type type, QPointF local, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, local, grid->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(grid, &event);
  };
  send(QEvent::MouseButtonPress, on, Qt::RightButton, Qt::RightButton);
  send(QEvent::MouseMove, on + QPointF(30, 20), Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(grid->pos(), before);
  send(QEvent::MouseButtonRelease, on + QPointF(30, 20), Qt::RightButton, Qt::NoButton);

  send(QEvent::MouseButtonPress, on, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, on + QPointF(30, 20), Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, on + QPointF(30, 20), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(grid->pos(), before + QPoint(30, 20));
  ResizeTo(w.width() + 10, w.height());
  ResizeTo(w.width() - 10, w.height());
  EXPECT_EQ(grid->pos(), before);
}

}  // namespace
}  // namespace varelo

namespace varelo {
namespace {

TEST_F(WindowTest, TheGameReachesTheWindowThroughItsLinks) {
  MainWindow& w = Open();
  GameLinks& links = w.game().links();
  Controls& c = w.game().controls();

  // The top bar slides in on the window's Timer5.
  links.slideTopBarIn();
  EXPECT_TRUE(w.topBar().isSlidingIn());
  for (int i = 0; i < 6; ++i) w.topBar().SlideInTick();
  EXPECT_FALSE(w.topBar().isSlidingIn());
  EXPECT_EQ(Child(w, ctl::kPicTop)->y(), 0);

  // The conflict marker's cross appears on the grid view.
  w.game().conflicts().ShowConflictCross(0, 41);
  EXPECT_EQ(w.gridView(0)->crossCell(), 41);

  // The level arrows follow the mission entry.
  settings.store().Write(SettingKey::LevelsOpened, 5);
  w.game().state().setResumeLevel(3);
  links.updateLevelArrows();
  EXPECT_TRUE(c.isVisible(ctl::kImgLa));
  EXPECT_TRUE(c.isVisible(ctl::kImgRa));

  // A newly opened level gets its menu item.
  w.game().levelBank().menu().AddItem();
  ASSERT_EQ(w.levelMenu().count(), 2);
  EXPECT_EQ(w.levelMenu().item(1)->text(), QStringLiteral("第2关"));
  EXPECT_EQ(w.levelMenu().item(1)->objectName(), ctl::Indexed(ctl::kMnuLevels, 1));

  pointer.at = OverSquare(w, 0, 1);
  EXPECT_TRUE(links.pointerOverMainGrid());
  pointer.at = QPoint(-50000, -50000);
  EXPECT_FALSE(links.pointerOverMainGrid());
}

TEST_F(WindowTest, TheFileSubmenuAsksTheGameEachTimeItOpens) {
  MainWindow& w = Open();
  int asked = 0;
  w.game().ReplaceOnClick(ctl::kWenjian, [&asked](int) { ++asked; });
  auto* files = w.findChild<QMenu*>(ctl::kWenjian);
  ASSERT_NE(files, nullptr);
  emit files->aboutToShow();
  emit files->aboutToShow();
  EXPECT_EQ(asked, 2);
}

TEST_F(WindowTest, OpensCentredAtTheDesignSizeWithAMinimum) {
  MainWindow& w = Open();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Varelo"));
  EXPECT_EQ(w.size(), QSize(940, 680));
  EXPECT_EQ(w.minimumSize(), QSize(550, 530));
  w.resize(300, 200);
  EXPECT_EQ(w.size(), QSize(550, 530));
  EXPECT_FALSE(w.windowIcon().isNull());
  // The start screen's entries are as wide as the model says, so notices centre by it.
  EXPECT_EQ(w.game().controls().width(ctl::LblBegin(2)), 2220);
}

TEST_F(WindowTest, ShowingTheMainGridTakesBackADrag) {
  MainWindow& w = Open();
  Controls& c = w.game().controls();
  c.setVisible(ctl::PicMis(0), true);
  Settle();
  const int left = c.left(ctl::PicMis(0));
  c.setLeft(ctl::PicMis(0), left + 600);
  c.setVisible(ctl::PicMis(0), false);
  c.setVisible(ctl::PicMis(0), true);
  EXPECT_EQ(c.left(ctl::PicMis(0)), left);
}

}  // namespace
}  // namespace varelo
