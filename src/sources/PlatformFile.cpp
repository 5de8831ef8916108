#include "sources/PlatformFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varelo {

namespace {

int WriteAll(int descriptor, const QByteArray& bytes) {
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t written = ::write(descriptor, bytes.constData() + done, bytes.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += written;
  }
  return 0;
}

// A new file beside `target` that nobody else uses, created with the usual
// permissions (the process's umask applies, as for any new file).
int CreateTemporary(const QByteArray& target, QByteArray& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".part";
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

bool IsFolder(const QByteArray& path) {
  struct stat info {};
  return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

PlatformReadFile::PlatformReadFile(const QString& path) : path_(QFile::encodeName(path)) {}

PlatformReadFile::~PlatformReadFile() { close(); }

bool PlatformReadFile::open(OpenMode mode) {
  if (mode != QIODevice::ReadOnly || isOpen()) return false;
  descriptor_ = ::open(path_.constData(), O_RDONLY | O_CLOEXEC);
  if (descriptor_ < 0) {
    error_ = errno;
    return false;
  }
  error_ = 0;
  ended_ = false;
  return QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void PlatformReadFile::close() {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
  QIODevice::close();
}

bool PlatformReadFile::atEnd() const { return ended_; }

qint64 PlatformReadFile::readData(char* data, qint64 maxSize) {
  for (;;) {
    const ssize_t got = ::read(descriptor_, data, static_cast<size_t>(maxSize));
    if (got > 0) return got;
    if (got == 0) {
      ended_ = true;
      return 0;
    }
    if (errno == EINTR) continue;
    error_ = errno;
    return -1;
  }
}

int MakeFolders(const QString& folder) {
  const QByteArray path = QFile::encodeName(QDir::cleanPath(QDir(folder).absolutePath()));
  if (IsFolder(path)) return 0;
  // Each level in turn, so the errno names the level that could not be made.
  for (qsizetype slash = path.indexOf('/', 1);; slash = path.indexOf('/', slash + 1)) {
    const QByteArray level = slash < 0 ? path : path.left(slash);
    if (::mkdir(level.constData(), 0777) != 0 && errno != EEXIST) return errno;
    if (slash < 0) return 0;
  }
}

int WriteWholeFile(const QString& path, const QByteArray& bytes) {
  const QByteArray target = QFile::encodeName(path);
  QByteArray temporary;
  const int descriptor = CreateTemporary(target, temporary);
  if (descriptor < 0) return errno;
  int error = WriteAll(descriptor, bytes);
  // A full disk may show only when the data reach it.
  if (error == 0 && ::fsync(descriptor) != 0) error = errno;
  if (::close(descriptor) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.constData());
  return error;
}

}  // namespace varelo
