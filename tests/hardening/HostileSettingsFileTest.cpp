// The settings file as a reliability tester leaves it: no file at all but a
// device, a FIFO, a folder or a link to one of them; far too large; junk
// that Qt's reader misreads above the progress; a store that cannot be
// saved. Each starts without a hang, keeps the player's progress where the
// file held it, never writes through to what is not a settings file, and
// tells the player once.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <functional>

#include "SpecialFiles.h"
#include "StartedGame.h"
#include "support/TempSettings.h"

namespace varelo {
namespace {

using namespace varelo::testing;

const QString kSetAside = QStringLiteral("设置文件无法正常读取，原文件已另存为");
const QString kUnsaved = QStringLiteral("无法保存设置和进度");

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QString FreshName() { return QStringLiteral("varelo-hostile-") + QUuid::createUuid().toString(QUuid::Id128); }

int CountStartingWith(const RecordingPrompter& prompter, const QString& start) {
  int count = 0;
  for (const Prompt& prompt : prompter.prompts) count += prompt.text.startsWith(start);
  return count;
}

class HostileSettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    name = FreshName();
    path = SettingsStore(name).fileName();  // nothing there yet
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
  }
  void TearDown() override {
    for (const QString& leftover : {path, path + QStringLiteral(".bad")}) {
      if (TypeOf(leftover) == S_IFDIR)
        QDir(leftover).removeRecursively();
      else
        QFile::remove(leftover);
    }
  }
  // The game started on the store, watched for a hang on the FIFOs given.
  void Start(const QStringList& fifos = {}) {
    HangWatch watch([fifos] {
      for (const QString& fifo : fifos) ReleaseFifo(fifo);
    });
    store = std::make_unique<SettingsStore>(name);
    game = std::make_unique<StartedGame>(*store);
    hung = watch.hung();
  }

  QTemporaryDir elsewhere;
  QString name;
  QString path;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<StartedGame> game;
  bool hung = false;
};

