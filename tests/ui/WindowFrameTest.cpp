// The main window under a window manager, which frames it: it opens centred
// by its frame and wholly on its screen, lays out by its framed size, builds
// its grids a frame's border in, and its dialogs open centred on it. Only a
// real display (run-with-tray.sh) has a frame; offscreen these skip.

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "game/Controls.h"
#include "settings/SettingsStore.h"
#include "ui/GridView.h"
#include "ui/model/Twips.h"
#include "WindowFixture.h"

namespace varelo {
namespace {

// Notes the frame of the next modal window once the window manager has
// framed it, then closes it.
class ModalFrame : public QObject {
 public:
  ModalFrame() {
    connect(&poll_, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || !modal->isVisible() || modal->frameGeometry().size() == modal->size()) return;
      poll_.stop();
      QTest::qWait(100);
      frame = modal->frameGeometry();
      modal->close();
    });
    poll_.start(20);
  }
  QRect frame;

 private:
  QTimer poll_;
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
  for (const QString item : {QStringLiteral("guanyu"), QStringLiteral("yxgz")}) {
    ModalFrame modal;
    w.game().Click(item);
    ASSERT_FALSE(modal.frame.isEmpty()) << item.toStdString();
    const QPoint off = modal.frame.center() - w.frameGeometry().center();
    EXPECT_LE(std::abs(off.x()), 2) << item.toStdString();
    EXPECT_LE(std::abs(off.y()), 2) << item.toStdString();
  }
  ModalFrame box;
  QTest::keyClick(&w, Qt::Key_7, Qt::ControlModifier | Qt::AltModifier);  // a message box
  ASSERT_FALSE(box.frame.isEmpty());
  const QPoint off = box.frame.center() - w.frameGeometry().center();
  EXPECT_LE(std::abs(off.x()), 2);
  EXPECT_LE(std::abs(off.y()), 2);
}

}  // namespace
}  // namespace varelo
