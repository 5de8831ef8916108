#pragma once
// The settings file as it is found before Qt reads it. Qt's reader opens
// whatever stands at the name: a FIFO hangs it, a device feeds it for ever,
// and its atomic write replaces a device node that a link points at with a
// regular file. Such a thing, and a file too large to be settings, is set
// aside (moved to a free name beside it) before anything reads or writes.

#include <QByteArray>
#include <QString>

namespace varelo {

// Larger than any settings file the game writes by far.
inline constexpr qint64 kMaxSettingsFileSize = 1 << 20;

struct FoundSettingsFile {
  enum class State {
    Fresh,     // nothing there yet (or a link to nothing): a write creates it
    Read,      // a regular file, whose bytes are here
    SetAside,  // not usable as settings; moved to `setAsideAs`
    Stuck,     // not usable, and it could not be moved: never write there
  };
  State state = State::Fresh;
  QByteArray bytes;
  QString setAsideAs;
};

FoundSettingsFile FindSettingsFile(const QString& path);

// Writes `bytes` to the first free name of path.bad, path.bad2, ... and
// returns it (or the name of an earlier copy of the same bytes); empty when
// no copy could be made.
QString KeepCopy(const QString& path, const QByteArray& bytes);

// Whether a write of the file can succeed as far as permissions tell: the
// file (or the folder that would hold a new one) and its folder writable.
bool CanWriteSettingsFile(const QString& path);

}  // namespace varelo
