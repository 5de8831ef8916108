// The window's message boxes, offscreen: a question with an automatic answer
// really closes itself with Yes, an answer by the player first leaves no
// automatic answer behind for a later box, and every box is wide enough for
// a window manager to show its whole title.

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>

#include <gtest/gtest.h>

#include "BoxWatcher.h"
#include "ui/MessageBoxPrompter.h"

namespace varelo {
namespace {

using testing::BoxWatcher;

Prompt Question(int autoYesAfterMs) {
  Prompt prompt{QStringLiteral("是否继续求解？"), Prompt::Icon::Question, Prompt::Buttons::YesNo};
  prompt.autoYesAfterMs = autoYesAfterMs;
  return prompt;
}

TEST(MessageBoxPrompterTest, AQuestionLeftAloneAnswersYesByItself) {
  QWidget owner;
  MessageBoxPrompter prompter(&owner);
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  BoxWatcher watch([&](QMessageBox& box) {
    title = box.windowTitle();
    text = box.text();
    icon = box.icon();
    buttons = box.standardButtons();
  });
  EXPECT_EQ(prompter.Ask(Question(50)), Answer::Yes);
  EXPECT_EQ(title, "Varelo");
  EXPECT_EQ(text, "是否继续求解？");
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the box is gone";
}

TEST(MessageBoxPrompterTest, ThePlayersAnswerCancelsThePendingAutomaticOne) {
  QWidget owner;
  MessageBoxPrompter prompter(&owner);
  {
    BoxWatcher answerNo([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    EXPECT_EQ(prompter.Ask(Question(200)), Answer::No);
  }
  // A later box stays open past the moment the first one's automatic answer
  // was due; the player answers it.
  bool dueTimePassed = false;
  QTimer::singleShot(400, [&] { dueTimePassed = true; });
  BoxWatcher answerLater([&](QMessageBox& box) {
    auto* later = new QTimer(&box);
    later->setInterval(5);
    QObject::connect(later, &QTimer::timeout, &box, [&box, &dueTimePassed] {
      if (dueTimePassed) box.button(QMessageBox::No)->click();
    });
    later->start();
  });
  EXPECT_EQ(prompter.Ask(Question(0)), Answer::No) << "no stale Yes reached the later box";
  EXPECT_TRUE(dueTimePassed);
}

// What a title bar takes to show `title` whole: the text in the bold title
// font, beside the window icon and three buttons, each a square of the
// title bar's height (no window manager offscreen: the style's height).
int TitleBarNeed(const QString& title) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(title) +
         4 * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

TEST(MessageBoxPrompterTest, EveryBoxIsWideEnoughForItsWholeTitle) {
  QWidget owner;
  MessageBoxPrompter prompter(&owner);
  const Prompt prompts[] = {
      {QStringLiteral("你赢了！")},
      {QStringLiteral("此数独无解！")},
      {QStringLiteral("文件读取失败。\n错误代码：2"), Prompt::Icon::Error},
      {QStringLiteral("确定要退出吗？"), Prompt::Icon::Question, Prompt::Buttons::YesNo, QStringLiteral("System Tray")},
      {QStringLiteral("确定要退出吗？"), Prompt::Icon::Question, Prompt::Buttons::YesNo,
       QStringLiteral("我的工作日志与每周的会议记录")},  // a long tip text as the tray's title
  };
  for (const Prompt& prompt : prompts) {
    int width = 0;
    BoxWatcher watch([&](QMessageBox& box) {
      width = box.width();
      box.reject();
    });
    prompter.Ask(prompt);
    EXPECT_GE(width, TitleBarNeed(prompt.title)) << prompt.text.toStdString() << " / " << prompt.title.toStdString();
  }
}

}  // namespace
}  // namespace varelo
