#include "sources/SolveFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings/AppPaths.h"

namespace varelo {

namespace {

// An existing folder must be writable; a missing one must be creatable,
// which needs a writable folder above it.
bool Usable(const QString& folder) {
  const QFileInfo info(folder);
  if (info.exists()) return info.isDir() && info.isWritable();
  const QFileInfo parent(info.absolutePath());
  return parent.isDir() && parent.isWritable();
}

}  // namespace

QString SolveFolderInUse(const QString& besideExecutable, const QString& perUser) {
  return Usable(besideExecutable) ? besideExecutable : perUser;
}

QString SolveFolderInUse() {
  const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/solve");
  return SolveFolderInUse(AppPaths::FromApplication().solveDir(), perUser);
}

}  // namespace varelo
