// The About and rules dialogs: captions, texts, version, the credit colour,
// closing with Enter and Esc. Writes their screenshots.

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "core/RandomSource.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/CreditColour.h"
#include "dialogs/ParagraphLabel.h"
#include "dialogs/ProgramVersion.h"
#include "dialogs/RulesDialog.h"
#include "model/Controls.h"

namespace varelo {
namespace {

QString ScreenshotPath(const QString& name) {
  const QString dir = QStringLiteral(VARELO_SCREENSHOT_DIR);
  QDir().mkpath(dir);
  return dir + u'/' + name + QStringLiteral(".png");
}

QLabel* Label(QWidget& dialog, const QString& name) {
  auto* label = dialog.findChild<QLabel*>(name);
  EXPECT_NE(label, nullptr) << name.toStdString();
  return label;
}

// Opens the dialog, presses `key` once it shows, and returns whether it closed.
bool ClosesOn(QDialog& dialog, int key) {
  dialog.show();
  QApplication::processEvents();
  QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QApplication::processEvents();
  return !dialog.isVisible();
}

TEST(AboutDialogTest, ShowsNameIconAndVersion) {
  AboutDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("关于Varelo"));
  EXPECT_EQ(dialog.size(), QSize(386, 350));
  EXPECT_EQ(Label(dialog, QStringLiteral("Label1"))->text(), QStringLiteral("Varelo"));
  EXPECT_EQ(Label(dialog, QStringLiteral("Label2"))->text(), QStringLiteral("V1.0.0.365 Beta"));
  EXPECT_EQ(Label(dialog, QStringLiteral("Label2"))->pos(), QPoint(248, 56));
  EXPECT_FALSE(Label(dialog, QStringLiteral("Image1"))->pixmap().isNull());
  auto* close = dialog.findChild<QPushButton*>(ctl::Command(1));
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text(), QStringLiteral("关闭"));
  EXPECT_TRUE(close->isDefault());
  EXPECT_EQ(close->geometry(), QRect(296, 312, 73, 25));
  dialog.show();
  QApplication::processEvents();
  ASSERT_TRUE(dialog.grab().save(ScreenshotPath(QStringLiteral("about"))));
}

TEST(AboutDialogTest, VersionTextComesFromTheVersionNumbers) {
  EXPECT_EQ(VersionText(ProgramVersion{2, 3, 17}), QStringLiteral("V2.3.0.17 Beta"));
}

TEST(AboutDialogTest, EnterAndEscClose) {
  AboutDialog byEnter;
  EXPECT_TRUE(ClosesOn(byEnter, Qt::Key_Return));
  EXPECT_EQ(byEnter.result(), QDialog::Accepted);
  AboutDialog byEsc;
  EXPECT_TRUE(ClosesOn(byEsc, Qt::Key_Escape));
}

TEST(RulesDialogTest, ParagraphsStandAsWrittenWithTheirIndent) {
  RandomSource random;
  RulesDialog dialog(random);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("游戏规则介绍"));
  EXPECT_EQ(dialog.size(), QSize(798, 470));
  for (int i = 0; i < 8; ++i) {
    auto* label = dialog.findChild<ParagraphLabel*>(ctl::Indexed("Label1", i));
    ASSERT_NE(label, nullptr) << i;
    EXPECT_EQ(label->text(), RulesTexts()[i]) << i;
    EXPECT_EQ(label->text().startsWith(QStringLiteral("    ")), i <= 5) << i;
  }
  EXPECT_TRUE(RulesTexts()[2].contains(QStringLiteral("Varelo是本游戏的独到之处")));
  EXPECT_EQ(RulesTexts()[6], QStringLiteral("颜色较深，说明较易求解。"));
  EXPECT_EQ(dialog.findChild<QWidget*>(QStringLiteral("Label1(0)"))->geometry(), QRect(608, 24, 177, 104));
  EXPECT_EQ(dialog.findChild<QWidget*>(QStringLiteral("Label1(4)"))->pos(), QPoint(8, 176));
  EXPECT_EQ(dialog.findChild<QPushButton*>(ctl::Command(1))->geometry(), QRect(720, 440, 65, 25));
}

TEST(RulesDialogTest, EveryParagraphFitsItsPlace) {
  RandomSource random;
  RulesDialog dialog(random);
  dialog.show();
  QApplication::processEvents();
  for (int i = 0; i < 8; ++i) {
    auto* label = dialog.findChild<ParagraphLabel*>(ctl::Indexed("Label1", i));
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << i;
  }
  ASSERT_TRUE(dialog.grab().save(ScreenshotPath(QStringLiteral("rules"))));
}

TEST(RulesDialogTest, EachOpeningDrawsANewCreditColour) {
  RandomSource random;
  random.Reseed(-7);
  RandomSource replay;
  replay.Reseed(-7);
  QStringList styles;
  for (int i = 0; i < 3; ++i) {
    RulesDialog dialog(random);
    const Rgb expected = CreditColour(replay);
    const QString style = Label(dialog, QStringLiteral("Label2"))->styleSheet();
    EXPECT_TRUE(style.contains(QStringLiteral("rgb(%1, %2, %3)").arg(expected.r).arg(expected.g).arg(expected.b)))
        << style.toStdString();
    styles << style;
  }
  EXPECT_NE(styles[0], styles[1]);
  EXPECT_NE(styles[1], styles[2]);
}

TEST(RulesDialogTest, EnterAndEscClose) {
  RandomSource random;
  RulesDialog byEnter(random);
  EXPECT_TRUE(ClosesOn(byEnter, Qt::Key_Enter));
  RulesDialog byEsc(random);
  EXPECT_TRUE(ClosesOn(byEsc, Qt::Key_Escape));
}

TEST(CreditColourTest, ComponentsStayWithinTheColourRange) {
  RandomSource random;
  random.Reseed(-3);
  int maxSeen = 0;
  for (int i = 0; i < 2000; ++i) {
    const Rgb c = CreditColour(random);
    maxSeen = std::max({maxSeen, int(c.r), int(c.g), int(c.b)});
  }
  EXPECT_EQ(maxSeen, 255);  // a rounded 256 counts as 255
}

}  // namespace
}  // namespace varelo
