#include "look/BackgroundPicture.h"

#include <QImageReader>

namespace varelo {

LoadedPicture LoadPicture(const QString& path) {
  QImageReader reader(path);
  LoadedPicture loaded;
  loaded.image = reader.read();
  if (!loaded.image.isNull()) return loaded;
  loaded.error = reader.error() == QImageReader::FileNotFoundError ? PictureError::Missing : PictureError::Unreadable;
  return loaded;
}

QString MissingBackgroundMessage(const QString& path) {
  return QStringLiteral("无法打开") + path + QStringLiteral("。\n文件可能已被移除或重命名。");
}

QString UnreadableBackgroundMessage(const QString& path) { return path + QStringLiteral("为无法支持的文件格式！"); }

}  // namespace varelo
