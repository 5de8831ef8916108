// Puzzle files of solve mode in a temporary folder: names and numbering, the
// exact bytes written, the tolerant reader, loading with shared corners, the
// messages, and the choice of folder.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

#include <gtest/gtest.h>

#include "core/Board.h"
#include "sources/PuzzleFiles.h"
#include "sources/SolveFolder.h"
#include "sources/SourcesTestSupport.h"

namespace varelo {
namespace {

using testing::kSolvedGrid;

struct SolveFolderFixture : ::testing::Test {
  QTemporaryDir root;
  QString folder = root.path() + QStringLiteral("/solve");
  PuzzleFiles files{folder};
  Board board;

  QString PathOf(const QString& name) const { return folder + u'/' + name; }
  void Put(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray Contents(const QString& name) const {
    QFile file(PathOf(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void Fill(int grid, std::string_view text) {
    for (int n = 1; n <= 81; ++n) board.setDigit(grid, n, text[n - 1] - '0');
  }
  QString Row(int grid, int row) const {
    QString digits;
    for (int column = 1; column <= 9; ++column) digits += QString::number(board.digit(grid, (row - 1) * 9 + column));
    return digits;
  }
};

TEST_F(SolveFolderFixture, SavesUnderTheSmallestFreeNumber) {
  Fill(0, kSolvedGrid);
  const FileOutcome first = files.Save(board);
  EXPECT_TRUE(first.ok);
  EXPECT_EQ(first.message, QStringLiteral("文件保存成功！\n路径：") + QDir::toNativeSeparators(PathOf("sk1.txt")));
  EXPECT_TRUE(files.Save(board).message.endsWith(QStringLiteral("sk2.txt")));
  ASSERT_TRUE(QFile::remove(PathOf("sk1.txt")));
  EXPECT_TRUE(files.Save(board).message.endsWith(QStringLiteral("sk1.txt")));
  EXPECT_EQ(files.ListFiles(), (QStringList{"sk1.txt", "sk2.txt"}));
}

TEST_F(SolveFolderFixture, ASingleGridIsElevenCrLfLines) {
  Fill(0, "530070000600195000098000060800060003400803001700020006060000280000419005000080079");
  ASSERT_TRUE(files.Save(board).ok);
  EXPECT_EQ(Contents("sk1.txt"), QByteArray("530 070 000\r\n"
                                            "600 195 000\r\n"
                                            "098 000 060\r\n"
                                            "\r\n"
                                            "800 060 003\r\n"
                                            "400 803 001\r\n"
                                            "700 020 006\r\n"
                                            "\r\n"
                                            "060 000 280\r\n"
                                            "000 419 005\r\n"
                                            "000 080 079\r\n"));
}

TEST_F(SolveFolderFixture, AnOrderTwoGameIsTwoGridsApartByThreeEmptyLines) {
  board.setComboOrder(2);
  Fill(1, kSolvedGrid);
  board.setDigit(2, 1, 9);  // the shared corner, as entry writes it
  board.setDigit(2, 81, 4);
  ASSERT_TRUE(files.Save(board).ok);
  const QList<QByteArray> lines = Contents("sk1.txt").split('\n');
  ASSERT_EQ(lines.size(), 11 + 3 + 11 + 1);  // the last line end leaves an empty tail
  EXPECT_EQ(lines[0], "534 678 912\r");
  EXPECT_EQ(lines[10], "345 286 179\r");
  for (int i : {11, 12, 13}) EXPECT_EQ(lines[i], "\r") << i;
  EXPECT_EQ(lines[14], "900 000 000\r");
  EXPECT_EQ(lines[17], "\r");
  EXPECT_EQ(lines[24], "000 000 004\r");
  EXPECT_TRUE(lines[25].isEmpty());
}

TEST_F(SolveFolderFixture, DigitsASolveRunHidesAreNotSaved) {
  Fill(0, kSolvedGrid);
  board.setDigitShown(0, 1, false);
  ASSERT_TRUE(files.Save(board).ok);
  EXPECT_TRUE(Contents("sk1.txt").startsWith("034 678 912\r\n"));
}

TEST_F(SolveFolderFixture, ListsOnlyFilesOneToThirtyInOrder) {
  EXPECT_TRUE(files.ListFiles().isEmpty());  // no folder yet
  for (const char* name : {"sk3.txt", "sk1.txt", "sk31.txt", "sk100.txt", "sk02.txt", "skx.txt"})
    Put(QString::fromLatin1(name), kSolvedGrid.data());
  EXPECT_EQ(files.ListFiles(), (QStringList{"sk1.txt", "sk3.txt"}));

  ASSERT_TRUE(files.Load(QStringLiteral("sk3.txt"), board).ok);
  EXPECT_EQ(Row(0, 1), "534678912");
}

TEST_F(SolveFolderFixture, AFileNumberedAboveThirtyIsSavedButNeverListed) {
  for (int n = 1; n <= 30; ++n) Put(PuzzleFiles::FileName(n), "0");
  EXPECT_TRUE(files.Save(board).message.endsWith(QStringLiteral("sk31.txt")));
  EXPECT_TRUE(QFile::exists(PathOf("sk31.txt")));
  EXPECT_EQ(files.ListFiles().size(), 30);
  EXPECT_FALSE(files.ListFiles().contains(QStringLiteral("sk31.txt")));
}

TEST_F(SolveFolderFixture, AnOneLinePuzzleStringLoadsIntoOrderTwo) {
  board.setComboOrder(2);
  Put("sk1.txt", QByteArray(kSolvedGrid.data(), 81) + "\n");
  const FileOutcome outcome = files.Load(QStringLiteral("sk1.txt"), board);
  EXPECT_TRUE(outcome.ok);
  EXPECT_TRUE(outcome.message.isEmpty());
  EXPECT_EQ(Row(1, 1), "534678912");
  EXPECT_EQ(Row(1, 9), "345286179");
  EXPECT_EQ(board.digit(2, 1), 9);  // the corner copy of grid 1's cell 81
  for (int n = 2; n <= 81; ++n) ASSERT_EQ(board.digit(2, n), 0) << n;
}

TEST_F(SolveFolderFixture, TheReaderSkipsEverythingButDigits) {
  board.setComboOrder(2);
  QByteArray text = "\xEF\xBB\xBF\"puzzle\": [";  // a byte-order mark, quotes, commas
  for (char c : kSolvedGrid) text += QByteArray(1, c) + ", ";
  text += "]\r\n2 x 7 \t 1";
  Put("sk1.txt", text);
  ASSERT_TRUE(files.Load(QStringLiteral("sk1.txt"), board).ok);
  EXPECT_EQ(Row(1, 1), "534678912");
  EXPECT_EQ(Row(2, 1), "971000000");  // B(1) = 2 gave way to grid 1's cell 81
}

TEST_F(SolveFolderFixture, ShortAndEmptyFilesLeaveTheRestEmpty) {
  Fill(0, kSolvedGrid);
  Put("sk1.txt", "12 3");
  ASSERT_TRUE(files.Load(QStringLiteral("sk1.txt"), board).ok);
  EXPECT_EQ(Row(0, 1), "123000000");
  for (int n = 10; n <= 81; ++n) ASSERT_EQ(board.digit(0, n), 0) << n;

  Fill(0, kSolvedGrid);
  Put("sk2.txt", "no digits here");
  ASSERT_TRUE(files.Load(QStringLiteral("sk2.txt"), board).ok);
  for (int n = 1; n <= 81; ++n) ASSERT_EQ(board.digit(0, n), 0) << n;
}

TEST_F(SolveFolderFixture, OrderThreeCornersEndWithTheFirstAndLastGrid) {
  board.setComboOrder(3);
  QByteArray text;
  text += QByteArray(81, '1');
  text += QByteArray(81, '2');
  text += QByteArray(81, '3');
  text += QByteArray(81, '4');  // a fourth grid is ignored
  Put("sk1.txt", text);
  ASSERT_TRUE(files.Load(QStringLiteral("sk1.txt"), board).ok);
  EXPECT_EQ(board.digit(1, 81), 1);
  EXPECT_EQ(board.digit(2, 1), 1);  // A(81) wins over B(1)
  EXPECT_EQ(board.digit(2, 9), 3);  // C(73) wins over B(9)
  EXPECT_EQ(board.digit(3, 73), 3);
  EXPECT_EQ(board.digit(2, 41), 2);
  EXPECT_EQ(board.digit(3, 81), 3);
  EXPECT_EQ(board.digit(0, 1), 0);  // grids not in play stay as they were
}

TEST_F(SolveFolderFixture, SavedOrderThreeGamesReadBackUnchanged) {
  board.setComboOrder(3);
  for (int grid = 1; grid <= 3; ++grid) Fill(grid, kSolvedGrid);
  board.setDigit(2, 1, 9);  // corners agree, as entry keeps them
  board.setDigit(2, 9, 3);  // grid 3's cell 73 holds 3 in the same grid
  board.setDigit(3, 73, 3);
  ASSERT_TRUE(files.Save(board).ok);
  Board loaded;
  loaded.setComboOrder(3);
  ASSERT_TRUE(files.Load(QStringLiteral("sk1.txt"), loaded).ok);
  for (int grid = 1; grid <= 3; ++grid) EXPECT_EQ(loaded.digitsOf(grid), board.digitsOf(grid)) << grid;
}

TEST_F(SolveFolderFixture, LoadingResetsTheGridsFirst) {
  board.setInSolveMode(true);  // files are read in solve mode
  board.setDigit(0, 5, 7);
  board.setKind(0, 5, EntryKind::Solver);
  board.setClash(0, 5, true);
  Put("sk1.txt", "0000 8");
  ASSERT_TRUE(files.Load(QStringLiteral("sk1.txt"), board).ok);
  EXPECT_EQ(board.digit(0, 5), 8);
  EXPECT_EQ(board.kind(0, 5), EntryKind::Pen);
  EXPECT_EQ(board.ink(0, 5), colours::kBlack);

  int resets = 0;
  board.setDigit(0, 5, 0);
  ASSERT_TRUE(files
                  .Load(QStringLiteral("sk1.txt"), board,
                        [&] {
                          ++resets;
                          EXPECT_EQ(board.digit(0, 5),
                                    0);  // the reset runs before any digit is written
                        })
                  .ok);
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(board.digit(0, 5), 8);
}

TEST_F(SolveFolderFixture, AMissingFileIsAReadErrorAndTouchesNothing) {
  Fill(0, kSolvedGrid);
  for (const char* name : {"sk9.txt", "../solve/sk1.txt", "", ".."}) {
    bool reset = false;
    const FileOutcome outcome = files.Load(QString::fromLatin1(name), board, [&] { reset = true; });
    EXPECT_FALSE(outcome.ok) << name;
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("文件读取失败。\n错误代码："))) << name;
    bool isNumber = false;
    outcome.message.section(QStringLiteral("错误代码："), 1).toInt(&isNumber);
    EXPECT_TRUE(isNumber) << name;
    EXPECT_FALSE(reset) << name;
  }
  EXPECT_EQ(Row(0, 1), "534678912");
}

TEST_F(SolveFolderFixture, AHugeFileIsReadOnlyAsFarAsNeeded) {
  Put("sk1.txt", QByteArray(2 << 20, 'x') + QByteArray(kSolvedGrid.data(), 81));
  ASSERT_TRUE(files.Load(QStringLiteral("sk1.txt"), board).ok);
  for (int n = 1; n <= 81; ++n) ASSERT_EQ(board.digit(0, n), 0) << n;
}

TEST_F(SolveFolderFixture, AFolderThatCannotBeMadeIsAWriteError) {
  Put("blocker", "a file where the folder should be");
  PuzzleFiles blocked(PathOf("blocker") + QStringLiteral("/solve"));
  const FileOutcome outcome = blocked.Save(board);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, QStringLiteral("文件写入失败。\n错误代码：") + QString::number(ENOTDIR));
  EXPECT_TRUE(blocked.ListFiles().isEmpty());
}

TEST(PuzzleFiles, NamesAndTheHintForAnEmptyList) {
  EXPECT_EQ(PuzzleFiles::FileName(7), "sk7.txt");
  EXPECT_EQ(PuzzleFiles(QStringLiteral("/any")).PlacementHint(),
            QStringLiteral("在游戏所在目录的solve文件夹下放置文件，可以在此处打开。"));
}

// Mended: an installed game cannot write beside its executable.
TEST(SolveFolder, FallsBackToThePerUserFolderWhenTheGameFolderIsUnusable) {
  QTemporaryDir root;
  const QString perUser = root.path() + QStringLiteral("/user/solve");
  const QString beside = root.path() + QStringLiteral("/solve");
  EXPECT_EQ(SolveFolderInUse(beside, perUser), beside);  // can be created
  ASSERT_TRUE(QDir().mkpath(beside));
  EXPECT_EQ(SolveFolderInUse(beside, perUser), beside);  // exists and is writable

  QFile blocker(root.path() + QStringLiteral("/file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_EQ(SolveFolderInUse(blocker.fileName() + QStringLiteral("/solve"), perUser), perUser);
  EXPECT_EQ(SolveFolderInUse(blocker.fileName(), perUser), perUser);  // "solve" is a file
}

}  // namespace
}  // namespace varelo