// Something that is no settings file at the file's name is moved aside
// whole (a link as a link), the game starts clean and saves a regular file
// of its own; what a link points at is never touched.
TEST_F(HostileSettingsFile, WhatIsNoFileIsSetAsideAndNeverWrittenThrough) {
  const QString device = elsewhere.filePath(QStringLiteral("device"));
  const QString fifo = elsewhere.filePath(QStringLiteral("fifo"));
  const QByteArray huge = "[Option]\nfr=false\nstate=7\n" + QByteArray(2 << 20, '#');
  const struct {
    const char* label;
    std::function<bool(const QString&)> make;  // false: not possible here
    mode_t setAsideType;
    QString untouched;  // what a link points at
    mode_t untouchedType;
  } cases[] = {
      {"link to a device node", [&](const QString& at) { return MakeNullDevice(device) && MakeLink(device, at); },
       S_IFLNK, device, S_IFCHR},
      {"device node", [](const QString& at) { return MakeNullDevice(at); }, S_IFCHR, {}, 0},
      {"FIFO", [](const QString& at) { return MakeFifo(at); }, S_IFIFO, {}, 0},
      {"link to a FIFO", [&](const QString& at) { return MakeFifo(fifo) && MakeLink(fifo, at); }, S_IFLNK, fifo,
       S_IFIFO},
      {"folder", [](const QString& at) { return QDir().mkdir(at); }, S_IFDIR, {}, 0},
      {"file of 2 MiB",
       [&](const QString& at) {
         WriteFile(at, huge);
         return true;
       },
       S_IFREG,
       {},
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    TearDown();
    QFile::remove(device);
    QFile::remove(fifo);
    if (!c.make(path)) {
      std::printf("[ NOTE     ] %s: cannot be made by this user, not tried\n", c.label);
      continue;
    }
    Start({path, fifo});
    EXPECT_FALSE(hung) << "the start hung on the settings file";
    EXPECT_EQ(store->Read(SettingKey::MissionLevel), QStringLiteral("1")) << "not a clean start";
    store->Write(SettingKey::MissionLevel, 5);

    EXPECT_EQ(TypeOf(path + QStringLiteral(".bad")), c.setAsideType) << "not set aside as it was";
    if (!c.untouched.isEmpty()) EXPECT_EQ(TypeOf(c.untouched), c.untouchedType) << "written through the link";
    if (c.setAsideType == S_IFREG) EXPECT_EQ(ReadFile(path + QStringLiteral(".bad")), huge);
    EXPECT_EQ(TypeOf(path), mode_t{S_IFREG});
    EXPECT_EQ(ModeOf(path) & S_IWOTH, 0u) << "a world-writable settings file";
    EXPECT_EQ(SettingsStore(name).Read(SettingKey::MissionLevel), QStringLiteral("5"));
    EXPECT_EQ(CountStartingWith(game->prompter, kSetAside), 1) << game->prompter.texts().join(u'|').toStdString();
    EXPECT_TRUE(game->prompter.prompts.value(0).text.endsWith(QStringLiteral(".bad")));
    game.reset();
    store.reset();
  }
}

// A link to a settings file elsewhere (a dotfiles folder) stays a link, and
// a link to nothing yet makes that file.
TEST_F(HostileSettingsFile, ALinkToARegularFileOrToNothingIsWrittenThrough) {
  const QString real = elsewhere.filePath(QStringLiteral("real.ini"));
  for (const bool exists : {true, false}) {
    SCOPED_TRACE(exists ? "to a file" : "to nothing");
    TearDown();
    QFile::remove(real);
    if (exists) WriteFile(real, "[Option]\nfr=false\nstate=12\nacs=15\n");
    ASSERT_TRUE(MakeLink(real, path));
    Start();
    EXPECT_EQ(store->Read(SettingKey::MissionLevel), exists ? QStringLiteral("12") : QStringLiteral("1"));
    store->Write(SettingKey::LevelsOpened, 20);
    EXPECT_EQ(TypeOf(path), mode_t{S_IFLNK});
    EXPECT_TRUE(ReadFile(real).contains("acs=20"));
    EXPECT_TRUE(game->prompter.prompts.isEmpty()) << game->prompter.texts().join(u'|').toStdString();
    game.reset();
    store.reset();
  }
}

// Qt's reader runs a value with an open quote or a final backslash on over
// the following lines, and so lost "[Option]" below such a line: the first
// write then dropped the progress.
TEST_F(HostileSettingsFile, JunkAboveTheProgressNeverLosesIt) {
  const QByteArray progress = "[Option]\nfr=false\nstate=37\nacs=120\n";
  struct Case {
    std::string label;
    QByteArray bytes;
  };
  std::vector<Case> cases{
      {"a stray quote", "a note \" left here\n" + progress},
      {"a trailing backslash", "c:\\games\\\n" + progress},
      {"a key with an open quote", "[General]\ntitle=\"Varelo\n" + progress},
      {"a key ending in a backslash", "dir=c:\\games\\\n" + progress},
      {"two sections", "[Option]\nstate=37\nfr=false\n[Other]\nx=1\n[Option]\nacs=120\n"},
      {"a misread value within", "[Option]\nfr=false\nstate=37\nnote=\"open\nacs=120\n"},
  };
  for (quint32 seed = 1; seed <= 10; ++seed) {
    QRandomGenerator random(seed);
    QByteArray junk;
    for (int i = 0; i < 200; ++i) junk += "ab \"\\=;\n\t#"[random.bounded(10)];
    cases.push_back({"random junk " + std::to_string(seed), junk + '\n' + progress});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TearDown();
    WriteFile(path, c.bytes);
    Start();
    EXPECT_EQ(store->Read(SettingKey::MissionLevel), QStringLiteral("37"));
    EXPECT_EQ(store->Read(SettingKey::LevelsOpened), QStringLiteral("120"));
    EXPECT_EQ(game->game.controls().text(ctl::LblBegin(7)), QStringLiteral("第37关"));
    store->Write(SettingKey::Givens, 40);
    const SettingsStore later(name);
    EXPECT_EQ(later.Read(SettingKey::MissionLevel), QStringLiteral("37"));
    EXPECT_EQ(later.Read(SettingKey::LevelsOpened), QStringLiteral("120"));
    EXPECT_EQ(later.Read(SettingKey::Givens), QStringLiteral("40"));
    // Where the file had to be rewritten, the player has the original and is told.
    const QString copy = path + QStringLiteral(".bad");
    EXPECT_EQ(QFileInfo::exists(copy), CountStartingWith(game->prompter, kSetAside) == 1);
    EXPECT_LE(game->prompter.prompts.size(), 1);
    if (QFileInfo::exists(copy)) EXPECT_EQ(ReadFile(copy), c.bytes);
    game.reset();
    store.reset();
  }
}

// A value far longer than any the game writes reads as its default and is
// never written; a message never carries more than a line of its path.
TEST_F(HostileSettingsFile, HugeValuesReadAsTheirDefaults) {
  const QByteArray megabyte(1000 * 1000, 'x');
  WriteFile(path, "[Option]\nfr=false\nstate=12\nbcl=c:/" + megabyte + "\ntswb=" + megabyte.left(10000) + "\n");
  Start();
  EXPECT_EQ(store->Read(SettingKey::Background), QStringLiteral("默认"));
  EXPECT_EQ(store->Read(SettingKey::TrayTip), QStringLiteral("System Tray"));
  EXPECT_EQ(store->Read(SettingKey::MissionLevel), QStringLiteral("12"));
  store->Write(SettingKey::TrayTip, QString::fromLatin1(megabyte));
  EXPECT_EQ(store->Read(SettingKey::TrayTip), QStringLiteral("System Tray"));
}

// Settings that cannot be saved: the player hears it once, in one line that
// names the file, and the session goes on with what it wrote.
TEST_F(HostileSettingsFile, SettingsThatCannotBeSavedAreToldOnce) {
  QTemporaryDir root;
  const struct {
    const char* label;
    std::function<void(const QString& file)> make;
  } cases[] = {
      {"a file in the folder's place",
       [](const QString& file) { WriteFile(QFileInfo(file).absolutePath(), "in the way\n"); }},
      {"a read-only folder",
       [](const QString& file) {
         const QString folder = QFileInfo(file).absolutePath();
         ASSERT_TRUE(QDir().mkpath(folder));
         WriteFile(file, "[Option]\nfr=false\nstate=12\n");
         QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
       }},
      {"a read-only file",
       [](const QString& file) {
         ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
         WriteFile(file, "[Option]\nfr=false\nstate=12\n");
         QFile::setPermissions(file, QFileDevice::ReadOwner);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    QTemporaryDir base;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, base.path());
    name = FreshName();
    const QString file = SettingsStore(name).fileName();
    c.make(file);
    const bool blocked = !QFileInfo(file).isWritable() || !QFileInfo(QFileInfo(file).absolutePath()).isWritable();
    if (!blocked && QFileInfo(file).isFile()) {
      std::printf("[ NOTE     ] %s: permissions do not stop this user, not tried\n", c.label);
      QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, SettingsRoot());
      continue;
    }
    Start();
    store->Write(SettingKey::MissionLevel, 30);
    store->Write(SettingKey::LevelsOpened, 31);
    EXPECT_EQ(store->Read(SettingKey::MissionLevel), QStringLiteral("30"));
    EXPECT_EQ(CountStartingWith(game->prompter, kUnsaved), 1) << game->prompter.texts().join(u'|').toStdString();
    const QString notice = game->prompter.prompts.value(0).text;
    EXPECT_FALSE(notice.contains(u'\n'));
    EXPECT_TRUE(notice.endsWith(QDir::toNativeSeparators(file))) << notice.toStdString();
    game.reset();
    store.reset();
    QFile::setPermissions(QFileInfo(file).absolutePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, SettingsRoot());
  }
}

}  // namespace
}  // namespace varelo
