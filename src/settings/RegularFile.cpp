#include "settings/RegularFile.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varelo {

namespace {
// Longer paths lose their middle in messages.
constexpr qsizetype kShownPathLength = 160;

FileKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::Regular;
  if (S_ISDIR(mode)) return FileKind::Folder;
  return FileKind::Other;
}
}  // namespace

FileKind KindOf(const QString& path) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return FileKind::Missing;
  return KindOfMode(info.st_mode);
}

int OpenRegularFile(const QString& path) {
  // Nothing but a regular file is opened at all: opening a device can act.
  const FileKind kind = KindOf(path);
  if (kind == FileKind::Folder || kind == FileKind::Other) {
    errno = kind == FileKind::Folder ? EISDIR : ENOENT;
    return -1;
  }
  // O_NONBLOCK: should a FIFO take the name meanwhile, opening it for
  // reading would wait for a writer without it.
  const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) return -1;
  struct stat info {};
  int error = 0;
  if (::fstat(descriptor, &info) != 0)
    error = errno;
  else if (KindOfMode(info.st_mode) == FileKind::Folder)
    error = EISDIR;
  else if (KindOfMode(info.st_mode) == FileKind::Other)
    error = ENOENT;
  if (error == 0 && ::fcntl(descriptor, F_SETFL, 0) == 0) return descriptor;
  if (error == 0) error = errno;
  ::close(descriptor);
  errno = error;
  return -1;
}

QString ShownPath(const QString& path) {
  const QString shown = QDir::toNativeSeparators(path);
  if (shown.size() <= kShownPathLength) return shown;
  const qsizetype half = kShownPathLength / 2;
  return shown.left(half) + QStringLiteral("…") + shown.right(half);
}

}  // namespace varelo
