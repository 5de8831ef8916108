// The titles of the main window, the dialogs and the message boxes as the
// window manager receives them, with the application set up as the game
// sets it up. Qt may compose the title it hands to the platform from more
// than the widget's own; only on a real X display (run-with-tray.sh) can the
// test read what arrived, so offscreen it skips.

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "WindowFixture.h"
#include "app/ApplicationSetup.h"
#include "settings/SettingsStore.h"

namespace varelo {
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  free(reply);
  return atom;
}

// The window's _NET_WM_NAME, the title a window manager shows.
QString TitleOnDisplay(const QWidget& window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11->connection();
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, xcb_window_t(window.winId()), Atom(connection, "_NET_WM_NAME"),
                       Atom(connection, "UTF8_STRING"), 0, 1024);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
  if (!reply) return QStringLiteral("(no title)");
  const QString title =
      QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
  free(reply);
  return title;
}

// Shows `look` the next modal window every `ms` once it is shown, until
// `look` answers true; then closes the window as Esc would.
class NextModal : public QObject {
 public:
  NextModal(int ms, std::function<bool(QWidget&)> look) : look_(std::move(look)) {
    connect(&poll_, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || !modal->isVisible() || !look_(*modal)) return;
      poll_.stop();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    poll_.start(ms);
  }

 private:
  std::function<bool(QWidget&)> look_;
  QTimer poll_;
};

// Near-white pixels in a window's title bar as the screen shows it: the
// title's text on an active window of openbox's default theme. The icon and
// the buttons are the same on every window of the program, so two title bars
// that show the same title whole hold the same count; a title cut to "V...o"
// holds fewer.
int TitleInk(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const int barHeight = window.geometry().top() - frame.top();
  const QImage bar =
      QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), barHeight).toImage();
  int ink = 0;
  for (int y = 0; y < bar.height(); ++y)
    for (int x = 0; x < bar.width(); ++x) {
      const QColor c = bar.pixelColor(x, y);
      if (c.red() > 235 && c.green() > 235 && c.blue() > 235) ++ink;
    }
  return ink;
}

// The manager draws a frame some time after the window becomes active: a
// reading counts once three in a row, taken 100 ms apart, agree.
class SettledInk {
 public:
  // Whether the reading of `window` has settled; a reading of 0 (no frame
  // drawn yet) never has.
  bool Settled(const QWidget& window) {
    const int reading = window.isActiveWindow() ? TitleInk(window) : 0;
    agreeing_ = reading > 0 && reading == ink ? agreeing_ + 1 : 0;
    ink = reading;
    return agreeing_ >= 2;
  }
  int ink = -1;

 private:
  int agreeing_ = 0;
};

// The title ink of a window given room for any title; 0 when it never
// settles (the window never became active, or the theme draws no light
// title text).
int WholeTitleInk(const QString& title) {
  QWidget roomy;
  roomy.setWindowTitle(title);
  roomy.resize(600, 60);
  roomy.show();
  roomy.activateWindow();
  SettledInk reading;
  for (int i = 0; i < 50; ++i) {
    QTest::qWait(100);
    if (reading.Settled(roomy)) return reading.ink;
  }
  return 0;
}

// The title ink of the modal window that `open` brings up, once the manager
// has drawn its frame (or after 5 s).
int ModalTitleInk(const std::function<void()>& open) {
  SettledInk reading;
  int polls = 0;
  NextModal modal(100, [&](QWidget& box) {
    // The manager may keep the focus on the main window a moment longer;
    // only an active title bar draws its text light.
    if (!box.isActiveWindow()) box.activateWindow();
    return reading.Settled(box) || ++polls >= 50;
  });
  open();
  return reading.ink;
}

class WindowTitleTest : public testing::WindowTest {
 protected:
  static void SetUpTestSuite() {
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) SetUpApplication(*qApp);
  }
  void SetUp() override {
    WindowTest::SetUp();
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
      GTEST_SKIP() << "no window manager on platform \"" << qPrintable(QGuiApplication::platformName())
                   << "\": run through tests/ui/run-with-tray.sh with xvfb-run";
  }
  // The real message boxes, not the fixture's scripted prompter.
  MainWindow& OpenWithMessageBoxes() {
    window = std::make_unique<MainWindow>(settings.store(), AppPaths{programDir->path()}, nullptr, &pointer);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return *window;
  }
  // The titles of the modal window that `open` brings up.
  std::pair<QString, QString> TitlesOf(const std::function<void()>& open) {
    std::pair<QString, QString> titles{QStringLiteral("(no window)"), QStringLiteral("(no window)")};
    NextModal modal(5, [&titles](QWidget& box) {
      titles = {box.windowTitle(), TitleOnDisplay(box)};
      return true;
    });
    open();
    return titles;
  }
  void Trigger(const char* name) { window->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
};

TEST_F(WindowTitleTest, EveryTitleReachesTheWindowManagerExactlyAsGiven) {
  settings.store().Write(SettingKey::BossKey, 0);  // Esc asks "确定要退出吗？" in a box
  MainWindow& w = OpenWithMessageBoxes();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Varelo"));
  EXPECT_EQ(TitleOnDisplay(w), QStringLiteral("Varelo"));

  using Titles = std::pair<QString, QString>;
  auto twice = [](const char* title) { return Titles{QString::fromUtf8(title), QString::fromUtf8(title)}; };
  EXPECT_EQ(TitlesOf([&] { Trigger("xuanxiang"); }), twice("选项"));
  EXPECT_EQ(TitlesOf([&] { Trigger("yxgz"); }), twice("游戏规则介绍"));
  EXPECT_EQ(TitlesOf([&] { Trigger("guanyu"); }), twice("关于Varelo"));
  EXPECT_EQ(TitlesOf([&] { QTest::keyClick(&w, Qt::Key_Escape); }), twice("Varelo"));
  EXPECT_EQ(TitlesOf([&] { Trigger("tuichu2"); }), twice("System Tray")) << "the tray's quit question";
}

// A message box is sized to its text; a short text must still leave the
// manager room to draw the whole title beside the icon and the buttons.
TEST_F(WindowTitleTest, AMessageBoxWithAShortTextShowsItsWholeTitle) {
  MainWindow& w = OpenWithMessageBoxes();
  const int whole = WholeTitleInk(QStringLiteral("Varelo"));
  if (whole == 0) GTEST_SKIP() << "no light title text to compare: a window never active, or another theme";
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

  // The shortest text the game shows.
  const int box = ModalTitleInk([&] { w.game().prompter().Inform(QStringLiteral("时间到！")); });
  EXPECT_EQ(box, whole) << "the title bar of \"时间到！\" shows less than \"Varelo\"";
}

}  // namespace
}  // namespace varelo
