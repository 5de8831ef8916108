#pragma once
// Loading a picture file the way the background and the logo need it: a
// missing file and a file that is no readable picture are told apart,
// because the player is told different things.

#include <QIcon>
#include <QImage>
#include <QString>

namespace varelo {

enum class PictureError { None, Missing, Unreadable };

struct LoadedPicture {
  QImage image;
  PictureError error = PictureError::None;
};

// Only a regular file is read: anything else in its place is Unreadable.
LoadedPicture LoadPicture(const QString& path);

// Every picture of an icon file, read the same way; an empty icon when
// there is none.
QIcon LoadIcon(const QString& path);

// The messages of a background that cannot be loaded (title "Varelo", error
// icon); a very long path is shown shortened.
QString MissingBackgroundMessage(const QString& path);
QString UnreadableBackgroundMessage(const QString& path);

}  // namespace varelo
