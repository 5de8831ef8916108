// varelo-cli as a user runs it: output, exit status and error messages.

#include <gtest/gtest.h>

#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>

#include <array>
#include <limits>

#include "solver/CandidateGrid.h"
#include "solver/Completions.h"
#include "solver/FastSolver.h"
#include "solver/PuzzleFactory.h"
#include "solver/SolveTrace.h"

namespace varelo::testing {
namespace {

struct CliRun {
  int status = -1;
  QString out;
  QString err;
};

// Waits for the tool to end; one that does not within a minute is stopped,
// and the wait fails.
bool Finished(QProcess& process) {
  if (process.waitForFinished(60000)) return true;
  process.kill();
  process.waitForFinished();
  return false;
}

// Where the tool's standard output goes: read by the test, closed, or a
// device that is always full.
enum class Out { Read, Closed, Full };

CliRun Cli(const QStringList& arguments, const QByteArray& input = {}, Out out = Out::Read) {
  QProcess process;
  if (out == Out::Full) process.setStandardOutputFile(QStringLiteral("/dev/full"));
  if (out == Out::Closed) process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
  process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/varelo-cli"), arguments);
  EXPECT_TRUE(process.waitForStarted());
  if (!input.isEmpty()) process.write(input);
  process.closeWriteChannel();
  EXPECT_TRUE(Finished(process)) << arguments.join(u' ').left(60).toStdString() << ": no answer";
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
// Easter Monster itself: one solution.
const QString kOne =
    QStringLiteral("1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1");
const QString kEmpty(81, u'.');

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

namespace varelo::testing {
namespace {

TEST(CliHostile, CountTakesEveryCapUpToTheLargestNumber) {
  const QString largest = QString::number(std::numeric_limits<std::int64_t>::max());
  const struct {
    QStringList arguments;
    QString out;
    int status;
  } rows[] = {
      {{"count", "--max", largest, kOne}, "1\n", 0},
      {{"count", "--max=" + largest, kTwenty}, "20\n", 0},
      {{"count", "--max", largest, "--order", "2", kOne, kNone}, "0\n", 1},
      {{"count", "--max", "9223372036854775808", kOne}, "", 2},
      {{"count", "--max", "99999999999999999999999", kOne}, "", 2},
  };
  for (const auto& row : rows) {
    const CliRun run = Cli(row.arguments);
    const std::string where = row.arguments.join(u' ').toStdString();
    EXPECT_EQ(run.status, row.status) << where;
    EXPECT_EQ(run.out, row.out) << where;
    if (row.status == 2) {
      EXPECT_TRUE(run.err.contains(row.arguments[2])) << where << ": " << run.err.toStdString();
    }
  }
}

GridDigits SolutionOf(const GridDigits& puzzle) {
  fast::CandidateGrid grid;
  GridDigits solution{};
  EXPECT_TRUE(fast::LoadGivens(puzzle, grid) && fast::FindCompletion(grid, solution));
  return solution;
}

// The puzzle with digits a and b swapped: the same puzzle under other labels.
QString Swapped(const GridDigits& puzzle, int a, int b) {
  GridDigits swapped = puzzle;
  for (auto& d : swapped) d = d == a ? b : d == b ? a : d;
  return QString::fromStdString(FormatGrid(swapped));
}

// A chain whose corners cannot agree has no solution, and the count says
// so at once, however many completions its empty grid has on its own.
TEST(CliHostile, AChainThatCannotAgreeCountsZeroAtOnce) {
  // A 17-given puzzle with one solution and its four corner cells empty.
  const GridDigits puzzle =
      ParseGrid("000000010400000000020000000000050407008000300001090000300400200050100000000806000");
  ASSERT_EQ(fast::CountSolutions(puzzle, 2), 1);
  const GridDigits solution = SolutionOf(puzzle);
  const QString p = QString::fromStdString(FormatGrid(puzzle));
  const int last = solution[80], first = solution[0], ninth = solution[8], corner73 = solution[72];
  ASSERT_NE(first, last);
  // Grid 2 with one given in row 1: that digit can never be carried in.
  QString barred = kEmpty;
  barred[4] = QChar(u'0' + last);
  int other = 1;  // a corner digit for grid 3 that grid 2 cannot carry on
  while (other == ninth || other == corner73) ++other;
  const struct {
    const char* what;
    QStringList grids;
  } rows[] = {
      {"grid 2 bars the corner of grid 1", {p, barred}},
      {"grid 2 cannot carry grid 1's corner; grid 3 empty", {p, p, kEmpty}},
      {"grid 2 empty between two equal corners in its first row", {p, kEmpty, Swapped(puzzle, corner73, last)}},
      {"grid 1 empty; grids 2 and 3 disagree", {kEmpty, p, Swapped(puzzle, corner73, other)}},
  };
  for (const auto& row : rows) {
    for (const QStringList& cap : {QStringList{}, QStringList{"--max", "1000000000"}}) {
      const QStringList arguments =
          QStringList{"count", "--order", QString::number(row.grids.size())} + cap + row.grids;
      const CliRun run = Cli(arguments);
      EXPECT_EQ(run.out, "0\n") << row.what << " " << cap.join(u' ').toStdString() << run.err.toStdString();
      EXPECT_EQ(run.status, 1) << row.what;
    }
  }
}

// A line longer than any puzzle is refused as soon as it is, while the
// input is still open: the tool does not wait for its end to say so.
TEST(CliHostile, ALineLongerThanAnyPuzzleIsRefusedAtOnce) {
  const QByteArray nothing(8192, '\0'), dots(8192, '.'), blanks(8192, ' ');
  const struct {
    QStringList arguments;
    QByteArray input;
    QString out;
    QString line;
  } rows[] = {
      {{"count", "-"}, nothing, "", "line 1"},
      {{"solve", "-"}, dots, "", "line 1"},
      {{"count", "-"}, (kTwenty + "\n\n").toUtf8() + blanks + kTwenty.toUtf8(), "20\n", "line 3"},
      {{"count", "--order", "2", "-"}, "\n" + dots, "", "line 2"},
      {{"solve", "--all", "-"}, nothing, "", "line 1"},
  };
  for (const auto& row : rows) {
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/varelo-cli"), row.arguments);
    ASSERT_TRUE(process.waitForStarted());
    process.write(row.input);
    const std::string where = row.arguments.join(u' ').toStdString() + " " + row.line.toStdString();
    if (!Finished(process)) {
      ADD_FAILURE() << where << ": still reading";
      continue;
    }
    EXPECT_EQ(process.exitCode(), 2) << where;
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), row.out) << where;
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(err.contains(row.line + ": longer than")) << where << ": " << err.toStdString();
  }
}

// Answers that cannot be written are a failure, said on standard error; an
// endless listing stops at the first failed write.
TEST(CliHostile, AFailedWriteIsAFailure) {
  const QByteArray lines = (kTwenty + "\n" + kNone + "\n").toUtf8();
  const struct {
    QStringList arguments;
    QByteArray input;
  } rows[] = {
      {{"count", kTwenty}, {}}, {{"solve", kTwenty, kNone}, {}},           {{"solve", "--all", kEmpty}, {}},
      {{"count", "-"}, lines},  {{"solve", "--all", "-"}, lines.left(82)}, {{"levels"}, {}},
      {{"level", "7"}, {}},     {{"generate", "--order", "3"}, {}},        {{"--help"}, {}},
  };
  for (const auto& row : rows) {
    for (const Out out : {Out::Closed, Out::Full}) {
      const CliRun run = Cli(row.arguments, row.input, out);
      const std::string where =
          row.arguments.join(u' ').left(40).toStdString() + (out == Out::Full ? " > /dev/full" : " >&-");
      EXPECT_EQ(run.status, 2) << where;
      EXPECT_TRUE(run.err.contains("cannot write to standard output")) << where << ": " << run.err.toStdString();
    }
  }
}

}  // namespace
}  // namespace varelo::testing
