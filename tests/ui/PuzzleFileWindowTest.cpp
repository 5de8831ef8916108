// The puzzle files of solve mode in the real window: saving from the button
// and the menu, the list rebuilt when "读取与保存" opens, loading, a missing
// file, no save while a clash is shown, the platform's error number in every
// failure message, and the folder named when the game's own is unusable.

#include <QMenu>
#include <QStandardPaths>

#include <cerrno>

#include "input/ConflictMarker.h"

#include "SolveWindowDriver.h"
#include "WindowFixture.h"

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
  static QString ReadFailed(int error) { return QStringLiteral("文件读取失败。\n错误代码：") + QString::number(error); }
  static QString WriteFailed(int error) {
    return QStringLiteral("文件写入失败。\n错误代码：") + QString::number(error);
  }
  // Loads menu item `item` of a list built before the file changed.
  QStringList LoadListed(int item) {
    prompter.asked.clear();
    window->fileMenu().item(item)->trigger();
    Settle();
    return Asked();
  }
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
  Trigger(ctl::kBaocun);

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
    if (board().digit(0, n) != 0) {
      EXPECT_EQ(board().kind(0, n), EntryKind::Pen) << n;
    }
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
  Trigger(ctl::kBaocun);
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

TEST_F(PuzzleFileWindowTest, AMissingFileAndAFolderInItsPlaceShowTheirOwnErrorNumbers) {
  PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({kGrid}));
  ASSERT_TRUE(QDir().mkpath(SolveFile("sk2.txt")));
  OpenActive();
  Key(Qt::Key_F9);
  OpenFileMenu();
  ASSERT_EQ(FileMenuCaptions(), (QStringList{"sk1.txt", "sk2.txt"}));
  ASSERT_TRUE(QFile::remove(SolveFile("sk1.txt")));

  EXPECT_EQ(LoadListed(1), QStringList{ReadFailed(ENOENT)});
  EXPECT_EQ(LoadListed(2), QStringList{ReadFailed(EISDIR)});
  EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Error);
  EXPECT_EQ(Digits(0), GridDigits{});
}

// Root reads any file: run-unprivileged.sh runs this as an ordinary user.
TEST_F(PuzzleFileWindowTest, AnUnreadableFileShowsPermissionDenied) {
  PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText({kGrid}));
  QFile::setPermissions(SolveFile("sk1.txt"), QFileDevice::Permissions());
  if (QFile probe(SolveFile("sk1.txt")); probe.open(QIODevice::ReadOnly))
    GTEST_SKIP() << "permissions do not stop this user (root) from reading";
  OpenActive();
  Key(Qt::Key_F9);
  OpenFileMenu();
  EXPECT_EQ(LoadListed(1), QStringList{ReadFailed(EACCES)});
}

// run-with-small-disk.sh mounts a small file system for this test and names
// it in VARELO_SMALL_DISK; the game's folder lies on it, filled up.
TEST_F(PuzzleFileWindowTest, ASaveOnAFullDiskShowsNoSpaceAndLeavesNoFile) {
  const QString disk = qEnvironmentVariable("VARELO_SMALL_DISK");
  if (disk.isEmpty()) GTEST_SKIP() << "no small disk: run through tests/hardening/run-with-small-disk.sh";
  programDir = std::make_unique<QTemporaryDir>(disk + QStringLiteral("/game-XXXXXX"));
  ASSERT_TRUE(programDir->isValid());
  ASSERT_TRUE(QDir().mkpath(SolveDir()));
  QFile filler(programDir->filePath(QStringLiteral("filler")));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  const QByteArray block(4096, 'x');
  for (int i = 0; i < (64 << 10) && filler.write(block) > 0; ++i) {
  }
  ASSERT_EQ(filler.write("x", 1), -1) << "the disk did not fill up";

  OpenActive();
  Key(Qt::Key_F9);
  TypeAt(1, 5);
  prompter.asked.clear();
  Press(5);
  EXPECT_EQ(Asked(), QStringList{WriteFailed(ENOSPC)});
  EXPECT_TRUE(QDir(SolveDir()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
      << "a partly written file was left behind";
}

// The game's own folder cannot be used (a file named "solve" stands there):
// the "无" item names the folder the game reads instead, as saving does.
TEST_F(PuzzleFileWindowTest, TheNoneItemNamesThePerUserFolderWhenTheGameFolderIsUnusable) {
  QFile blocker(SolveDir());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/solve");
  OpenActive();
  Key(Qt::Key_F9);
  OpenFileMenu();
  ASSERT_EQ(FileMenuCaptions(), QStringList{"无"});
  window->fileMenu().item(0)->trigger();
  EXPECT_EQ(Asked(),
            QStringList{QStringLiteral("在此文件夹下放置文件，可以在此处打开：") + QDir::toNativeSeparators(perUser)});
  EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Information);
}

// Two 5s in row 1 and two 7s in grid 2 of an order-2 file: red from the
// moment the file is loaded, with no erase pending (they are the puzzle's
// givens), and black again once an erase has ended the clash.
TEST_F(PuzzleFileWindowTest, ClashingGivensOfALoadedFileShowRedAtOnce) {
  struct Case {
    Qt::Key mode;
    int grid, first, second, digit;
  };
  for (const Case c : {Case{Qt::Key_F9, 0, 1, 9, 5}, Case{Qt::Key_F11, 2, 10, 46, 7}}) {
    SCOPED_TRACE(c.grid);
    std::vector<GridDigits> grids(c.grid == 0 ? 1 : 2, GridDigits{});
    grids[c.grid == 0 ? 0 : 1][c.first - 1] = c.digit;
    grids[c.grid == 0 ? 0 : 1][c.second - 1] = c.digit;
    grids[0][40] = 3;
    PlaceFile(QStringLiteral("sk1.txt"), ExpectedFileText(grids));
    OpenActive();
    Key(c.mode);
    LoadFile(1);
    EXPECT_EQ(board().ink(c.grid, c.first), colours::kRed);
    EXPECT_EQ(board().ink(c.grid, c.second), colours::kRed);
    const int firstGrid = c.grid == 0 ? 0 : 1;
    EXPECT_EQ(board().digit(firstGrid, 41), 3);
    EXPECT_EQ(board().ink(firstGrid, 41), colours::kBlack) << "a digit that clashes with nothing stays black";
    EXPECT_FALSE(game().conflicts().anyEraseTimerRunning());
    EXPECT_EQ(board().digit(c.grid, c.first), c.digit) << "givens are never erased";
    if (c.grid == 0) {
      Screenshot(*window, QStringLiteral("solve-file-clashing-givens"));
      TypeAt(c.second, 0);
      EXPECT_EQ(board().ink(c.grid, c.first), colours::kBlack) << "the clash is gone";
    }
    window.reset();
  }
}

}  // namespace
}  // namespace varelo
