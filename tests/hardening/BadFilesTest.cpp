// Files beside the game that hold the wrong thing: "test.txt" short, long,
// empty or binary; puzzle files with junk, a megabyte of digits, unreadable
// or a folder in their place; a `solve` that is a file. Each gets its
// documented reading or a clear message, the game goes on, and no saved
// puzzle is changed.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <thread>

#include <utime.h>

#include <gtest/gtest.h>

#include "SpecialFiles.h"
#include "StartedGame.h"
#include "game/FileMenu.h"
#include "model/Texts.h"
#include "sources/PuzzleFiles.h"
#include "support/TempSettings.h"

namespace varelo {
namespace {

using namespace varelo::testing;

constexpr char kSolution[] = "172396854596874231384521769243619587759482613861753942437265198618937425925148376";
constexpr char kPuzzle[] = "001000009500003800060002100000070084000401000240030000005600030007200005800000700";

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first 81 digit characters of some bytes, as the test file gives them.
QByteArray First81Digits(const QByteArray& bytes) {
  QByteArray digits;
  for (char c : bytes) {
    if (digits.size() == 81) break;
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits;
}

QByteArray RandomBytes(qsizetype size, quint32 seed) {
  QRandomGenerator random(seed);
  QByteArray bytes(size, Qt::Uninitialized);
  for (char& c : bytes) c = static_cast<char>(random.bounded(256));
  return bytes;
}

// ---- test.txt ----------------------------------------------------------

class BadTestFile : public ::testing::Test {
 protected:
  // A random game with "test.txt" holding `bytes`: its givens must be the
  // file's digits, at most the 35 a random game shows.
  void PlayWith(const QByteArray& bytes) {
    const QString path = folder.filePath(QStringLiteral("test.txt"));
    WriteFile(path, bytes);
    StartedGame started(settings.store(), folder.path());
    started.game.Click(ctl::kSjms);
    EXPECT_TRUE(started.prompter.prompts.isEmpty()) << started.prompter.texts().join(u'|').toStdString();
    EXPECT_TRUE(started.game.controls().isVisible(ctl::PicMis(0))) << "no game on the screen";
    EXPECT_EQ(started.game.controls().text(ctl::kLbltishi), QStringLiteral("非随机数独，从test.txt文件中生成"));

    const QByteArray digits = First81Digits(bytes);
    const int given = static_cast<int>(digits.size() - digits.count('0'));
    EXPECT_EQ(started.Givens(0), std::min(given, 35));
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      if (!started.game.board().isFixed(0, n)) continue;
      ASSERT_LT(n - 1, digits.size()) << "a given past the file's digits, cell " << n;
      EXPECT_EQ(started.game.board().digit(0, n), digits[n - 1] - '0') << "cell " << n;
    }
    EXPECT_EQ(ReadFile(path), bytes) << "the test file was changed";
  }

  QTemporaryDir folder;
  TempSettings settings;
};

TEST_F(BadTestFile, AShortFileGivesItsFewDigits) { PlayWith("1 2 3\n"); }

TEST_F(BadTestFile, ALongFileIsCutAfterTheEightyFirstDigit) {
  PlayWith(QByteArray(kSolution).append('\n').repeated(300));
}

TEST_F(BadTestFile, AMegabyteLineBeforeTheDigitsIsReadThrough) {
  PlayWith(QByteArray((1 << 20) - 4096, 'x') + kSolution);
}

TEST_F(BadTestFile, AnEmptyFileGivesAnEmptyGrid) { PlayWith(QByteArray()); }

TEST_F(BadTestFile, ABinaryFileGivesTheDigitsAmongItsBytes) { PlayWith(RandomBytes(64 << 10, 7)); }

// Only the first megabyte is read, as of a puzzle file: text beyond it, or
// no end at all, gives no digits.
TEST_F(BadTestFile, DigitsBeyondTheFirstMegabyteAreNotRead) {
  const QByteArray bytes = QByteArray((1 << 20) + 4096, 'x') + kSolution;
  WriteFile(folder.filePath(QStringLiteral("test.txt")), bytes);
  StartedGame started(settings.store(), folder.path());
  started.game.Click(ctl::kSjms);
  EXPECT_TRUE(started.prompter.prompts.isEmpty());
  EXPECT_EQ(started.Givens(0), 0);
}

// A FIFO, a device, or a link to /dev/zero as test.txt: no hang and no
// endless read, but the error of a file that cannot be read, and a random
// game in its place.
TEST_F(BadTestFile, WhatIsNoFileIsAnErrorNotAHang) {
  const QString path = folder.filePath(QStringLiteral("test.txt"));
  const struct {
    const char* label;
    std::function<bool()> make;
  } cases[] = {
      {"FIFO", [&] { return MakeFifo(path); }},
      {"device node", [&] { return MakeNullDevice(path); }},
      {"link to /dev/zero", [&] { return MakeLink(QStringLiteral("/dev/zero"), path); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    QFile::remove(path);
    if (!c.make()) {
      std::printf("[ NOTE     ] %s: cannot be made by this user, not tried\n", c.label);
      continue;
    }
    StartedGame started(settings.store(), folder.path());
    {
      HangWatch watch([&] { ReleaseFifo(path); });
      started.game.Click(ctl::kSjms);
      EXPECT_FALSE(watch.hung());
    }
    EXPECT_EQ(started.prompter.prompts.size(), 1);
    EXPECT_EQ(started.prompter.prompts.value(0).text, texts::kErrorCode + QString::number(ENOENT));
    EXPECT_EQ(started.Givens(0), 35) << "no random game instead";
  }
}

// ---- puzzle files and the solve folder -----------------------------------

class BadPuzzleFiles : public ::testing::Test {
 protected:
  QString SolveDir() const { return folder.filePath(QStringLiteral("solve")); }
  QString PuzzleFile(int n) const { return SolveDir() + QStringLiteral("/sk%1.txt").arg(n); }

  // Solve mode of `order` with a digit typed into every grid in play, then
  // the file submenu opened, as the player opens it.
  StartedGame& EnterSolveMode(const char* entry) {
    started = std::make_unique<StartedGame>(settings.store(), folder.path());
    started->game.Click(QString::fromLatin1(entry));
    for (int grid : GridsInPlay(started->game.board().comboOrder())) started->game.board().setDigit(grid, 41, 5);
    started->game.Click(ctl::kWenjian);
    return *started;
  }
  GridDigits Grid(int grid) { return started->game.board().digitsOf(grid); }

  QTemporaryDir folder;
  TempSettings settings;
  std::unique_ptr<StartedGame> started;
};

TEST_F(BadPuzzleFiles, AFileWithoutDigitsLoadsEmptyGridsAndStaysAsItWas) {
  ASSERT_TRUE(QDir().mkpath(SolveDir()));
  QByteArray junk = "no digits here, just words; \"quotes\", tabs\t and \r\n line ends\n";
  for (char c : RandomBytes(4096, 11)) junk += (c >= '0' && c <= '9') ? 'x' : c;
  WriteFile(PuzzleFile(1), junk);
  StartedGame& s = EnterSolveMode("qjyj");
  s.game.Click(ctl::Indexed(ctl::kMnufil, 1));
  EXPECT_TRUE(s.prompter.prompts.isEmpty()) << s.prompter.texts().join(u'|').toStdString();
  EXPECT_EQ(Grid(0), GridDigits{});
  EXPECT_EQ(ReadFile(PuzzleFile(1)), junk);
}

TEST_F(BadPuzzleFiles, AMegabyteOfDigitsLoadsItsFirstThreeGrids) {
  ASSERT_TRUE(QDir().mkpath(SolveDir()));
  const QByteArray digits = QByteArray("0123456789").repeated(1 << 17);  // 1.25 MB
  WriteFile(PuzzleFile(1), digits);
  StartedGame& s = EnterSolveMode("qjsj");
  s.game.Click(ctl::Indexed(ctl::kMnufil, 1));
  EXPECT_TRUE(s.prompter.prompts.isEmpty()) << s.prompter.texts().join(u'|').toStdString();
  // Grid k holds digits 81(k-1).. of the file; the shared corners end with
  // grid 1's cell 81 and grid 3's cell 73, the last ones written.
  for (int grid = 1; grid <= 3; ++grid) {
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      int expected = digits[81 * (grid - 1) + n - 1] - '0';
      if ((grid == 1 && n == 81) || (grid == 2 && n == 1)) expected = digits[80] - '0';
      if ((grid == 2 && n == 9) || (grid == 3 && n == 73)) expected = digits[162 + 72] - '0';
      EXPECT_EQ(s.game.board().digit(grid, n), expected) << grid << "/" << n;
    }
  }
  EXPECT_EQ(ReadFile(PuzzleFile(1)), digits);
}

TEST_F(BadPuzzleFiles, AFolderNamedLikeAPuzzleFileIsAReadErrorAndNothingIsOverwritten) {
  ASSERT_TRUE(QDir().mkpath(PuzzleFile(1)));  // "sk1.txt" is a folder
  WriteFile(PuzzleFile(2), kPuzzle);
  StartedGame& s = EnterSolveMode("qjyj");
  const GridDigits typed = Grid(0);

  s.game.Click(ctl::Indexed(ctl::kMnufil, 1));
  ASSERT_EQ(s.prompter.prompts.size(), 1);
  EXPECT_TRUE(s.prompter.prompts[0].text.startsWith(QStringLiteral("文件读取失败。\n错误代码：")))
      << s.prompter.prompts[0].text.toStdString();
  EXPECT_EQ(s.prompter.prompts[0].icon, Prompt::Icon::Error);
  EXPECT_EQ(Grid(0), typed) << "a failed load changed the grid";

  s.game.Click(ctl::Indexed(ctl::kMnufil, 2));  // the next file still loads
  EXPECT_EQ(Grid(0)[2], 1);
  s.game.Click(ctl::Command(5));  // and a save takes the next free name
  ASSERT_EQ(s.prompter.prompts.size(), 2);
  EXPECT_TRUE(s.prompter.prompts[1].text.startsWith(QStringLiteral("文件保存成功！")));
  EXPECT_TRUE(QFileInfo(PuzzleFile(3)).isFile());
  EXPECT_TRUE(QFileInfo(PuzzleFile(1)).isDir());
  EXPECT_EQ(ReadFile(PuzzleFile(2)), kPuzzle);
}

TEST_F(BadPuzzleFiles, AnUnreadableFileIsAReadErrorThatTouchesNothing) {
  ASSERT_TRUE(QDir().mkpath(SolveDir()));
  WriteFile(PuzzleFile(1), kPuzzle);
  QFile::setPermissions(PuzzleFile(1), QFileDevice::Permissions());
  QFile probe(PuzzleFile(1));
  if (probe.open(QIODevice::ReadOnly))
    GTEST_SKIP() << "permissions do not stop this user (root) from reading; the folder case covers a read error";
  StartedGame& s = EnterSolveMode("qjyj");
  const GridDigits typed = Grid(0);
  s.game.Click(ctl::Indexed(ctl::kMnufil, 1));
  ASSERT_EQ(s.prompter.prompts.size(), 1);
  EXPECT_TRUE(s.prompter.prompts[0].text.startsWith(QStringLiteral("文件读取失败。\n错误代码：")));
  EXPECT_EQ(Grid(0), typed);
}

// A FIFO, a device, or a link to /dev/zero in the list: reading one is the
// error of a file that is not a plain file, at once, and nothing changes.
TEST_F(BadPuzzleFiles, WhatIsNoFileIsAReadErrorNotAHang) {
  ASSERT_TRUE(QDir().mkpath(SolveDir()));
  const struct {
    const char* label;
    std::function<bool(const QString&)> make;
  } cases[] = {
      {"FIFO", [](const QString& at) { return MakeFifo(at); }},
      {"device node", [](const QString& at) { return MakeNullDevice(at); }},
      {"link to /dev/zero", [](const QString& at) { return MakeLink(QStringLiteral("/dev/zero"), at); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    QFile::remove(PuzzleFile(1));
    if (!c.make(PuzzleFile(1))) {
      std::printf("[ NOTE     ] %s: cannot be made by this user, not tried\n", c.label);
      continue;
    }
    StartedGame& s = EnterSolveMode("qjyj");
    const GridDigits typed = Grid(0);
    {
      HangWatch watch([this] { ReleaseFifo(PuzzleFile(1)); });
      s.game.Click(ctl::Indexed(ctl::kMnufil, 1));
      EXPECT_FALSE(watch.hung());
    }
    EXPECT_EQ(s.prompter.prompts.size(), 1);
    EXPECT_EQ(s.prompter.prompts.value(0).text, QStringLiteral("文件读取失败。\n错误代码：") + QString::number(ENOENT));
    EXPECT_EQ(Grid(0), typed);
  }
}

// A name held by a link, to nothing or to a device, is not free: the save
// takes the next number and never writes through the link.
TEST_F(BadPuzzleFiles, ALinkInTheWayIsPassedOver) {
  ASSERT_TRUE(QDir().mkpath(SolveDir()));
  const QString device = folder.filePath(QStringLiteral("device"));
  ASSERT_TRUE(MakeLink(folder.filePath(QStringLiteral("nothing")), PuzzleFile(1)));
  const bool withDevice = MakeNullDevice(device) && MakeLink(device, PuzzleFile(2));
  StartedGame& s = EnterSolveMode("qjyj");
  s.game.Click(ctl::Command(5));
  ASSERT_EQ(s.prompter.prompts.size(), 1);
  const int saved = withDevice ? 3 : 2;
  EXPECT_TRUE(s.prompter.prompts[0].text.endsWith(QStringLiteral("sk%1.txt").arg(saved)))
      << s.prompter.prompts[0].text.toStdString();
  EXPECT_EQ(TypeOf(PuzzleFile(1)), mode_t{S_IFLNK});
  EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("nothing"))));
  if (withDevice) EXPECT_EQ(TypeOf(device), mode_t{S_IFCHR});
  EXPECT_EQ(TypeOf(PuzzleFile(saved)), mode_t{S_IFREG});
  EXPECT_EQ(ModeOf(PuzzleFile(saved)) & S_IWOTH, 0u);
}

// A save killed between its write and its rename left "sk2.txt.XXXX.part";
// the next save removes such stale parts of ours, and nothing else.
TEST_F(BadPuzzleFiles, StalePartsOfKilledSavesAreRemoved) {
  ASSERT_TRUE(QDir().mkpath(SolveDir()));
  const QString stale = PuzzleFile(2) + QStringLiteral(".k3x9q1.part");
  const QString fresh = PuzzleFile(3) + QStringLiteral(".a1b2c3.part");  // a save going on
  const QString notOurs = SolveDir() + QStringLiteral("/holiday.photos.part");
  for (const QString& name : {stale, fresh, notOurs}) WriteFile(name, "1 2 3");
  const qint64 old = QDateTime::currentSecsSinceEpoch() - 3600;
  for (const QString& name : {stale, notOurs}) {
    const utimbuf times{old, old};
    ASSERT_EQ(::utime(QFile::encodeName(name).constData(), &times), 0);
  }
  StartedGame& s = EnterSolveMode("qjyj");
  s.game.Click(ctl::Command(5));
  EXPECT_TRUE(s.prompter.prompts.value(0).text.startsWith(QStringLiteral("文件保存成功！")));
  EXPECT_FALSE(QFileInfo::exists(stale));
  EXPECT_TRUE(QFileInfo::exists(fresh));
  EXPECT_TRUE(QFileInfo::exists(notOurs));
}

// Copies of the game saving at the same moment each get a name of their
// own: no save reports a file that another one replaced.
TEST_F(BadPuzzleFiles, CopiesSavingAtOnceNeverShareAName) {
  constexpr int kCopies = 6;
  constexpr int kSavesEach = 8;
  const PuzzleFiles files(SolveDir());
  std::vector<QStringList> reported(kCopies);
  std::vector<std::thread> copies;
  for (int copy = 0; copy < kCopies; ++copy) {
    copies.emplace_back([&, copy] {
      Board board;
      for (int save = 0; save < kSavesEach; ++save) {
        board.setDigit(0, 1 + save, 1 + copy);
        const FileOutcome outcome = files.Save(board);
        if (outcome.ok) reported[copy].append(outcome.message.section(QStringLiteral("路径："), 1));
      }
    });
  }
  for (std::thread& copy : copies) copy.join();
  QStringList all;
  for (const QStringList& names : reported) all += names;
  EXPECT_EQ(all.size(), kCopies * kSavesEach);
  EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size()) << "two saves reported one file";
  EXPECT_EQ(QDir(SolveDir()).entryList({QStringLiteral("sk*.txt")}, QDir::Files).size(), all.size());
}

// An installed game (run from outside its build tree; run-installed.sh
// copies the tests there) keeps its puzzle files per user, even when it may
// write beside itself.
TEST_F(BadPuzzleFiles, AnInstalledGameSavesToThePerUserFolder) {
  const QString programDir = QCoreApplication::applicationDirPath();
  const QString tree = QFileInfo(QStringLiteral(VARELO_TEST_BUILD_TREE)).canonicalFilePath();
  if (QFileInfo(programDir).canonicalFilePath().startsWith(tree + u'/'))
    GTEST_SKIP() << "runs from the build tree; run-installed.sh runs it as an installed game";
  started = std::make_unique<StartedGame>(settings.store(), programDir);
  started->game.Click(ctl::kQjyj);
  started->game.board().setDigit(0, 41, 5);
  started->game.Click(ctl::Command(5));
  ASSERT_EQ(started->prompter.prompts.size(), 1);
  const QString message = started->prompter.prompts[0].text;
  const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/solve");
  EXPECT_TRUE(message.startsWith(QStringLiteral("文件保存成功！\n路径：") + QDir::toNativeSeparators(perUser)))
      << message.toStdString();
  EXPECT_FALSE(QFileInfo::exists(programDir + QStringLiteral("/solve")));
}

// A file named `solve` is no folder: the puzzle files go to the per-user
// folder, the message names it, and the file stays as it was.
TEST_F(BadPuzzleFiles, ASolveFileSendsThePuzzlesToThePerUserFolder) {
  const QByteArray notes = "my own notes, not a folder\n";
  WriteFile(SolveDir(), notes);
  StartedGame& s = EnterSolveMode("qjyj");
  s.game.Click(ctl::Command(5));
  ASSERT_EQ(s.prompter.prompts.size(), 1);
  const QString message = s.prompter.prompts[0].text;
  ASSERT_TRUE(message.startsWith(QStringLiteral("文件保存成功！\n路径："))) << message.toStdString();
  const QString saved = QDir::fromNativeSeparators(message.section(QStringLiteral("路径："), 1));
  EXPECT_FALSE(saved.startsWith(folder.path())) << saved.toStdString();
  EXPECT_TRUE(QFileInfo(saved).isFile()) << saved.toStdString();
  EXPECT_EQ(ReadFile(SolveDir()), notes);

  // The saved file is listed and loads back.
  s.game.Click(ctl::kWenjian);
  const int index = static_cast<int>(s.game.fileMenu().items().indexOf(QFileInfo(saved).fileName())) + 1;
  ASSERT_GT(index, 0);
  s.game.board().setDigit(0, 41, 0);
  s.game.Click(QStringLiteral("mnufil(%1)").arg(index));
  EXPECT_EQ(s.game.board().digit(0, 41), 5);
  QFile::remove(saved);  // the per-user folder outlives the test
}

}  // namespace
}  // namespace varelo
