#pragma once
// Loading a picture file the way the background and the logo need it: a
// missing file and a file that is no readable picture are told apart,
// because the player is told different things.

#include <QImage>
#include <QString>

namespace varelo {

enum class PictureError { None, Missing, Unreadable };

struct LoadedPicture {
  QImage image;
  PictureError error = PictureError::None;
};

LoadedPicture LoadPicture(const QString& path);

// The messages of a background that cannot be loaded (title "Varelo", error icon).
QString MissingBackgroundMessage(const QString& path);
QString UnreadableBackgroundMessage(const QString& path);

}  // namespace varelo
