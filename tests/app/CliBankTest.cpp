// varelo-cli's level bank and generator commands, run as a user runs them.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "solver/FastSolver.h"
#include "support/QtPrinters.h"

namespace varelo {
namespace {

struct CliRun {
  int status = -1;
  QString out;
  QString err;
};

CliRun Cli(const QStringList& arguments) {
  QProcess process;
  process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/varelo-cli"), arguments);
  EXPECT_TRUE(process.waitForStarted());
  EXPECT_TRUE(process.waitForFinished(60000));
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

QStringList Words(const QString& text) {
  return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

GridDigits Digits(const QString& text) {
  GridDigits digits{};
  for (int p = 0; p < 81; ++p) digits[p] = static_cast<unsigned char>(text[p].digitValue());
  return digits;
}

int Givens(const QString& grid) { return 81 - static_cast<int>(grid.count(u'0')); }

TEST(CliBank, LevelsPrintTheBanksEntries) {
  struct Row {
    int level;
    const char* entry;
  };
  for (const Row row :
       {Row{1, "172396854596874231384521769243619587759482613861753942437265198618937425925148376"},
        Row{50, "724369851936851472581472693269143587143587269875296134497625318618934725352718946"},
        Row{51, "001000009500003800060002100000070084000401000240030000005600030007200005800000700"},
        Row{71, "081600090000000000004037600600400500030000070007002004005210300000000000070004810"},
        Row{1999, "000700030300009000000300176004200300600000005008005200892001000000400008050008000"}}) {
    const CliRun run = Cli({QStringLiteral("level"), QString::number(row.level)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QString::fromLatin1(row.entry) + u'\n') << row.level;
  }
  QStringList all = Cli({QStringLiteral("levels")}).out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(all.size(), 1999);
  EXPECT_EQ(all[70], Cli({QStringLiteral("level"), QStringLiteral("71")}).out.trimmed());
  EXPECT_EQ(all.removeDuplicates(), 0);
}

TEST(CliBank, BadRequestsFailWithoutOutput) {
  for (const QStringList& args :
       {QStringList{"level", "0"}, QStringList{"level", "2000"}, QStringList{"level", "abc"}, QStringList{"level"},
        QStringList{"generate", "--givens", "10"}, QStringList{"generate", "--order", "4"},
        QStringList{"generate", "--level", "2000"}, QStringList{"generate", "--level", "3", "--order", "2"},
        QStringList{"levels", "5"}, QStringList{"solve", "--order", "1", "-"}}) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 2) << args.join(u' ').toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << args.join(u' ').toStdString();
    EXPECT_FALSE(run.err.isEmpty()) << args.join(u' ').toStdString();
  }
}

TEST(CliBank, GeneratedPuzzlesHaveTheirGivensAndASolution) {
  for (const char* givens : {"11", "35", "75"}) {
    const QStringList grids = Words(Cli({"generate", "--givens", QString::fromLatin1(givens)}).out);
    ASSERT_EQ(grids.size(), 1);
    EXPECT_EQ(Givens(grids[0]), QString::fromLatin1(givens).toInt());
    EXPECT_TRUE(fast::HasSolution(Digits(grids[0])));
  }
  const QStringList three = Words(Cli({"generate", "--order", "3", "--givens", "40"}).out);
  ASSERT_EQ(three.size(), 3);
  for (const QString& grid : three) {
    EXPECT_EQ(Givens(grid), 40);
    EXPECT_TRUE(fast::HasSolution(Digits(grid)));
  }
  // The shared corners start empty in both grids.
  EXPECT_EQ(three[0][80], u'0');
  EXPECT_EQ(three[1][0], u'0');
  EXPECT_EQ(three[1][8], u'0');
  EXPECT_EQ(three[2][72], u'0');
}

TEST(CliBank, MissionGivensAreTheSameInEveryProcess) {
  for (int level : {1, 2, 3, 4, 7, 26, 49, 50}) {
    const QString first = Cli({"generate", "--level", QString::number(level)}).out.trimmed();
    const QString second = Cli({"generate", "--level", QString::number(level)}).out.trimmed();
    EXPECT_EQ(first, second) << level;
    EXPECT_EQ(Givens(first), 40 - (level - 1) / 3) << level;
    const QString solution = Cli({"level", QString::number(level)}).out.trimmed();
    for (int p = 0; p < 81; ++p) EXPECT_TRUE(first[p] == u'0' || first[p] == solution[p]) << level << " cell " << p + 1;
  }
  // Stored levels come out exactly as stored.
  EXPECT_EQ(Cli({"generate", "--level", "51"}).out, Cli({"level", "51"}).out);
}

// The bank and generator commands take their inputs from the command line
// alone: they never look for the game's test.txt, solve folder or settings,
// and create or change no file, wherever the tool runs and whatever its
// temporary folder.
TEST(CliBank, CommandsTouchNoFile) {
  const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
  if (strace.isEmpty()) GTEST_SKIP() << "strace is not installed";
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
    environment.insert(QString::fromLatin1(name), home.path());
  // A sanitizer build's leak check cannot run under strace; the later
  // setting wins.
  environment.insert(QStringLiteral("ASAN_OPTIONS"),
                     environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
  const QString trace = home.filePath(QStringLiteral("trace"));
  const QRegularExpression change(QStringLiteral(
      R"(^\d+ +(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|creat|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|utimensat)\(|O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)"));
  const QRegularExpression gameFile(QStringLiteral(R"(test\.txt|/solve|\.ini"|/Varelo)"));
  for (const QStringList& args :
       {QStringList{"generate"}, QStringList{"generate", "--order", "2"},
        QStringList{"generate", "--order", "3", "--givens", "20"}, QStringList{"generate", "--level", "5"},
        QStringList{"generate", "--level", "60"}, QStringList{"level", "3"}, QStringList{"levels"}}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home.path());
    process.start(strace, QStringList{"-f", "-qq", "-e", "trace=%file", "-o", trace,
                                      QCoreApplication::applicationDirPath() + QStringLiteral("/varelo-cli")} +
                              args);
    ASSERT_TRUE(process.waitForFinished(60000));
    QFile log(trace);
    if (process.exitCode() != 0 && (!log.exists() || log.size() == 0))
      GTEST_SKIP() << "strace cannot trace here: " << process.readAllStandardError().toStdString();
    const std::string where = args.join(u' ').toStdString();
    EXPECT_EQ(process.exitCode(), 0) << where;
    EXPECT_FALSE(process.readAllStandardOutput().isEmpty()) << where;
    ASSERT_TRUE(log.open(QIODevice::ReadOnly)) << where;
    for (const QString& call : QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
      EXPECT_FALSE(change.match(call).hasMatch()) << where << ": " << call.toStdString();
      EXPECT_FALSE(gameFile.match(call).hasMatch()) << where << ": " << call.toStdString();
    }
    log.close();
    log.remove();
  }
}

}  // namespace
}  // namespace varelo
