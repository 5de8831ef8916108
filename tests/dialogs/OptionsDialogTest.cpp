// The Options dialog in the real main window, offscreen: its controls, what
// it loads, the pause and resume of a game around it, the givens field, the
// boss-key box, the background preview and restoring the defaults.

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "core/Board.h"
#include "core/RandomSource.h"
#include "dialogs/CreditColour.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/OptionsDialogFields.h"
#include "dialogs/OptionsDialogFixture.h"
#include "game/GameClock.h"
#include "game/TopBarSlide.h"
#include "model/Controls.h"
#include "settings/SettingsStore.h"
#include "ui/GridView.h"

namespace varelo {
namespace {

using testing::OptionsDialogTest;

TEST_F(OptionsDialogTest, ControlsStandAtTheirPlacesWithTheirCaptions) {
  Open();
  game().random().Reseed(-7);
  RandomSource expected;
  expected.Reseed(-7);
  const Rgb credit = CreditColour(expected);
  WithDialog([&](OptionsDialog& d) {
    EXPECT_EQ(d.objectName(), QStringLiteral("Form2"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("选项"));
    EXPECT_EQ(d.size(), QSize(478, 217));
    QStringList groups;
    for (auto* group : d.findChildren<QGroupBox*>()) groups << group->title();
    EXPECT_EQ(groups, (QStringList{"常规", "游戏难度", "单个数独起始数量", "老板键"}));
    EXPECT_EQ(d.findChildren<QGroupBox*>()[1]->pos(), QPoint(16, 112));
    EXPECT_EQ(d.findChildren<QGroupBox*>()[2]->pos(), QPoint(200, 16));

    EXPECT_EQ(Check(d, "Check1")->text(), QStringLiteral("彩色提示"));
    EXPECT_TRUE(Check(d, "Check1")->font().bold());
    EXPECT_EQ(Check(d, "Check2")->text(), QStringLiteral("开启老板键(ESC)"));
    EXPECT_EQ(Field(d, "Text3")->toolTip(), QStringLiteral("请拖拽一个图片文件到本文本框。"));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Option(d, i)->text(), texts::kDifficulties[i]);
    const QString labels[] = {"个（范围11~75）", "（任务模式除外）", "提示文本：", "背景图片："};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Find<QLabel>(d, ctl::Indexed("Label1", i))->text(), labels[i]);

    const char* buttons[] = {"Command1", "Command2", "Command3"};
    const QString captions[] = {"确定", "取消", "恢复默认"};
    for (int i = 0; i < 3; ++i) {
      auto* button = Find<QPushButton>(d, QString::fromLatin1(buttons[i]));
      EXPECT_EQ(button->text(), captions[i]);
      EXPECT_EQ(button->pos(), QPoint(392, 16 + 32 * i));
      EXPECT_EQ(button->isDefault(), i == 0);
    }
    auto* label2 = Find<QLabel>(d, QStringLiteral("Label2"));
    EXPECT_TRUE(
        label2->styleSheet().contains(QStringLiteral("rgb(%1, %2, %3)").arg(credit.r).arg(credit.g).arg(credit.b)));
    EXPECT_GT(label2->geometry().right(), d.width() * 3 / 4) << "the credit sits bottom right";
    d.reject();
  });
}

TEST_F(OptionsDialogTest, LoadShowsTheStoredValuesAndTheGreyedDefaults) {
  Open();
  WithDialog([&](OptionsDialog& d) {
    EXPECT_EQ(Check(d, "Check1")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Check(d, "Check2")->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(Option(d, 1)->isChecked());
    EXPECT_EQ(Field(d, "Text1")->text(), "35");
    EXPECT_EQ(Field(d, "Text2")->text(), "System Tray");
    EXPECT_TRUE(Field(d, "Text2")->isEnabled());
    EXPECT_EQ(Field(d, "Text3")->text(), QStringLiteral("默认"));
    d.reject();
  });

  store().Write(SettingKey::ColourHint, QStringLiteral("0"));
  store().Write(SettingKey::BossKey, QStringLiteral("1"));
  store().Write(SettingKey::Difficulty, QStringLiteral("3"));
  store().Write(SettingKey::Givens, QStringLiteral("20"));
  store().Write(SettingKey::TrayTip, QStringLiteral("记事本"));
  WithDialog([&](OptionsDialog& d) {
    EXPECT_EQ(Check(d, "Check1")->checkState(), Qt::Unchecked);
    EXPECT_EQ(Check(d, "Check2")->checkState(), Qt::Checked);
    EXPECT_TRUE(Option(d, 2)->isChecked());
    EXPECT_EQ(Field(d, "Text1")->text(), "20");
    EXPECT_EQ(Field(d, "Text2")->text(), QStringLiteral("记事本"));
    d.reject();
  });

  // Numbers no check box knows show by what they mean instead of failing.
  store().Write(SettingKey::ColourHint, QStringLiteral("5"));
  store().Write(SettingKey::BossKey, QStringLiteral("-1"));
  store().Write(SettingKey::Difficulty, QStringLiteral("7"));
  WithDialog([&](OptionsDialog& d) {
    EXPECT_EQ(Check(d, "Check1")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Check(d, "Check2")->checkState(), Qt::Unchecked);
    EXPECT_FALSE(Field(d, "Text2")->isEnabled());
    EXPECT_TRUE(Option(d, 3)->isChecked());
    d.reject();
  });
  EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(OptionsDialogTest, FromTheStartScreenNothingPausesOrReappears) {
  Open();
  const QString entry2 = controls().text(ctl::LblBegin(2));
  WithDialog(
      [&](OptionsDialog& d) {
        for (int grid = 0; grid < 5; ++grid) EXPECT_FALSE(controls().isVisible(ctl::PicMis(grid)));
        EXPECT_EQ(controls().text(ctl::LblBegin(2)), entry2);
        EXPECT_FALSE(game().topBar().isSlidingOut());
        Press(d, "Command2");
      },
      ctl::LblBegin(3));
  for (int grid = 0; grid < 5; ++grid) EXPECT_FALSE(controls().isVisible(ctl::PicMis(grid)));
  EXPECT_TRUE(controls().isVisible(ctl::LblBegin(2)));
  EXPECT_FALSE(game().topBar().isSlidingIn());
}

TEST_F(OptionsDialogTest, CancelResumesATimedGameWhereItStopped) {
  Open();
  game().Click(ctl::kSjms);
  for (int i = 0; i < 6; ++i) game().clock().Tick();
  const QString shown = Clock();
  ASSERT_EQ(shown, "09:57");
  WithDialog([&](OptionsDialog& d) {
    EXPECT_FALSE(controls().isVisible(ctl::PicMis(0)));
    EXPECT_FALSE(Timer("Timer8")->isActive());
    // On a slow machine the bar may already be out by the time the dialog shows.
    EXPECT_TRUE(game().topBar().isSlidingOut() || controls().top(ctl::kPicTop) == TopBarSlide::kHiddenTop);
    EXPECT_EQ(controls().text(ctl::LblBegin(2)), QStringLiteral("Pause"));
    EXPECT_EQ(controls().colour(ctl::LblBegin(2)), (Rgb{0, 255, 0}));
    EXPECT_TRUE(window->findChild<QWidget*>(ctl::LblBegin(2))->isVisible());
    Press(d, "Command2");
  });
  EXPECT_TRUE(controls().isVisible(ctl::PicMis(0)));
  EXPECT_TRUE(window->gridView(0)->isVisible());
  EXPECT_TRUE(Timer("Timer8")->isActive());
  EXPECT_TRUE(game().topBar().isSlidingIn());
  EXPECT_FALSE(controls().isVisible(ctl::LblBegin(2)));
  EXPECT_EQ(Clock(), shown);
  game().clock().Tick();
  game().clock().Tick();
  EXPECT_EQ(Clock(), "09:56") << "the clock goes on from where it stopped";
  EXPECT_FALSE(Timer("Timer10")->isActive());
}

// A resize behind the dialog lays the start screen out afresh; the notice
// is no start-screen entry meanwhile: it stays green, centred above the
// dialog, and hovering it opens nothing.
TEST_F(OptionsDialogTest, APauseNoticeKeepsItsColourAndPlaceThroughAResize) {
  Open();
  game().Click(ctl::kSjms);
  WithDialog([&](OptionsDialog& d) {
    ResizeTo(1000, 720);
    const QString pause = ctl::LblBegin(2);
    EXPECT_EQ(controls().colour(pause), (Rgb{0, 255, 0}));
    const QWidget* notice = window->findChild<QWidget*>(pause);
    const QWidget* client = window->centralWidget();
    EXPECT_NEAR(notice->geometry().center().x(), client->width() / 2, 2);
    EXPECT_LT(notice->mapToGlobal(QPoint(0, notice->height())).y(), d.frameGeometry().top());
    game().Hover(pause);
    EXPECT_FALSE(controls().isVisible(ctl::LblBegin(12))) << "the solve entries stay closed";
    Press(d, "Command2");
  });
  EXPECT_FALSE(controls().isVisible(ctl::LblBegin(2)));
  EXPECT_EQ(controls().colour(ctl::LblBegin(2)), (Rgb{0, 128, 128}));
}

TEST_F(OptionsDialogTest, EscapeCancelsAndTheCloseBoxCancelsToo) {
  Open();
  game().Click(ctl::kSjms);
  WithDialog([&](OptionsDialog& d) {
    Retype(Field(d, "Text2"), QStringLiteral("不保存"));
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_TRUE(controls().isVisible(ctl::PicMis(0)));
  EXPECT_EQ(store().Read(SettingKey::TrayTip), QStringLiteral("System Tray"));

  WithDialog([&](OptionsDialog& d) { d.close(); });
  EXPECT_TRUE(controls().isVisible(ctl::PicMis(0))) << "a closed dialog leaves no paused game behind";
  EXPECT_TRUE(Timer("Timer8")->isActive());
}

TEST_F(OptionsDialogTest, ATipChangeIsSavedWithoutARestart) {
  Open();
  game().Click(ctl::kSjms);
  const GridDigits before = game().board().digitsOf(0);
  WithDialog([&](OptionsDialog& d) {
    Retype(Field(d, "Text2"), QStringLiteral("工作表"));
    Press(d, "Command1");
  });
  EXPECT_EQ(store().Read(SettingKey::TrayTip), QStringLiteral("工作表"));
  EXPECT_FALSE(Timer("Timer10")->isActive());
  EXPECT_TRUE(controls().isVisible(ctl::PicMis(0)));
  EXPECT_TRUE(Timer("Timer8")->isActive());
  EXPECT_EQ(game().board().digitsOf(0), before);
  for (const SettingKey key : {SettingKey::ColourHint, SettingKey::BossKey}) EXPECT_EQ(store().Read(key), "2");
  EXPECT_EQ(store().Read(SettingKey::Difficulty), "2");
  EXPECT_EQ(store().Read(SettingKey::Givens), "35");
}

TEST_F(OptionsDialogTest, ADifficultyChangeRestartsAfterTheDialogHasClosed) {
  Open();
  game().Click(ctl::kSjms);
  const GridDigits before = game().board().digitsOf(0);
  bool restartWaited = false;
  window->setDialogRunner([&](QDialog& dialog) {
    dialog.show();
    Settle();
    QTest::mouseClick(Option(dialog, 3), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(dialog, ctl::Command(1)), Qt::LeftButton);
    restartWaited = Timer("Timer10")->isActive();
    EXPECT_FALSE(controls().isVisible(ctl::PicMis(0))) << "the dialog does not show the grid itself";
  });
  game().Click(ctl::kXuanxiang);
  EXPECT_TRUE(restartWaited);
  EXPECT_EQ(store().Read(SettingKey::Difficulty), "4");
  EXPECT_EQ(controls().text(ctl::LblTop(3)), QStringLiteral("困难"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return controls().isVisible(ctl::PicMis(0)); }));
  EXPECT_NE(game().board().digitsOf(0), before) << "a new puzzle";
  EXPECT_EQ(Clock(), "05:00");
}

TEST_F(OptionsDialogTest, TheGivensFieldTakesDigitsOnlyAndRefusesSevenOnLeaving) {
  Open();
  WithDialog([&](OptionsDialog& d) {
    QLineEdit* givens = Field(d, "Text1");
    Retype(givens, QStringLiteral("4a-2 "));
    EXPECT_EQ(givens->text(), "42") << "letters and signs cannot be typed";
    QTest::keyClick(givens, Qt::Key_Backspace);
    EXPECT_EQ(givens->text(), "4");

    Retype(givens, QStringLiteral("7"));
    QTest::keyClick(givens, Qt::Key_Tab);
    Settle();
    ASSERT_EQ(Asked(), QStringList{QStringLiteral("起始数量设置错误！")});
    EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Error);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Varelo"));
    EXPECT_EQ(d.focusWidget(), givens);
    EXPECT_EQ(givens->selectedText(), "7");

    Retype(givens, QStringLiteral("75"));
    QTest::keyClick(givens, Qt::Key_Tab);
    Settle();
    EXPECT_EQ(prompter.asked.size(), 1) << "75 is valid";

    // Leaving towards Cancel asks nothing: the value is thrown away.
    Retype(givens, QStringLiteral("99"));
    Press(d, "Command2");
    Settle();
    EXPECT_EQ(prompter.asked.size(), 1);
  });
  EXPECT_EQ(store().Read(SettingKey::Givens), "35");

  // Enter in the field presses OK, which saves whatever the field holds.
  WithDialog([&](OptionsDialog& d) {
    Retype(Field(d, "Text1"), QStringLiteral("8"));
    QTest::keyClick(Field(d, "Text1"), Qt::Key_Return);
  });
  EXPECT_EQ(store().Read(SettingKey::Givens), "8");
  WithDialog([&](OptionsDialog& d) {
    EXPECT_EQ(Field(d, "Text1")->text(), "35") << "the next load repairs it";
    d.reject();
  });
  EXPECT_EQ(store().Read(SettingKey::Givens), "35");
}

TEST_F(OptionsDialogTest, UncheckingTheBossKeyGreysAndResetsTheTip) {
  Open();
  WithDialog([&](OptionsDialog& d) {
    TriStateCheck* bossKey = Check(d, "Check2");
    QLineEdit* tip = Field(d, "Text2");
    Retype(tip, QStringLiteral("计算器"));
    QTest::mouseClick(bossKey, Qt::LeftButton);
    EXPECT_EQ(bossKey->checkState(), Qt::Checked) << "a click turns the greyed box checked";
    EXPECT_TRUE(tip->isEnabled());
    EXPECT_EQ(tip->text(), QStringLiteral("计算器"));
    QTest::mouseClick(bossKey, Qt::LeftButton);
    EXPECT_EQ(bossKey->checkState(), Qt::Unchecked);
    EXPECT_FALSE(tip->isEnabled());
    EXPECT_EQ(tip->text(), QStringLiteral("System Tray"));
    QTest::mouseClick(bossKey, Qt::LeftButton);
    EXPECT_TRUE(tip->isEnabled());
    QTest::mouseClick(bossKey, Qt::LeftButton);
    Press(d, "Command1");
  });
  EXPECT_EQ(store().Read(SettingKey::BossKey), "0");
  EXPECT_EQ(store().Read(SettingKey::TrayTip), QStringLiteral("System Tray"));
  EXPECT_EQ(store().Read(SettingKey::ColourHint), "2") << "the untouched greyed box saves 2";
}

TEST_F(OptionsDialogTest, ADroppedPictureIsPreviewedAndATextFileRefused) {
  Open();
  const QString picture = WritePicture(QStringLiteral("red.bmp"), QColor(220, 20, 30));
  const QString notes = WriteText(QStringLiteral("notes.txt"));
  const QColor builtIn = BackgroundPixel();
  WithDialog([&](OptionsDialog& d) {
    QLineEdit* field = Field(d, "Text3");
    Drop(field, picture);
    EXPECT_EQ(QDir::fromNativeSeparators(field->text()), picture);
    EXPECT_TRUE(window->hasPlayerBackground());
    EXPECT_EQ(BackgroundPixel(), QColor(220, 20, 30));

    Drop(field, notes);
    EXPECT_EQ(Asked(), QStringList{QStringLiteral("不支持的文件格式！请尝试其他的图片文件。")});
    EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Error);
    EXPECT_EQ(field->text(), QStringLiteral("默认"));
    EXPECT_FALSE(window->hasPlayerBackground());
    EXPECT_EQ(BackgroundPixel(), builtIn);
    d.reject();
  });
  EXPECT_EQ(store().Read(SettingKey::Background), QStringLiteral("默认"));
}

TEST_F(OptionsDialogTest, ATypedPathPreviewsAndOkSavesIt) {
  Open();
  const QString picture = WritePicture(QStringLiteral("blue.jpg"), QColor(0, 0, 255));
  WithDialog([&](OptionsDialog& d) {
    Retype(Field(d, "Text3"), picture);
    EXPECT_TRUE(window->hasPlayerBackground());
    Press(d, "Command1");
  });
  EXPECT_EQ(store().Read(SettingKey::Background), picture);
  EXPECT_TRUE(window->hasPlayerBackground());
  EXPECT_TRUE(prompter.asked.isEmpty()) << "prefixes of the path are no files and ask nothing";
}

TEST_F(OptionsDialogTest, CancelSavesNoPreviewThoughItStaysOnTheWindow) {
  const QString kept = WritePicture(QStringLiteral("green.bmp"), QColor(0, 200, 0));
  store().Write(SettingKey::Background, kept);
  Open();
  ASSERT_EQ(BackgroundPixel(), QColor(0, 200, 0));
  const QString tried = WritePicture(QStringLiteral("red.bmp"), QColor(220, 20, 30));
  WithDialog([&](OptionsDialog& d) {
    Drop(Field(d, "Text3"), tried);
    EXPECT_EQ(BackgroundPixel(), QColor(220, 20, 30));
    Press(d, "Command2");
  });
  // The window shows the preview until the next start paints from the store.
  EXPECT_EQ(BackgroundPixel(), QColor(220, 20, 30));
  EXPECT_EQ(store().Read(SettingKey::Background), kept);
}

TEST_F(OptionsDialogTest, RestoreDefaultsLeavesTheBackgroundAndSavesNothingYet) {
  const QString picture = WritePicture(QStringLiteral("red.bmp"), QColor(220, 20, 30));
  store().Write(SettingKey::ColourHint, QStringLiteral("0"));
  store().Write(SettingKey::BossKey, QStringLiteral("0"));
  store().Write(SettingKey::Difficulty, QStringLiteral("4"));
  store().Write(SettingKey::Givens, QStringLiteral("50"));
  store().Write(SettingKey::Background, picture);
  Open();
  WithDialog([&](OptionsDialog& d) {
    EXPECT_FALSE(Field(d, "Text2")->isEnabled());
    Press(d, "Command3");
    EXPECT_EQ(Check(d, "Check1")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Check(d, "Check2")->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(Option(d, 1)->isChecked());
    EXPECT_EQ(Field(d, "Text1")->text(), "35");
    EXPECT_EQ(Field(d, "Text2")->text(), "System Tray");
    EXPECT_TRUE(Field(d, "Text2")->isEnabled());
    EXPECT_EQ(Field(d, "Text3")->text(), picture);
    EXPECT_EQ(store().Read(SettingKey::Difficulty), "4") << "nothing is saved before OK";
    Press(d, "Command1");
  });
  EXPECT_EQ(store().Read(SettingKey::Difficulty), "2");
  EXPECT_EQ(store().Read(SettingKey::BossKey), "2");
  EXPECT_EQ(store().Read(SettingKey::Background), picture);
}

}  // namespace
}  // namespace varelo
