// Pictures that are not what their names say, in the real window: a
// background that is missing, a folder, a cut-off JPEG, a text or an empty
// file gets one clear message and the built-in picture; a logo like that is
// passed over without a word. The game plays on either way.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include "BadSettings.h"
#include "SpecialFiles.h"
#include "core/Board.h"
#include "look/BackgroundPicture.h"
#include "model/Controls.h"
#include "tests/ui/WindowFixture.h"

namespace varelo {
namespace {

using namespace varelo::testing;

const QString kMissing = QStringLiteral("。\n文件可能已被移除或重命名。");
const QString kUnsupported = QStringLiteral("为无法支持的文件格式！");

QByteArray Jpeg() {
  QImage picture(200, 150, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "JPG");
  return bytes;
}

class BadPictures : public WindowTest {
 protected:
  // A file in the program folder holding `bytes`, or a folder when null.
  QString Make(const QString& name, const QByteArray& bytes) {
    const QString path = programDir->filePath(name);
    if (bytes.isNull()) {
      EXPECT_TRUE(QDir().mkpath(path));
      return path;
    }
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  QString Fifo(const QString& name) {
    const QString path = programDir->filePath(name);
    EXPECT_TRUE(MakeFifo(path));
    return path;
  }
  // A random game starts from the start screen and shows its grid.
  void ExpectTheGameGoesOn() {
    window->game().Click(ctl::LblBegin(8));
    Settle();
    EXPECT_TRUE(window->findChild<QWidget*>(ctl::PicMis(0))->isVisible());
    int givens = 0;
    for (int n = 1; n <= kCellsPerGrid; ++n) givens += window->game().board().isFixed(0, n);
    EXPECT_GT(givens, 0);
  }
};

TEST_F(BadPictures, ABackgroundThatIsNoPictureIsToldOnceAndReset) {
  const QByteArray jpeg = Jpeg();
  const struct {
    const char* label;
    QString path;
    QString message;  // after the path
  } cases[] = {
      {"missing", programDir->filePath(QStringLiteral("gone.jpg")), kMissing},
      {"folder", Make(QStringLiteral("folder.jpg"), QByteArray()), kMissing},
      {"text", Make(QStringLiteral("notes.txt"), "a note, not a picture\n"), kUnsupported},
      {"empty", Make(QStringLiteral("empty.jpg"), QByteArray("")), kUnsupported},
      {"cut in its header", Make(QStringLiteral("cut.jpg"), jpeg.left(300)), kUnsupported},
      {"FIFO", Fifo(QStringLiteral("fifo.jpg")), kUnsupported},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    prompter.asked.clear();
    StoreProgress(settings.store());
    settings.store().Write(SettingKey::Background, c.path);
    {
      HangWatch watch([&c] { ReleaseFifo(c.path); });
      Open();
      EXPECT_FALSE(watch.hung());
    }
    ASSERT_EQ(prompter.asked.size(), 1);
    const QString expected =
        c.message == kMissing ? QStringLiteral("无法打开") + c.path + kMissing : c.path + kUnsupported;
    EXPECT_EQ(prompter.asked[0].text, expected);
    EXPECT_EQ(prompter.asked[0].icon, Prompt::Icon::Error);
    EXPECT_EQ(settings.store().Read(SettingKey::Background), QStringLiteral("默认"));
    EXPECT_FALSE(window->hasPlayerBackground());
    ExpectTheGameGoesOn();
    EXPECT_EQ(settings.store().Read(SettingKey::MissionLevel), kStoredLevel);
    EXPECT_EQ(settings.store().Read(SettingKey::LevelsOpened), kStoredOpened);

    Open();  // said once: the next start has the default and nothing to say
    EXPECT_EQ(prompter.asked.size(), 1);
  }
}

// A JPEG cut off inside its image data still decodes, grey where the data
// ends, as every JPEG reader shows it: the player's picture stays.
TEST_F(BadPictures, ABackgroundCutInItsImageDataShowsWhatItHas) {
  const QByteArray jpeg = Jpeg();
  const QString path = Make(QStringLiteral("half.jpg"), jpeg.left(jpeg.size() / 2));
  settings.store().Write(SettingKey::Background, path);
  Open();
  EXPECT_TRUE(prompter.asked.isEmpty());
  EXPECT_TRUE(window->hasPlayerBackground());
  EXPECT_EQ(settings.store().Read(SettingKey::Background), path);
  ExpectTheGameGoesOn();
}

// The first logo file that exists is the logo; when it is no picture the
// logo step ends there without a word (a later logo.bmp is not tried).
TEST_F(BadPictures, ALogoThatIsNoPictureIsPassedOverQuietly) {
  QImage bmp(40, 20, QImage::Format_RGB32);
  bmp.fill(Qt::red);
  const struct {
    const char* label;
    QByteArray bytes;
  } cases[] = {{"folder", QByteArray()},
               {"text", "not a picture"},
               {"empty", QByteArray("")},
               {"cut in its header", Jpeg().left(100)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    programDir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(bmp.save(programDir->filePath(QStringLiteral("logo.bmp")), "BMP"));
    Make(QStringLiteral("logo.jpg"), c.bytes);
    prompter.asked.clear();
    Open();
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_TRUE(window->findChild<QWidget*>(ctl::kImgLogo)->size().isEmpty());
    ExpectTheGameGoesOn();
  }
}

// A FIFO or a device as the logo or as HIDE.ICO is no picture, at once:
// opening a FIFO used to wait for ever, and Esc froze the window.
TEST_F(BadPictures, ALogoOrTrayIconThatIsNoFileIsPassedOverAtOnce) {
  const QString logo = Fifo(QStringLiteral("logo.jpg"));
  const QString icon = Fifo(QStringLiteral("HIDE.ICO"));
  const QString device = programDir->filePath(QStringLiteral("device.ico"));
  const bool withDevice = MakeNullDevice(device);
  HangWatch watch([&] {
    for (const QString& fifo : {logo, icon}) ReleaseFifo(fifo);
  });
  Open();
  EXPECT_TRUE(prompter.asked.isEmpty());
  EXPECT_TRUE(window->findChild<QWidget*>(ctl::kImgLogo)->size().isEmpty());
  EXPECT_TRUE(LoadIcon(icon).isNull());
  if (withDevice) EXPECT_TRUE(LoadIcon(device).isNull());
  EXPECT_EQ(LoadPicture(icon).error, PictureError::Unreadable);
  EXPECT_FALSE(watch.hung());
  ExpectTheGameGoesOn();
}

// However long the stored path, the message shows it within a line or two.
TEST_F(BadPictures, AMessageShowsAVeryLongPathShortened) {
  const QString path = QStringLiteral("/pictures/") + QString(4000, u'x') + QStringLiteral(".jpg");
  for (const QString& message : {MissingBackgroundMessage(path), UnreadableBackgroundMessage(path)}) {
    EXPECT_LT(message.size(), 300);
    EXPECT_TRUE(message.contains(QStringLiteral("/pictures/")));
    EXPECT_TRUE(message.contains(QStringLiteral(".jpg")));
  }
}

TEST_F(BadPictures, NoLogoAtAllLeavesTheLogoAreaEmpty) {
  Open();
  EXPECT_TRUE(prompter.asked.isEmpty());
  EXPECT_TRUE(window->findChild<QWidget*>(ctl::kImgLogo)->size().isEmpty());
  ExpectTheGameGoesOn();
}

}  // namespace
}  // namespace varelo
