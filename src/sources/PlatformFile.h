#pragma once
// File access that keeps the platform's error number (errno) of the call
// that failed, for the "错误代码：" of the file messages. Qt's file classes
// report only their own error kinds, and the clean-up they do after a
// failure may change errno before anyone reads it.

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace varelo {

// A file read from start to end as a sequential device. error() is 0, or
// the errno of the open or read that failed. Only a regular file opens,
// without blocking: a folder fails with EISDIR, a FIFO, device or socket
// with ENOENT.
class PlatformReadFile : public QIODevice {
 public:
  explicit PlatformReadFile(const QString& path);
  ~PlatformReadFile() override;

  bool open(OpenMode mode) override;  // ReadOnly only
  void close() override;
  bool isSequential() const override { return true; }
  // Only at the file's end; a failed read is not an end.
  bool atEnd() const override;
  int error() const { return error_; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray path_;
  int descriptor_ = -1;
  int error_ = 0;
  bool ended_ = false;
};

// Creates `folder` and any missing folder above it: 0, or the errno of the
// mkdir that failed.
int MakeFolders(const QString& folder);

// Writes `bytes` as the new file `path` through a temporary file beside it
// ("path.XXXX.part") that takes the name only once it is complete, and only
// if nothing has the name yet, so a failure leaves no partial file and
// nothing is ever replaced: 0, EEXIST when the name is taken, or the errno
// of the call that failed.
int WriteNewFile(const QString& path, const QByteArray& bytes);

// A temporary file of a write is this many seconds old at most, unless the
// write was killed.
inline constexpr qint64 kStalePartAge = 60;

// Removes the temporary files in `folder` that killed writes of files named
// as `targetPattern` (a regular expression) left: regular files of this
// user, named like ours, older than kStalePartAge.
void RemoveStaleParts(const QString& folder, const QString& targetPattern);

}  // namespace varelo
