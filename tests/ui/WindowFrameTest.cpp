// The main window under a window manager, which frames it: it opens centred
// by its frame and wholly on its screen, lays out by its framed size, builds
// its grids a frame's border in, and its dialogs open centred on it. Only a
// real display (run-with-tray.sh) has a frame; offscreen these skip.

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"
#include "model/Controls.h"
#include "model/Twips.h"
#include "settings/SettingsStore.h"
#include "ui/GridView.h"

#include <xcb/xcb.h>

namespace varelo {
namespace {

// A window's frame as the X server has it: the window manager's outermost
// window around it, or nothing while it is not framed. Qt's own idea of a
// frame can lag behind the manager's on a busy machine.
QRect ServerFrame(const QWidget& window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11->connection();
  const auto client = xcb_window_t(window.winId());
  xcb_window_t outer = client;
  for (;;) {
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, outer), nullptr);
    if (!tree) return {};
    const xcb_window_t parent = tree->parent;
    const bool top = parent == tree->root || parent == XCB_WINDOW_NONE;
    free(tree);
    if (top) break;
    outer = parent;
  }
  if (outer == client) return {};
  xcb_get_geometry_reply_t* box = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, outer), nullptr);
  if (!box) return {};
  const QRect frame(box->x, box->y, box->width + 2 * box->border_width, box->height + 2 * box->border_width);
  free(box);
  return frame;
}

// Notes the frame of the next modal window once the window manager has
// framed it and it has stayed put a moment, then closes it.
class ModalFrame : public QObject {
 public:
  ModalFrame() {
    deadline_.start();
    connect(&poll_, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || !modal->isVisible()) return;
      const QRect now = ServerFrame(*modal);
      const bool settled = !now.isEmpty() && now == last_;
      last_ = now;
      // A window never framed is closed all the same, so the test fails instead of waiting.
      if (!settled && deadline_.elapsed() < 5000) return;
      poll_.stop();
      frame = settled ? now : QRect();
      modal->close();
    });
    poll_.start(50);
  }
  QRect frame;

 private:
  QTimer poll_;
  QElapsedTimer deadline_;
  QRect last_;
};

class WindowFrameTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "no window manager offscreen";
  }
  // The window as the game opens it, with real message boxes.
  MainWindow& Start() {
    window = std::make_unique<MainWindow>(settings.store(), AppPaths{programDir->path()}, nullptr, &pointer);
    window->ShowAtStoredPlacement();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->frameGeometry().size() != window->size(); }));
    QTest::qWait(200);  // the window manager's last word on the place
    return *window;
  }
  static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(WindowFrameTest, OpensCentredByItsFrameAndLaysOutByItsFramedSize) {
  MainWindow& w = Start();
  const QPoint off = w.frameGeometry().center() - Screen().center();
  EXPECT_LE(std::abs(off.x()), 1);
  EXPECT_LE(std::abs(off.y()), 1);
  // W and H are the frame's: the buttons and icons stand from its right and bottom.
  Controls& c = w.game().controls();
  EXPECT_EQ(c.left(ctl::Command(1)), ToTwips(w.frameGeometry().width()) - 1920);
  EXPECT_EQ(c.top(ctl::Command(1)), ToTwips(w.frameGeometry().height()) - 1755);
  // The grids start a frame's side border in.
  const int border = (w.frameGeometry().width() - w.width()) / 2;
  EXPECT_EQ(w.gridView(0)->geometry().square(1).left, 90 - ToTwips(border));
}

TEST_F(WindowFrameTest, AStoredSizeLargerThanTheScreenEndsWhollyOnIt) {
  const QRect screen = Screen();
  SettingsStore& store = settings.store();
  store.Write(SettingKey::WindowState, QStringLiteral("0"));
  store.Write(SettingKey::WindowWidth, ToTwips(screen.width() + 300));
  store.Write(SettingKey::WindowHeight, ToTwips(screen.height() + 300));
  store.Write(SettingKey::WindowLeft, ToTwips(screen.width() - 400));
  store.Write(SettingKey::WindowTop, ToTwips(screen.height() - 300));
  MainWindow& w = Start();
  EXPECT_TRUE(screen.contains(w.frameGeometry())) << w.frameGeometry().x() << "," << w.frameGeometry().y() << " "
                                                  << w.frameGeometry().width() << "x" << w.frameGeometry().height();
}

TEST_F(WindowFrameTest, DialogsAndMessageBoxesOpenCentredOnTheWindow) {
  MainWindow& w = Start();
  const QRect owner = ServerFrame(w);
  ASSERT_FALSE(owner.isEmpty());
  for (const QString& item : {ctl::kGuanyu, ctl::kYxgz}) {
    ModalFrame modal;
    w.game().Click(item);
    ASSERT_FALSE(modal.frame.isEmpty()) << item.toStdString();
    const QPoint off = modal.frame.center() - owner.center();
    EXPECT_LE(std::abs(off.x()), 2) << item.toStdString();
    EXPECT_LE(std::abs(off.y()), 2) << item.toStdString();
  }
  ModalFrame box;
  QTest::keyClick(&w, Qt::Key_7, Qt::ControlModifier | Qt::AltModifier);  // a message box
  ASSERT_FALSE(box.frame.isEmpty());
  const QPoint off = box.frame.center() - owner.center();
  EXPECT_LE(std::abs(off.x()), 2);
  EXPECT_LE(std::abs(off.y()), 2);
}

}  // namespace
}  // namespace varelo
