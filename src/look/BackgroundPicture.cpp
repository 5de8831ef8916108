#include "look/BackgroundPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

#include "settings/RegularFile.h"

namespace varelo {

namespace {

// The most pictures taken from one icon file.
constexpr int kMaxIconSizes = 32;

// Opens a picture file only if it is a regular file, so a FIFO or a device
// in its place can neither hang the reader nor feed it for ever.
bool OpenPicture(const QString& path, QFile& file) {
  const int descriptor = OpenRegularFile(path);
  return descriptor >= 0 && file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

QByteArray FormatHint(const QString& path) { return QFileInfo(path).suffix().toLatin1(); }

}  // namespace

LoadedPicture LoadPicture(const QString& path) {
  LoadedPicture loaded;
  QFile file;
  if (!OpenPicture(path, file)) {
    loaded.error = KindOf(path) == FileKind::Other ? PictureError::Unreadable : PictureError::Missing;
    return loaded;
  }
  QImageReader reader(&file, FormatHint(path));
  loaded.image = reader.read();
  if (loaded.image.isNull()) loaded.error = PictureError::Unreadable;
  return loaded;
}

QIcon LoadIcon(const QString& path) {
  QIcon icon;
  QFile file;
  if (!OpenPicture(path, file)) return icon;
  QImageReader reader(&file, FormatHint(path));
  for (int n = 0; n < kMaxIconSizes; ++n) {
    const QImage image = reader.read();
    if (image.isNull()) break;
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

QString MissingBackgroundMessage(const QString& path) {
  return QStringLiteral("无法打开") + ShownPath(path) + QStringLiteral("。\n文件可能已被移除或重命名。");
}

QString UnreadableBackgroundMessage(const QString& path) {
  return ShownPath(path) + QStringLiteral("为无法支持的文件格式！");
}

}  // namespace varelo
