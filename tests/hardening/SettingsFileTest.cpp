// The settings file itself spoilt: binary junk, junk around the player's
// progress, a store that cannot be written, a read-only file. The real
// window starts, plays and closes; the progress it could read survives.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include "core/Board.h"
#include "model/Controls.h"
#include "sources/LevelBank.h"
#include "tests/ui/WindowFixture.h"

namespace varelo {
namespace {

using namespace varelo::testing;

QByteArray Junk(qsizetype size, quint32 seed) {
  QRandomGenerator random(seed);
  QByteArray bytes(size, Qt::Uninitialized);
  for (char& c : bytes) c = static_cast<char>(random.bounded(256));
  return bytes;
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsFile : public WindowTest {
 protected:
  // A store whose file holds `bytes` before anything reads it.
  SettingsStore& StoreWithFile(const QByteArray& bytes) {
    name = QStringLiteral("varelo-file-") + QUuid::createUuid().toString(QUuid::Id128);
    path = SettingsStore(name).fileName();
    EXPECT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    store = std::make_unique<SettingsStore>(name);
    return *store;
  }
  MainWindow& OpenOn(SettingsStore& on) {
    window = std::make_unique<MainWindow>(on, AppPaths{programDir->path()}, &prompter, &pointer);
    window->ShowAtStoredPlacement();
    Settle();
    return *window;
  }
  // Plays a random game and a mission game, then closes with OK.
  void PlayAndClose(MainWindow& w) {
    w.game().Click(ctl::LblBegin(8));
    Settle();
    EXPECT_TRUE(w.findChild<QWidget*>(ctl::PicMis(0))->isVisible());
    w.game().Click(ctl::Indexed(ctl::kMnuLevels, 0));
    Settle();
    EXPECT_EQ(w.game().controls().text(ctl::LblTop(1)), QStringLiteral("Level 1"));
    prompter.answers = {Answer::Ok};
    EXPECT_TRUE(w.close());
  }

  QString name;
  QString path;
  std::unique_ptr<SettingsStore> store;
};

TEST_F(SettingsFile, BinaryJunkStartsAFirstRunAndBecomesAValidFile) {
  MainWindow& w = OpenOn(StoreWithFile(Junk(4096, 3)));
  EXPECT_TRUE(prompter.asked.isEmpty()) << prompter.asked.value(0).text.toStdString();
  EXPECT_EQ(w.game().controls().text(ctl::LblBegin(7)), QStringLiteral("任务模式"));
  EXPECT_EQ(w.game().levelBank().menu().captions().size(), 1);
  PlayAndClose(w);
  const SettingsStore later(name);
  EXPECT_EQ(later.Read(SettingKey::FirstRun), QStringLiteral("false"));
  EXPECT_EQ(later.Read(SettingKey::MissionLevel), QStringLiteral("1"));  // the level chosen
  EXPECT_EQ(later.Read(SettingKey::WindowState), QStringLiteral("0"));
}

// Junk lines around the progress, as a damaged disk leaves them: the lines
// Qt can read are kept, and every write the game makes keeps them. (A quote
// or a backslash at a line's end joins the following lines to that line in
// Qt's INI format, so the junk before the progress has none.)
QByteArray JunkLines(qsizetype size, quint32 seed) {
  QByteArray junk = Junk(size, seed);
  for (char& c : junk)
    if (c == '"' || c == '\\' || c == '[') c = '#';
  return junk;
}

TEST_F(SettingsFile, JunkAroundTheProgressKeepsTheProgress) {
  const QByteArray bytes =
      JunkLines(300, 5) + "\n[Option]\nfr=false\nstate=12\n" + JunkLines(200, 6) + "\nacs=15\nsl=40\n" + Junk(500, 7);
  SettingsStore& spoilt = StoreWithFile(bytes);
  ASSERT_EQ(spoilt.Read(SettingKey::MissionLevel), QStringLiteral("12"));
  ASSERT_EQ(spoilt.Read(SettingKey::LevelsOpened), QStringLiteral("15"));
  MainWindow& w = OpenOn(spoilt);
  EXPECT_TRUE(prompter.asked.isEmpty()) << prompter.asked.value(0).text.toStdString();
  EXPECT_EQ(w.game().controls().text(ctl::LblBegin(7)), QStringLiteral("第12关"));
  EXPECT_EQ(w.game().levelBank().menu().captions().size(), 15);
  w.game().Click(ctl::LblBegin(8));
  Settle();
  prompter.answers = {Answer::Ok};
  EXPECT_TRUE(w.close());  // writes the geometry
  const SettingsStore later(name);
  EXPECT_EQ(later.Read(SettingKey::MissionLevel), QStringLiteral("12"));
  EXPECT_EQ(later.Read(SettingKey::LevelsOpened), QStringLiteral("15"));
  EXPECT_EQ(later.Read(SettingKey::Givens), QStringLiteral("40"));
}

// Settings kept where no file can be made (a file stands where the folder
// should be): the player is told once that nothing is saved, and the game
// goes on.
TEST_F(SettingsFile, AStoreThatCannotBeWrittenIsToldOnce) {
  QTemporaryDir root;
  const QString blocker = root.filePath(QStringLiteral("Varelo"));
  QFile block(blocker);
  ASSERT_TRUE(block.open(QIODevice::WriteOnly));
  block.write("in the way\n");
  block.close();
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root.path());
  {
    SettingsStore unwritable(QStringLiteral("varelo-unwritable"));
    MainWindow& w = OpenOn(unwritable);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_TRUE(prompter.asked[0].text.startsWith(QStringLiteral("无法保存设置和进度")));
    EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Error);
    PlayAndClose(w);
    EXPECT_EQ(prompter.asked.size(), 2) << "the notice and the quit question only";
    window.reset();
  }
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, SettingsRoot());
  EXPECT_EQ(ReadFile(blocker), QByteArray("in the way\n"));
}

TEST_F(SettingsFile, AReadOnlyFileIsReadAndLeftAsItWas) {
  const QByteArray bytes = "[Option]\nfr=false\nstate=12\nacs=15\n";
  SettingsStore& readOnly = StoreWithFile(bytes);
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  if (QFileInfo(path).isWritable())
    GTEST_SKIP() << "permissions do not stop this user (root) from writing; "
                    "AStoreThatCannotBeWrittenIsToldOnce covers failing writes";
  MainWindow& w = OpenOn(readOnly);
  ASSERT_EQ(prompter.asked.size(), 1);
  EXPECT_TRUE(prompter.asked[0].text.startsWith(QStringLiteral("无法保存设置和进度")));
  prompter.asked.clear();
  EXPECT_EQ(w.game().controls().text(ctl::LblBegin(7)), QStringLiteral("第12关"));
  PlayAndClose(w);
  EXPECT_EQ(ReadFile(path), bytes);
}

}  // namespace
}  // namespace varelo
