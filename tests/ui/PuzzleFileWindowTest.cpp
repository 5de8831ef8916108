// The puzzle files of solve mode in the real window: saving from the button
// and the menu, the list rebuilt when "读取与保存" opens, loading, a missing
// file, and no save while a clash is shown.

#include <QMenu>

#include "input/ConflictMarker.h"

#include "WindowFixture.h"
#include "SolveWindowDriver.h"

namespace varelo {
namespace {

using testing::ExpectedFileText;
using testing::RelabelledGrid;
using testing::SolveWindowTest;

const GridDigits kGrid = RelabelledGrid(0, 0);

class PuzzleFileWindowTest : public SolveWindowTest {
 protected:
  QString SavedMessage(const QString& name) {
    return QStringLiteral("文件保存成功！\n路径：") + QDir::toNativeSeparators(SolveFile(name));
  }
  QStringList FilesOnDisk() { return QDir(SolveDir()).entryList(QDir::Files, QDir::Name); }
};

TEST_F(PuzzleFileWindowTest, SavedTwiceListedNextTimeAndLoadedBack) {
  OpenActive();
  Key(Qt::Key_F9);
  OpenFileMenu();
  EXPECT_EQ(FileMenuCaptions(), QStringList{"无"});
  window->fileMenu().item(0)->trigger();
  EXPECT_EQ(Asked(), QStringList{"在游戏所在目录的solve文件夹下放置文件，可以在此处打开。"});
  prompter.asked.clear();

  for (int n = 1; n <= 10; ++n) TypeAt(n, kGrid[n - 1]);
  const GridDigits first = Digits(0);
  Press(5);
  TypeAt(41, kGrid[40]);
  const GridDigits second = Digits(0);
  Trigger(QStringLiteral("baocun"));

  ASSERT_EQ(Asked(), (QStringList{SavedMessage("sk1.txt"), SavedMessage("sk2.txt")}));
  EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Information);
  EXPECT_EQ(FileContent("sk1.txt"), ExpectedFileText({first}));
  EXPECT_EQ(FileContent("sk2.txt"), ExpectedFileText({second}));
  EXPECT_EQ(FileContent("sk1.txt").count("\r\n"), 11) << "nine digit lines and two empty ones";

  EXPECT_EQ(FileMenuCaptions(), QStringList{"无"}) << "the list is built when the menu opens";
  OpenFileMenu();
  EXPECT_EQ(FileMenuCaptions(), (QStringList{"sk1.txt", "sk2.txt"}));

  Press(3);
  ASSERT_EQ(Digits(0), GridDigits{});
  prompter.asked.clear();
  LoadFile(2);
  EXPECT_TRUE(Asked().isEmpty());
  EXPECT_EQ(Digits(0), second);
  EXPECT_EQ(CountInk(0, colours::kBlack), 11);
  for (int n = 1; n <= 81; ++n)
    if (board().digit(0, n) != 0) { EXPECT_EQ(board().kind(0, n), EntryKind::Pen) << n; }
  EXPECT_EQ(Buttons(), "求解+ 3+ 4-") << "the load ran the after-entry check";

  // A file taken away after the list was built.
  ASSERT_TRUE(QFile::remove(SolveFile("sk1.txt")));
  OpenFileMenu();
  EXPECT_EQ(FileMenuCaptions(), QStringList{"sk2.txt"}) << "rebuilt on opening";
  ASSERT_TRUE(QFile::remove(SolveFile("sk2.txt")));
  prompter.asked.clear();
  window->fileMenu().item(1)->trigger();
  Settle();
  ASSERT_EQ(prompter.asked.size(), 1);
  EXPECT_TRUE(prompter.asked[0].text.startsWith(QStringLiteral("文件读取失败。\n错误代码：")))
      << prompter.asked[0].text.toStdString();
  bool numeric = false;
  prompter.asked[0].text.section(u'：', 1).toInt(&numeric);
  EXPECT_TRUE(numeric) << "ends with the error code";
  EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Error);
  EXPECT_EQ(Digits(0), second) << "a failed load leaves the grid as it was";
}

TEST_F(PuzzleFileWindowTest, ACombinationSavesEachGridAndLoadsAPlainPuzzleString) {
  // A plain 81-digit string is a valid file.
  QByteArray line;
  for (unsigned char d : kGrid) line += char('0' + d);
  PlaceFile(QStringLiteral("sk1.txt"), line);
  OpenActive();
  Key(Qt::Key_F11);
  LoadFile(1);
  EXPECT_EQ(Digits(1), kGrid);
  GridDigits corner{};
  corner[0] = kGrid[80];
  EXPECT_EQ(Digits(2), corner) << "grid 2 gets only the shared corner";

  Press(5);
  EXPECT_EQ(FileContent("sk2.txt"), ExpectedFileText({kGrid, corner}));
  EXPECT_EQ(FileContent("sk2.txt").count("\r\n"), 11 + 3 + 11);
}

TEST_F(PuzzleFileWindowTest, NoSaveOrLoadWhileAClashIsShown) {
  PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({kGrid}));
  OpenActive();
  Key(Qt::Key_F9);
  TypeAt(1, 5);
  TypeAt(2, 5);  // the same digit in the row
  ASSERT_TRUE(Timer("Timer3")->isActive());
  ASSERT_TRUE(Button(5)->isEnabled());
  Press(5);
  Trigger(QStringLiteral("baocun"));
  EXPECT_EQ(FilesOnDisk(), QStringList{"sk1.txt"}) << "nothing saved";
  // A load now would be cut by the pending erase a moment later.
  LoadFile(1);
  EXPECT_EQ(board().digit(0, 2), 5) << "the clash is still shown, nothing loaded";
  EXPECT_TRUE(Asked().isEmpty());

  game().conflicts().EraseTick(0);
  EXPECT_EQ(board().digit(0, 2), 0);
  LoadFile(1);
  EXPECT_EQ(Digits(0), kGrid);
  Press(5);
  EXPECT_EQ(FilesOnDisk(), (QStringList{"sk1.txt", "sk2.txt"}));
}

}  // namespace
}  // namespace varelo
