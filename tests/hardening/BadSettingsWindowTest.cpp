// The real main window, offscreen, started on a spoiled settings store: it
// opens where the player can reach it, shows the start screen, plays, and
// closes without touching the stored progress.

#include <QGuiApplication>
#include <QScreen>

#include <limits>

#include <gtest/gtest.h>

#include "BadSettings.h"
#include "core/Board.h"
#include "model/Controls.h"
#include "model/Twips.h"
#include "sources/LevelBank.h"
#include "tests/ui/WindowFixture.h"
#include "viewmodel/WindowLayout.h"
#include "viewmodel/WindowPlacement.h"

namespace varelo {
namespace {

using namespace varelo::testing;

QRect Desktop() { return QGuiApplication::primaryScreen()->availableVirtualGeometry(); }

const QSize kDesignSize(ToPixels(metrics::kDesignWidth), ToPixels(metrics::kDesignHeight));

class BadSettingsWindow : public WindowTest {
 protected:
  MainWindow& OpenAtStoredPlacement() {
    window = std::make_unique<MainWindow>(settings.store(), AppPaths{programDir->path()}, &prompter, &pointer);
    window->ShowAtStoredPlacement();
    Settle();
    return *window;
  }
  QWidget* Widget(const QString& name) { return window->findChild<QWidget*>(name); }
};

class EveryKeyInTheWindow : public BadSettingsWindow, public ::testing::WithParamInterface<KeyAndValue> {};

TEST_P(EveryKeyInTheWindow, OpensWithinReachPlaysAndClosesWithTheProgressKept) {
  const SettingKey key = KeyNamed(QString::fromLatin1(GetParam().key));
  SettingsStore& store = settings.store();
  StoreProgress(store);
  store.Write(key, GetParam().value.text);
  MainWindow& w = OpenAtStoredPlacement();

  const QRect frame = w.frameGeometry();
  EXPECT_TRUE(Desktop().intersects(frame)) << "the window opened out of sight";
  EXPECT_LE(w.width(), Desktop().width());
  EXPECT_LE(w.height(), Desktop().height());
  EXPECT_GE(w.width(), 550);
  EXPECT_GE(w.height(), 530);
  EXPECT_TRUE(prompter.asked.isEmpty());

  const QString level = key == SettingKey::MissionLevel ? QStringLiteral("1") : kStoredLevel;
  ASSERT_NE(Widget(ctl::LblBegin(0)), nullptr);
  EXPECT_TRUE(Widget(ctl::LblBegin(0))->isVisible()) << "no start screen";
  EXPECT_EQ(w.game().controls().text(ctl::LblBegin(7)), u'第' + level + u'关');

  w.game().Click(ctl::LblBegin(8));  // a random game from the start screen
  Settle();
  EXPECT_TRUE(Widget(ctl::PicMis(0))->isVisible());
  int givens = 0;
  for (int n = 1; n <= kCellsPerGrid; ++n) givens += w.game().board().isFixed(0, n);
  EXPECT_GT(givens, 0);

  prompter.answers = {Answer::Ok};
  EXPECT_TRUE(w.close());
  EXPECT_EQ(store.Read(SettingKey::MissionLevel),
            key == SettingKey::MissionLevel ? GetParam().value.text : kStoredLevel);
  EXPECT_EQ(store.Read(SettingKey::LevelsOpened),
            key == SettingKey::LevelsOpened ? GetParam().value.text : kStoredOpened);
}

INSTANTIATE_TEST_SUITE_P(BadValues, EveryKeyInTheWindow, ::testing::ValuesIn(EveryKeyWithEveryBadValue()),
                         [](const ::testing::TestParamInfo<KeyAndValue>& info) { return NameOf(info.param); });

// st: any number but 0 maximises; letters and nothing read as 0.
TEST_F(BadSettingsWindow, AWindowStateReadsLeniently) {
  const std::pair<QString, bool> cases[] = {{QStringLiteral("abc"), false},
                                            {QString(), false},
                                            {QStringLiteral("99999999999999999999"), true},
                                            {QStringLiteral("-5"), true}};
  for (const auto& [text, maximised] : cases) {
    SCOPED_TRACE(text.toStdString());
    settings.store().Write(SettingKey::WindowState, text);
    EXPECT_EQ(OpenAtStoredPlacement().isMaximized(), maximised);
  }
}

// wi, he: garbage, nothing or a negative number leave the design size; a
// huge number is cut to the screen instead of making a window millions of
// pixels wide.
TEST_F(BadSettingsWindow, AStoredSizeIsIgnoredBelowTheMinimumAndCutToTheScreen) {
  for (const QString& text : {QStringLiteral("abc"), QString(), QStringLiteral("-5")}) {
    settings.store().Write(SettingKey::WindowWidth, text);
    settings.store().Write(SettingKey::WindowHeight, text);
    EXPECT_EQ(OpenAtStoredPlacement().size(), kDesignSize) << text.toStdString();
  }
  settings.store().Write(SettingKey::WindowWidth, QStringLiteral("99999999999999999999"));
  settings.store().Write(SettingKey::WindowHeight, QStringLiteral("1e30"));
  EXPECT_EQ(OpenAtStoredPlacement().size(), Desktop().size());
}

// lf, tp: letters read as 0 (the screen's edge), nothing keeps the centred
// place, and a place no screen shows is not applied.
TEST_F(BadSettingsWindow, AStoredPlaceOffEveryScreenKeepsTheCentredPlace) {
  const QPoint centred = OpenAtStoredPlacement().pos();
  settings.store().Write(SettingKey::WindowLeft, QStringLiteral("abc"));
  settings.store().Write(SettingKey::WindowTop, QString());
  EXPECT_EQ(OpenAtStoredPlacement().pos(), QPoint(0, centred.y()));
  for (const QString& far : {QStringLiteral("99999999999999999999"), QStringLiteral("-99999999999999999999")}) {
    settings.store().Write(SettingKey::WindowLeft, far);
    settings.store().Write(SettingKey::WindowTop, far);
    EXPECT_EQ(OpenAtStoredPlacement().pos(), centred) << far.toStdString();
  }
}

// acs far beyond the bank (a hand edit): the start screen's arrows must not
// step past the last level, whose caption would start level 1 and store it
// over the player's level.
TEST_F(BadSettingsWindow, TheLevelArrowsStopAtTheLastLevelWhateverAcsSays) {
  SettingsStore& store = settings.store();
  store.Write(SettingKey::FirstRun, setting_values::kFalse);
  store.Write(SettingKey::MissionLevel, QStringLiteral("1999"));
  store.Write(SettingKey::LevelsOpened, QStringLiteral("99999999999999999999"));
  MainWindow& w = OpenAtStoredPlacement();
  w.game().Hover(ctl::LblBegin(0));
  Settle();
  EXPECT_EQ(w.game().controls().text(ctl::LblBegin(7)), QStringLiteral("第1999关"));
  EXPECT_TRUE(w.game().controls().isVisible(ctl::kImgLa));
  EXPECT_FALSE(w.game().controls().isVisible(ctl::kImgRa)) << "an arrow to level 2000";
  w.game().Click(ctl::LblBegin(7));
  EXPECT_EQ(store.Read(SettingKey::MissionLevel), QStringLiteral("1999"));
  EXPECT_EQ(w.game().controls().text(ctl::LblTop(1)), QStringLiteral("Level 1999"));
}

// The rule itself, on made-up screens (pixels): the window ends wholly on
// the screen that holds most of it, cut to it where it is larger.
TEST(WhollyOnScreen, MovesAndCutsTheWindowOntoTheScreenHoldingMostOfIt) {
  const QRect left(0, 0, 1280, 1040), right(1280, 0, 1920, 1160);
  const QList<QRect> screens{left, right};
  EXPECT_EQ(WhollyOnScreen(QRect(100, 50, 940, 700), screens), QRect(100, 50, 940, 700)) << "already on it";
  EXPECT_EQ(WhollyOnScreen(QRect(1700, 900, 940, 700), screens), QRect(1700, 460, 940, 700))
      << "hanging off the bottom of the right screen";
  EXPECT_EQ(WhollyOnScreen(QRect(1000, 100, 940, 700), screens), QRect(1280, 100, 940, 700))
      << "mostly on the right screen";
  EXPECT_EQ(WhollyOnScreen(QRect(-500, -300, 6000, 900), screens), QRect(1280, 0, 1920, 900))
      << "wider than the screen holding most of it";
  EXPECT_EQ(WhollyOnScreen(QRect(50000, 50000, 940, 700), screens), QRect(170, 170, 940, 700))
      << "on no screen: the middle of the first";
  EXPECT_EQ(WhollyOnScreen(QRect(5, 5, 10, 10), {}), QRect(5, 5, 10, 10)) << "no screen known";
}

}  // namespace
}  // namespace varelo
