// varelo-cli as a user runs it: output, exit status and error messages.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

#include "solver/PuzzleFactory.h"
#include "solver/SolveTrace.h"

namespace varelo::testing {
namespace {

struct CliRun {
  int status = -1;
  QString out;
  QString err;
};

CliRun Cli(const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/varelo-cli"), arguments);
  EXPECT_TRUE(process.waitForStarted());
  if (!input.isEmpty()) process.write(input);
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(60000));
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

QStringList Lines(const QString& text) { return text.split(u'\n', Qt::SkipEmptyParts); }

// AI Escargot with one given removed: 20 solutions.
const QString kTwenty =
    QStringLiteral("1....7....3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..");
// Easter Monster with a digit more: no solution, though nothing clashes.
const QString kNone =
    QStringLiteral("1.......2.9.4...5...6...7...5.9.3.......7.......85..437.....6...3...9.8...2.....1");

QString Expected(const SolvePoint& point, int grid) {
  QString digits;
  for (int n = 1; n <= 81; ++n) digits += QChar(u'0' + point.cells[grid * 81 + n - 1].digit);
  return digits;
}

TEST(Cli, SolveShowsTheGamesFirstSolutionOrNone) {
  TypedPuzzle puzzle;
  puzzle.grids[0] = ParseGrid(kTwenty.toStdString());
  const SolveTrace literal = TraceReference(puzzle, 1, 0);

  const CliRun run = Cli({"solve", kTwenty, kNone});
  EXPECT_EQ(run.status, 1) << "one puzzle had no solution";
  EXPECT_EQ(Lines(run.out), (QStringList{Expected(literal.solutions[0], 0), "none"}));

  EXPECT_EQ(Cli({"solve", QString(kTwenty).replace(u'.', u'0')}).status, 0);
}

TEST(Cli, SolveAllListsEverySolutionInSearchOrderAndTheCount) {
  TypedPuzzle puzzle;
  puzzle.grids[0] = ParseGrid(kTwenty.toStdString());
  const SolveTrace literal = TraceReference(puzzle, 100, 0);
  ASSERT_EQ(literal.count, 20);

  const QStringList all = Lines(Cli({"solve", "--all", kTwenty}).out);
  ASSERT_EQ(all.size(), 21);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(all[i], Expected(literal.solutions[i], 0)) << i;
  EXPECT_EQ(all.last(), "count: 20");

  const CliRun capped = Cli({"solve", "--all", "--max", "3", kTwenty});
  EXPECT_EQ(capped.status, 0);
  EXPECT_EQ(Lines(capped.out), (QStringList{all[0], all[1], all[2], "count: 3+"}));
  EXPECT_EQ(Lines(Cli({"solve", "--all", "--max=20", kTwenty}).out).last(), "count: 20")
      << "a cap that is just reached is no cut";

  const CliRun none = Cli({"solve", "--all", kNone});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(Lines(none.out), QStringList{"count: 0"});
}

TEST(Cli, CountCountsUpToTheCap) {
  const CliRun run = Cli({"count", kTwenty, kNone});
  EXPECT_EQ(Lines(run.out), (QStringList{"20", "0"}));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(Cli({"count", "--max", "19", kTwenty}).out), QStringList{"19+"});
  EXPECT_EQ(Lines(Cli({"count", "--max", "20", kTwenty}).out), QStringList{"20"});
}

TEST(Cli, BadInputNamesThePlaceAndPrintsNothing) {
  QString bad = kTwenty;
  bad[16] = u'x';  // cell 17: row 2, column 8
  CliRun run = Cli({"solve", kTwenty, bad});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.isEmpty()) << "not even the first, good puzzle";
  EXPECT_TRUE(run.err.contains("puzzle 2, cell 17 (row 2, column 8)")) << run.err.toStdString();

  run = Cli({"count", kTwenty.left(80)});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.contains("80 cells")) << run.err.toStdString();

  for (const QStringList& arguments :
       {QStringList{"solve"}, QStringList{"solve", "--order", "4", kTwenty}, QStringList{"frobnicate", kTwenty},
        QStringList{"count", "--max", "0", kTwenty}, QStringList{"solve", "--order", "2", kTwenty}}) {
    run = Cli(arguments);
    EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(run.err.isEmpty());
  }
}

TEST(Cli, CombinationsChainTheirCorners) {
  const QString empty(81, u'.');
  const CliRun run = Cli({"solve", "--order", "3", kTwenty, empty, empty});
  EXPECT_EQ(run.status, 0);
  const QStringList grids = run.out.trimmed().split(u' ');
  ASSERT_EQ(grids.size(), 3);
  EXPECT_EQ(grids[0][80], grids[1][0]);
  EXPECT_EQ(grids[1][8], grids[2][72]);

  // The two records of a shared corner must agree.
  QString first = empty, second = empty;
  first[80] = u'5';
  second[0] = u'6';
  const CliRun split = Cli({"count", "--order", "2", first, second});
  EXPECT_EQ(split.status, 2);
  EXPECT_TRUE(split.err.contains("grid 1 cell 81")) << split.err.toStdString();
}

TEST(Cli, DashReadsOnePuzzlePerLine) {
  const QByteArray input = (kTwenty + "\n\n" + kNone + "\n").toUtf8();
  const CliRun run = Cli({"count", "-"}, input);
  EXPECT_EQ(Lines(run.out), (QStringList{"20", "0"}));

  // A bad line ends the run; what was answered before it stands.
  const CliRun bad = Cli({"count", "-"}, (kTwenty + "\n" + kNone.left(10) + "\n" + kNone + "\n").toUtf8());
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(Lines(bad.out), QStringList{"20"});
  EXPECT_TRUE(bad.err.contains("line 2")) << bad.err.toStdString();

  EXPECT_EQ(Cli({"solve", "-"}, "\n\n").status, 2) << "no puzzle at all";
}

TEST(Cli, DashAnswersEachLineBeforeTheNextArrives) {
  QProcess process;
  process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/varelo-cli"), {"solve", "-"});
  ASSERT_TRUE(process.waitForStarted());
  TypedPuzzle puzzle;
  puzzle.grids[0] = ParseGrid(kTwenty.toStdString());
  const QString first = Expected(TraceReference(puzzle, 1, 0).solutions[0], 0);

  // The input stays open: the answer has to come from the line alone.
  process.write((kTwenty + "\n").toUtf8());
  QByteArray out;
  while (!out.contains('\n') && process.waitForReadyRead(10000)) out += process.readAllStandardOutput();
  EXPECT_EQ(QString::fromUtf8(out).trimmed(), first);

  process.write((kNone + "\n").toUtf8());
  process.closeWriteChannel();
  ASSERT_TRUE(process.waitForFinished(60000));
  out += process.readAllStandardOutput();
  EXPECT_EQ(Lines(QString::fromUtf8(out)), (QStringList{first, "none"}));
  EXPECT_EQ(process.exitCode(), 1);
}

}  // namespace
}  // namespace varelo::testing
