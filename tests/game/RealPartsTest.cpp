// The game with its own generator and level bank, as the window runs it.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>

#include <gtest/gtest.h>

#include "core/RuleChecks.h"
#include "game/GameClock.h"
#include "solver/FastSolver.h"
#include "sources/LevelBank.h"
#include "tests/game/GameHarness.h"

namespace varelo {
namespace {

using testing::GameHarness;

GridDigits Digits(const QString& entry) {
  GridDigits digits{};
  for (int p = 0; p < 81; ++p) digits[p] = static_cast<unsigned char>(entry[p].digitValue());
  return digits;
}

// The givens of a grid obey the rule and leave a completion.
void ExpectSolvableGivens(Board& board, int grid) {
  GridDigits givens{};
  for (int n = 1; n <= 81; ++n)
    if (board.isFixed(grid, n)) givens[n - 1] = static_cast<unsigned char>(board.digit(grid, n));
  EXPECT_TRUE(fast::HasSolution(givens)) << "grid " << grid;
}

TEST(RealParts, MissionLevelOneFromTheBankIsWonIntoLevelTwo) {
  GameHarness h(GameHarness::Parts::Real);
  h.game.levelBank().LoadRest();  // the rest of the bank, as the window's timer does
  h.game.Click(ctl::LblBegin(7));
  ASSERT_EQ(h.Top(1), "Level 1");
  EXPECT_EQ(h.Givens(0), 40);
  const GridDigits solution = Digits(h.game.levelBank().entry(1));
  for (int n = 1; n <= 81; ++n) {
    EXPECT_TRUE(!h.board().isFixed(0, n) || h.board().digit(0, n) == solution[n - 1]) << n;
  }
  h.Solve(0, solution);
  EXPECT_EQ(h.prompter.texts(), QStringList{QStringLiteral("你赢了！")});
  EXPECT_EQ(h.Top(1), "Level 2");
  EXPECT_EQ(h.game.levelBank().menu().captions().last(), QStringLiteral("第2关"));
}

TEST(RealParts, StoredLevelsShowTheBanksDigits) {
  GameHarness h(GameHarness::Parts::Real);
  h.game.levelBank().LoadRest();
  h.game.Click(ctl::Indexed(ctl::kMnuLevels, 1998));
  const GridDigits entry = Digits(h.game.levelBank().entry(1999));
  for (int n = 1; n <= 81; ++n) {
    EXPECT_EQ(h.board().digit(0, n), entry[n - 1]) << n;
    EXPECT_EQ(h.board().isFixed(0, n), entry[n - 1] != 0) << n;
  }
}

TEST(RealParts, GeneratedPuzzlesOfEveryKindAreSolvable) {
  GameHarness h(GameHarness::Parts::Real);
  h.game.Click(ctl::kSjms);
  EXPECT_EQ(h.Givens(0), 35);
  ExpectSolvableGivens(h.board(), 0);
  for (const char* entry : {"zhej", "zhsj"}) {
    h.game.Click(QString::fromLatin1(entry));
    const int order = QString::fromLatin1(entry) == "zhej" ? 2 : 3;
    for (int grid = 1; grid <= order; ++grid) {
      EXPECT_EQ(h.Givens(grid), 35);
      ExpectSolvableGivens(h.board(), grid);
    }
  }
  EXPECT_TRUE(h.prompter.prompts.isEmpty());
}

TEST(RealParts, ATestFileReplacesTheRandomPuzzle) {
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("test.txt")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  // Thirty givens of a valid grid, with blanks and line breaks between them.
  const QString solution = QString::fromLatin1(testing::kSolution);
  QString text;
  for (int p = 0; p < 81; ++p) {
    text += p < 30 ? solution[p] : QChar(u'0');
    text += p % 9 == 8 ? QStringLiteral("\r\n") : QStringLiteral(" ");
  }
  file.write(text.toLatin1());
  file.close();

  GameHarness h(GameHarness::Parts::Real, dir.path());
  h.game.Click(ctl::kSjms);
  for (int n = 1; n <= 81; ++n) EXPECT_EQ(h.board().isFixed(0, n), n <= 30) << n;
  EXPECT_EQ(h.controls().text(ctl::kLbltishi), QStringLiteral("非随机数独，从test.txt文件中生成"));
  EXPECT_TRUE(h.controls().isVisible(ctl::kLbltishi));

  // The test file is for random mode only.
  h.game.Click(ctl::kZhej);
  EXPECT_EQ(h.Givens(1), 35);
}

TEST(RealParts, AnUnreadableTestFileIsReportedAndARandomPuzzleFollows) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("test.txt")));  // a folder, not a file
  GameHarness h(GameHarness::Parts::Real, dir.path());
  h.game.Click(ctl::kSjms);
  ASSERT_EQ(h.prompter.prompts.size(), 1);
  EXPECT_EQ(h.prompter.prompts[0].text, QStringLiteral("错误代码：") + QString::number(EISDIR));
  EXPECT_EQ(h.prompter.prompts[0].icon, Prompt::Icon::Error);
  EXPECT_EQ(h.Givens(0), 35);
  ExpectSolvableGivens(h.board(), 0);
}

}  // namespace
}  // namespace varelo
