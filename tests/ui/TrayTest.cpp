// The boss key and the notification-area icon in the real main window.
// Offscreen there is no notification area: the boss key only minimises, and
// the tests that need a tray skip. run-with-tray.sh runs the same tests on a
// virtual X display with trayer as the notification area.

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QTest>

#include "WindowFixture.h"
#include "game/GameClock.h"
#include "hardening/SpecialFiles.h"
#include "look/Pictures.h"
#include "model/Controls.h"
#include "settings/SettingsStore.h"

namespace varelo {
namespace {

using testing::WindowTest;

// Counts the close events the window receives.
class CloseCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Close) ++closes;
    return false;
  }
  int closes = 0;
};

class TrayTest : public WindowTest {
 protected:
  // Waits a little for the notification host, which may still be starting.
  static bool TrayAvailable() {
    return QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000);
  }
  void PressEsc() {
    QTest::keyClick(window.get(), Qt::Key_Escape);
    Settle();
  }
  // Whether `state` holds once the window manager has answered, and still
  // holds a moment later.
  static bool Becomes(const std::function<bool()>& state) {
    if (!QTest::qWaitFor(state, 3000)) return false;
    QTest::qWait(200);
    return state();
  }
  QSystemTrayIcon* TrayIcon() { return window->findChild<QSystemTrayIcon*>(); }
  bool IconShown() { return TrayIcon() && TrayIcon()->isVisible(); }
  void Trigger(const char* name) {
    auto* item = window->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(item, nullptr) << name;
    item->trigger();
    Settle();
  }
  // Whether any geometry key was written (a read of an absent key gives its default).
  bool GeometrySaved() {
    const QString absent = QStringLiteral("<absent>");
    for (const char* key : {"st", "lf", "tp", "wi", "he"})
      if (settings.store().Read(kSettingsSection, QString::fromLatin1(key), absent) != absent) return true;
    return false;
  }
  // The colour at the middle of an icon drawn 32 pixels square.
  static QColor IconColour(const QIcon& icon) { return icon.pixmap(32, 32).toImage().pixelColor(16, 16); }
};

// The tests that need a notification area skip where there is none.
class TrayIconTest : public TrayTest {
 protected:
  void SetUp() override {
    TrayTest::SetUp();
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || !TrayAvailable())
      GTEST_SKIP() << "no notification area on platform \"" << qPrintable(QGuiApplication::platformName())
                   << "\": run through tests/ui/run-with-tray.sh with xvfb-run and trayer";
  }
};

TEST_F(TrayTest, WithTheBossKeyOffEscAsksToQuitAndOkEndsWithoutSaving) {
  settings.store().Write(SettingKey::BossKey, QStringLiteral("0"));
  Open();
  CloseCounter counter;
  window->installEventFilter(&counter);

  prompter.answers = {Answer::Cancel};
  PressEsc();
  ASSERT_EQ(prompter.asked.size(), 1);
  EXPECT_EQ(prompter.asked[0].text, QStringLiteral("确定要退出吗？"));
  EXPECT_EQ(prompter.asked[0].buttons, Prompt::Buttons::OkCancel);
  EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Question);
  EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Varelo"));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(counter.closes, 0);

  prompter.answers = {Answer::Ok};
  PressEsc();
  EXPECT_EQ(counter.closes, 1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(prompter.asked.size(), 2) << "no second question from the close handler";
  EXPECT_FALSE(GeometrySaved());
}

