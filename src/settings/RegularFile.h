#pragma once
// Opening the files the game reads without ever blocking on them: a FIFO, a
// device or a socket where a file should be would hang an open() or feed a
// read for ever, so only a regular file is opened, and its type is checked
// on the open descriptor, never on the name alone.

#include <QString>

namespace varelo {

enum class FileKind { Missing, Regular, Folder, Other };

// What `path` names, following links (a link to nothing is Missing). Never
// blocks: it only looks at the entry.
FileKind KindOf(const QString& path);

// Opens `path` read-only if it is a regular file: the descriptor, or -1 with
// errno set: the open's own, EISDIR for a folder, and ENOENT for anything
// else, which holds no file to read.
int OpenRegularFile(const QString& path);

// A path as a message shows it: native separators, and the middle of a path
// too long for one line of a message box left out.
QString ShownPath(const QString& path);

}  // namespace varelo
