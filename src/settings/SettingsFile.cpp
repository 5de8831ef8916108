#include "settings/SettingsFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/RegularFile.h"

namespace varelo {

namespace {

constexpr int kCopyNames = 100;

QByteArray Encoded(const QString& path) { return QFile::encodeName(path); }

QString CopyName(const QString& path, int n) {
  return path + QStringLiteral(".bad") + (n > 1 ? QString::number(n) : QString());
}

bool Exists(const QString& path) {
  struct stat info {};
  return ::lstat(Encoded(path).constData(), &info) == 0;
}

// Moves what stands at `path` (a link itself, not what it points at) to the
// first free copy name.
QString MoveAside(const QString& path) {
  for (int n = 1; n <= kCopyNames; ++n) {
    const QString name = CopyName(path, n);
    if (Exists(name)) continue;
    return ::rename(Encoded(path).constData(), Encoded(name).constData()) == 0 ? name : QString();
  }
  return {};
}

bool ReadAll(int descriptor, QByteArray& bytes) {
  char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    bytes.append(buffer, got);
    if (bytes.size() > kMaxSettingsFileSize) return true;
  }
}

QByteArray ReadCopy(const QString& name) {
  QByteArray bytes;
  const int descriptor = OpenRegularFile(name);
  if (descriptor < 0) return bytes;
  if (!ReadAll(descriptor, bytes)) bytes.clear();
  ::close(descriptor);
  return bytes;
}

bool Writable(const QString& path) { return ::access(Encoded(path).constData(), W_OK) == 0; }

}  // namespace

FoundSettingsFile FindSettingsFile(const QString& path) {
  FoundSettingsFile found;
  struct stat entry {};
  if (::lstat(Encoded(path).constData(), &entry) != 0 || KindOf(path) == FileKind::Missing) return found;
  const int descriptor = OpenRegularFile(path);
  if (descriptor >= 0) {
    const bool read = ReadAll(descriptor, found.bytes);
    ::close(descriptor);
    if (read && found.bytes.size() <= kMaxSettingsFileSize) {
      found.state = FoundSettingsFile::State::Read;
      return found;
    }
  }
  found.bytes.clear();
  found.setAsideAs = MoveAside(path);
  found.state = found.setAsideAs.isEmpty() ? FoundSettingsFile::State::Stuck : FoundSettingsFile::State::SetAside;
  return found;
}

QString KeepCopy(const QString& path, const QByteArray& bytes) {
  for (int n = 1; n <= kCopyNames; ++n) {
    const QString name = CopyName(path, n);
    const int descriptor = ::open(Encoded(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    // A copy of the same bytes, kept by an earlier look at the file, serves.
    if (descriptor < 0 && errno == EEXIST && KindOf(name) == FileKind::Regular && ReadCopy(name) == bytes) return name;
    if (descriptor < 0 && errno == EEXIST) continue;
    if (descriptor < 0) return {};
    bool written = true;
    for (qsizetype done = 0; written && done < bytes.size();) {
      const ssize_t wrote = ::write(descriptor, bytes.constData() + done, bytes.size() - done);
      if (wrote < 0 && errno == EINTR) continue;
      written = wrote > 0;
      done += wrote;
    }
    written = ::fsync(descriptor) == 0 && written;
    if (::close(descriptor) != 0 || !written) {
      ::unlink(Encoded(name).constData());
      return {};
    }
    return name;
  }
  return {};
}

bool CanWriteSettingsFile(const QString& path) {
  // Through a link the write goes to the file it points at, beside it.
  const QFileInfo link(path);
  const QFileInfo info(link.exists() ? link.canonicalFilePath() : path);
  QString folder = info.absolutePath();
  // A missing folder is made by the first write, in the nearest one there.
  while (KindOf(folder) == FileKind::Missing && folder != QFileInfo(folder).absolutePath())
    folder = QFileInfo(folder).absolutePath();
  if (KindOf(folder) != FileKind::Folder || !Writable(folder)) return false;
  return !info.exists() || Writable(info.filePath());
}

}  // namespace varelo