TEST_F(TrayTest, WithoutANotificationAreaEscOnlyMinimises) {
  if (QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "a notification area is available here";
  Open();
  PressEsc();
  EXPECT_TRUE(window->isMinimized());
  EXPECT_TRUE(window->isVisible()) << "hidden, the window could not be brought back";
  EXPECT_FALSE(static_cast<WindowPort&>(*window).isHidden());
  EXPECT_EQ(TrayIcon(), nullptr);
  EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(TrayIconTest, EscHidesTheWindowBehindAnIconWithTheTip) {
  settings.store().Write(SettingKey::TrayTip, QStringLiteral("工作日志"));
  Open();
  window->game().Click(ctl::kSjms);
  window->game().clock().Tick();
  window->game().clock().Tick();
  const QString clock = window->game().controls().text(ctl::LblTime(2));

  PressEsc();
  QTest::qWait(200);  // the window manager's answers arrive
  const WindowPort& port = *window;
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(port.isMinimized()) << "the clock and the watchdog see a minimised window";
  EXPECT_TRUE(port.isHidden());
  ASSERT_NE(TrayIcon(), nullptr);
  EXPECT_TRUE(TrayIcon()->isVisible());
  EXPECT_EQ(TrayIcon()->toolTip(), QStringLiteral("工作日志"));
  EXPECT_TRUE(prompter.asked.isEmpty());

  window->game().clock().Tick();
  window->game().clock().Tick();
  EXPECT_EQ(window->game().controls().text(ctl::LblTime(2)), clock) << "the hidden game's clock stands";
}

TEST_F(TrayIconTest, EitherButtonOnTheIconOpensTheMenuOtherButtonsDoNothing) {
  Open();
  PressEsc();
  ASSERT_NE(TrayIcon(), nullptr);
  QMenu* menu = window->trayMenu();
  // The icon's own widget in the notification area, where the X11 tray has one.
  QWidget* iconWidget = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (QString::fromLatin1(top->metaObject()->className()) == QStringLiteral("QSystemTrayIconSys")) iconWidget = top;

  auto click = [&](Qt::MouseButton button, QSystemTrayIcon::ActivationReason reason) {
    if (iconWidget) {
      QTest::mouseClick(iconWidget, button, Qt::NoModifier, iconWidget->rect().center());
    } else {
      emit TrayIcon()->activated(reason);
    }
    Settle();
    const bool shown = menu->isVisible();
    menu->hide();
    Settle();
    return shown;
  };
  EXPECT_TRUE(click(Qt::LeftButton, QSystemTrayIcon::Trigger));
  EXPECT_TRUE(click(Qt::RightButton, QSystemTrayIcon::Context));
  EXPECT_FALSE(click(Qt::MiddleButton, QSystemTrayIcon::MiddleClick));
  QStringList items;
  for (QAction* action : menu->actions()) items << (action->isSeparator() ? QStringLiteral("-") : action->text());
  EXPECT_EQ(items, (QStringList{"还原(&R)", "-", "退出(&X)"}));
}

TEST_F(TrayIconTest, RestoringBringsAMaximisedWindowBackMaximised) {
  Open();
  // A manager that has not yet taken the window drops a request to maximise it.
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().size() != window->size(); }, 3000));
  window->showMaximized();
  ASSERT_TRUE(Becomes([&] { return window->isMaximized(); }));
  PressEsc();
  ASSERT_FALSE(window->isVisible());
  QTest::qWait(200);

  Trigger("huanyuan");
  EXPECT_TRUE(Becomes([&] { return window->isMaximized() && !window->isMinimized(); }));
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(static_cast<WindowPort&>(*window).isHidden());
  EXPECT_FALSE(IconShown()) << "the icon leaves the notification area";

  // A normal window comes back normal, and Esc works again after a restore.
  window->showNormal();
  ASSERT_TRUE(Becomes([&] { return !window->isMaximized(); }));
  PressEsc();
  ASSERT_FALSE(window->isVisible());
  QTest::qWait(200);
  Trigger("huanyuan");
  EXPECT_TRUE(Becomes([&] { return window->isVisible() && !window->isMinimized(); }));
  EXPECT_FALSE(window->isMaximized());
}

TEST_F(TrayIconTest, HideIcoShowsWhileHiddenAndTheProgramIconReturns) {
  QImage picture(32, 32, QImage::Format_ARGB32);
  picture.fill(QColor(255, 0, 255));
  ASSERT_TRUE(picture.save(programDir->filePath(QStringLiteral("HIDE.ICO")), "ICO"));
  Open();
  const QColor programColour = IconColour(pictures::ProgramIcon());
  ASSERT_NE(programColour, QColor(255, 0, 255));

  PressEsc();
  ASSERT_NE(TrayIcon(), nullptr);
  EXPECT_EQ(IconColour(TrayIcon()->icon()), QColor(255, 0, 255));
  EXPECT_EQ(IconColour(window->windowIcon()), QColor(255, 0, 255));
  Trigger("huanyuan");
  EXPECT_EQ(IconColour(window->windowIcon()), programColour);
}

// A FIFO as HIDE.ICO is no icon, at once: Esc froze the window opening it.
TEST_F(TrayIconTest, AHideIcoThatIsAFifoLeavesTheProgramIcon) {
  const QString fifo = programDir->filePath(QStringLiteral("HIDE.ICO"));
  ASSERT_TRUE(testing::MakeFifo(fifo));
  Open();
  const QColor programColour = IconColour(window->windowIcon());
  {
    testing::HangWatch watch([&fifo] { testing::ReleaseFifo(fifo); });
    PressEsc();
    EXPECT_FALSE(watch.hung());
  }
  ASSERT_NE(TrayIcon(), nullptr);
  EXPECT_EQ(IconColour(window->windowIcon()), programColour);
}

TEST_F(TrayIconTest, QuitFromTheTrayAsksWithTheTipAsTitleAndEndsWithoutSaving) {
  settings.store().Write(SettingKey::TrayTip, QStringLiteral("报表"));
  Open();
  CloseCounter counter;
  window->installEventFilter(&counter);
  PressEsc();

  prompter.answers = {Answer::No};
  Trigger("tuichu2");
  ASSERT_EQ(prompter.asked.size(), 1);
  EXPECT_EQ(prompter.asked[0].text, QStringLiteral("确定要退出吗？"));
  EXPECT_EQ(prompter.asked[0].title, QStringLiteral("报表"));
  EXPECT_EQ(prompter.asked[0].buttons, Prompt::Buttons::YesNo);
  EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Question);
  EXPECT_FALSE(window->isVisible()) << "No leaves the window hidden";
  ASSERT_NE(TrayIcon(), nullptr);
  EXPECT_EQ(counter.closes, 0);

  prompter.answers = {Answer::Yes};
  Trigger("tuichu2");
  EXPECT_EQ(counter.closes, 1);
  EXPECT_FALSE(IconShown());
  EXPECT_EQ(prompter.asked.size(), 2) << "no question from the close handler";
  EXPECT_FALSE(GeometrySaved());
}

}  // namespace
}  // namespace varelo
