#include "sources/PlatformFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/RegularFile.h"

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

// Gives the finished temporary file the name `target` only if nothing has
// that name yet (a file, a folder, a link to anything or to nothing), so a
// second copy of the game saving at the same moment can never replace a
// file: a hard link fails where the name is taken. Where the file system has
// no hard links, the name is claimed by creating it exclusively, and the
// finished file then takes the place of that empty claim.
int ClaimName(const QByteArray& temporary, const QByteArray& target) {
  if (::link(temporary.constData(), target.constData()) == 0) return 0;
  if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK && errno != ENOSYS) return errno;
  const int claim = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (claim < 0) return errno;
  ::close(claim);
  if (::rename(temporary.constData(), target.constData()) == 0) return 0;
  const int error = errno;
  ::unlink(target.constData());
  return error;
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
  descriptor_ = OpenRegularFile(QFile::decodeName(path_));
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

int WriteNewFile(const QString& path, const QByteArray& bytes) {
  const QByteArray target = QFile::encodeName(path);
  QByteArray temporary;
  const int descriptor = CreateTemporary(target, temporary);
  if (descriptor < 0) return errno;
  int error = WriteAll(descriptor, bytes);
  // A full disk may show only when the data reach it.
  if (error == 0 && ::fsync(descriptor) != 0) error = errno;
  if (::close(descriptor) != 0 && error == 0) error = errno;
  if (error == 0) error = ClaimName(temporary, target);
  ::unlink(temporary.constData());
  return error;
}

void RemoveStaleParts(const QString& folder, const QString& targetPattern) {
  const QDir dir(folder);
  const QRegularExpression part(u'^' + targetPattern + QStringLiteral(R"(\.[0-9a-z]+\.part$)"));
  const qint64 now = QDateTime::currentSecsSinceEpoch();
  for (const QString& name : dir.entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden | QDir::System)) {
    if (!part.match(name).hasMatch()) continue;
    const QByteArray path = QFile::encodeName(dir.filePath(name));
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) continue;
    if (now - info.st_mtime < kStalePartAge) continue;
    ::unlink(path.constData());
  }
}

}  // namespace varelo
